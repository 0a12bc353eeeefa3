# The image pages inside the window, run by a batch script against the virtual sign.
target_sources(shell_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/image_window_test.cpp)
