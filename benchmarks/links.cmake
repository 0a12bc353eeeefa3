# bench-links: NONE exchanges per second over the pty and loopback TCP (--show prints
# one exchange's monitor lines instead).
add_executable(bench-links ${CMAKE_CURRENT_LIST_DIR}/bench_links.cpp)
target_link_libraries(bench-links PRIVATE benchlinks signplatform)
if(TARGET signsim)
  add_dependencies(bench-links signsim)
endif()
