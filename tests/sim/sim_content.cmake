# The content family of the virtual sign, alone and in signsim.
if(TARGET testbenchhost)
  add_executable(sim_content_tests
    ${CMAKE_CURRENT_LIST_DIR}/content_family_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/signsim_content_test.cpp
  )
  target_link_libraries(sim_content_tests PRIVATE signsim_core benchcontent testbenchhost testsupport
                        GTest::gtest_main)
  add_dependencies(sim_content_tests signsim)
  gtest_discover_tests(sim_content_tests)
endif()
