# Port discovery, probing and the ping report of the link area.
target_sources(benchlinks PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/port_scan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/port_probe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ping_report.cpp
)
