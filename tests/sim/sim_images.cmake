# The image downloads of the virtual sign: its OGIF family and picture decoders.
if(TARGET benchimages)
  add_executable(sim_images_tests
    ${CMAKE_CURRENT_LIST_DIR}/ogif_family_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/image_decode_test.cpp
  )
  target_link_libraries(sim_images_tests PRIVATE signsim_core benchimages testsupport GTest::gtest_main)
  gtest_discover_tests(sim_images_tests)
endif()
