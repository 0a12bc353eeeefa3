# The "Font" page inside the window and its dialogs' filters, offscreen.
target_sources(shell_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/font_window_test.cpp)
