# The bitmap converters, the download's frames and file names: no widgets.
if(TARGET benchbitmaps)
  add_executable(images_tests
    ${CMAKE_CURRENT_LIST_DIR}/converters_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ogif_frames_test.cpp
  )
  target_link_libraries(images_tests PRIVATE benchbitmaps benchimages GTest::gtest_main)
  gtest_discover_tests(images_tests)
endif()
