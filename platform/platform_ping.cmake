# ICMP echo for the bench's reachability check.
target_sources(signplatform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ping.cpp)
