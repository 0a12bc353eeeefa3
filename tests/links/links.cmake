add_executable(links_tests
  ${CMAKE_CURRENT_LIST_DIR}/monitor_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/serial_exchange_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tcp_exchange_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/send_path_test.cpp
)
target_link_libraries(links_tests PRIVATE benchlinks signprotocol signplatform testsupport GTest::gtest_main)
# The exchanges talk to signsim, so it must be built with the tests.
if(TARGET signsim)
  add_dependencies(links_tests signsim)
endif()
gtest_discover_tests(links_tests)
