# The window, its start-up, language switch, script store and batch runner, offscreen.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(shell_tests
  ${CMAKE_CURRENT_LIST_DIR}/shell_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_fixture.h
  ${CMAKE_CURRENT_LIST_DIR}/window_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pure_logic_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/start_up_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/script_store_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controls_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/send_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/batch_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transfer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link_wait_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/monitor_test.cpp
)
target_link_libraries(shell_tests PRIVATE benchwindow testsupport GTest::gtest)
add_dependencies(shell_tests signbench signsim)
gtest_discover_tests(shell_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
