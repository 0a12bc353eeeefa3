add_executable(events_tests ${CMAKE_CURRENT_LIST_DIR}/event_frame_test.cpp)
target_link_libraries(events_tests PRIVATE benchevents signprotocol signplatform testsupport GTest::gtest_main)
gtest_discover_tests(events_tests)
