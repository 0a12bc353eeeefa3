add_executable(device_tests
  ${CMAKE_CURRENT_LIST_DIR}/device_frames_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_replies_test.cpp
)
target_link_libraries(device_tests PRIVATE benchdevice signprotocol GTest::gtest_main)
gtest_discover_tests(device_tests)
