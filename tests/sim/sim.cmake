add_executable(sim_tests
  ${CMAKE_CURRENT_LIST_DIR}/command_line_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_reader_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/line_pace_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reply_plan_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/signsim_flow_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/signsim_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wire_client.cpp
)
target_link_libraries(sim_tests PRIVATE signsim_core testsupport GTest::gtest_main)
# The end-to-end tests start the signsim program.
add_dependencies(sim_tests signsim)
gtest_discover_tests(sim_tests)
