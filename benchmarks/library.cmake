# bench-library: Cmd2Frame and Send of 1,000 and 10,000 frames against signsim.
add_executable(bench-library ${CMAKE_CURRENT_LIST_DIR}/bench_library.cpp)
target_link_libraries(bench-library PRIVATE signlinkloader testsupport)
add_dependencies(bench-library signlink signsim)
