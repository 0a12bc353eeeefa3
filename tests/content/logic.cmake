# Builders, decoders and converters of the content pages (no Qt).
add_executable(content_tests
  ${CMAKE_CURRENT_LIST_DIR}/coded_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inst_frame_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/markup_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/variable_frames_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/play_frames_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/directory_frames_test.cpp
)
target_link_libraries(content_tests PRIVATE benchcontent GTest::gtest_main)
gtest_discover_tests(content_tests)
