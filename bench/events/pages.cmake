# The "Event Cmd" page: its sources go into the window and the page library.
set_property(GLOBAL APPEND PROPERTY SIGNBENCH_PAGE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/event_page.h
  ${CMAKE_CURRENT_LIST_DIR}/event_page.cpp
)
set_property(GLOBAL APPEND PROPERTY SIGNBENCH_PAGE_LIBRARIES benchevents)
