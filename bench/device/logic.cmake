# Clock, countdown and device control frames and the query reply readers: plain
# functions, no Qt.
add_library(benchdevice STATIC
  ${CMAKE_CURRENT_LIST_DIR}/clock_frames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_frames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_replies.cpp
)
target_include_directories(benchdevice PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(benchdevice PUBLIC signprotocol benchfields)
