# The Find, Find Com, Auto Find, Ping and WIFI buttons of the link area, offscreen.
target_sources(shell_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/port_find_test.cpp)
