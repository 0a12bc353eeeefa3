# bench-fonts: a 1 MB font written through the bench's font writer to signsim on a
# paced and an unpaced pty, and a scan of a folder of 1,000 font files.
if(TARGET benchfonts)
  add_executable(bench-fonts ${CMAKE_CURRENT_LIST_DIR}/bench_fonts.cpp)
  target_link_libraries(bench-fonts PRIVATE benchfonts benchlinks signprotocol signplatform)
  if(TARGET signsim)
    add_dependencies(bench-fonts signsim)
  endif()
endif()
