add_library(self_path_probe SHARED ${CMAKE_CURRENT_LIST_DIR}/self_path_probe.cpp)
target_link_libraries(self_path_probe PRIVATE signplatform)

add_executable(platform_tests
  ${CMAKE_CURRENT_LIST_DIR}/atomic_file_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gbk_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/serial_port_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tcp_client_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/self_path_test.cpp
)
target_link_libraries(platform_tests PRIVATE signplatform self_path_probe testsupport GTest::gtest_main)
target_compile_definitions(platform_tests PRIVATE SELF_PATH_PROBE_FILE="$<TARGET_FILE:self_path_probe>")
gtest_discover_tests(platform_tests)
