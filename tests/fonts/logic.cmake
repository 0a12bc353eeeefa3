# The font list, names, tools and frames (no Qt).
add_executable(fonts_tests
  ${CMAKE_CURRENT_LIST_DIR}/font_file_row_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_tools_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sign_font_frames_test.cpp
)
target_link_libraries(fonts_tests PRIVATE benchfonts testsupport GTest::gtest_main)
gtest_discover_tests(fonts_tests)
