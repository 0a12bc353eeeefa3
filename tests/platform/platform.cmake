add_executable(platform_tests
  ${CMAKE_CURRENT_LIST_DIR}/profile_test.cpp
)
target_link_libraries(platform_tests PRIVATE signplatform testsupport GTest::gtest_main)
gtest_discover_tests(platform_tests)
