# The "Setup" page: its sources go into the window and the page library.
set_property(GLOBAL APPEND PROPERTY SIGNBENCH_PAGE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/setup_page.h
  ${CMAKE_CURRENT_LIST_DIR}/setup_page.cpp
)
set_property(GLOBAL APPEND PROPERTY SIGNBENCH_PAGE_LIBRARIES benchdevice)
