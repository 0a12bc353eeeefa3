# The bench's exchanges, send path and monitor interface: no widgets, no Qt.
add_library(benchlinks STATIC
  ${CMAKE_CURRENT_LIST_DIR}/monitor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/serial_exchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tcp_exchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/send_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link_session.cpp
)
target_include_directories(benchlinks PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(benchlinks PUBLIC signprotocol signplatform Threads::Threads)
