# Event window frames and the event text conversion: plain functions, no Qt.
add_library(benchevents STATIC
  ${CMAKE_CURRENT_LIST_DIR}/event_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/event_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/event_fonts.cpp
)
target_include_directories(benchevents PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(benchevents PUBLIC signprotocol signplatform benchdevice benchfields)
