add_executable(fields_tests
  ${CMAKE_CURRENT_LIST_DIR}/integer_field_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sign_id_test.cpp
)
target_link_libraries(fields_tests PRIVATE benchfields GTest::gtest_main)
gtest_discover_tests(fields_tests)
