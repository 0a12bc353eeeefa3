# The clock, device and event families of the virtual sign, alone and in signsim.
if(TARGET testbenchhost)
  add_executable(sim_device_tests
    ${CMAKE_CURRENT_LIST_DIR}/device_family_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/event_family_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/signsim_device_test.cpp
  )
  target_link_libraries(sim_device_tests PRIVATE signsim_core benchdevice benchevents testbenchhost testsupport
                        GTest::gtest_main)
  add_dependencies(sim_device_tests signsim)
  gtest_discover_tests(sim_device_tests)
endif()
