# The "Event Cmd" page and the handlers of "Level 1. EVENT": their sources go into
# the window and the page library.
set_property(GLOBAL APPEND PROPERTY SIGNBENCH_PAGE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/event_page.h
  ${CMAKE_CURRENT_LIST_DIR}/event_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/send_event_frame.h
  ${CMAKE_CURRENT_LIST_DIR}/send_event_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_box_level1.cpp
)
set_property(GLOBAL APPEND PROPERTY SIGNBENCH_PAGE_LIBRARIES benchevents)
