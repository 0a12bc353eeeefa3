# Port discovery, probing over ptys and ping of the loopback address.
target_sources(links_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/port_scan_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/port_probe_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ping_test.cpp
)
