# The program script store (pure logic over setup.cfg), compiled into the pages.
set_property(GLOBAL APPEND PROPERTY SIGNBENCH_PAGE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/program_scripts.h
  ${CMAKE_CURRENT_LIST_DIR}/program_scripts.cpp)
