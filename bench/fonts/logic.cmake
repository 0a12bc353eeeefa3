# The font list, names, tools, the sign's font frames and the page writer: plain
# functions and classes over the bench host, no Qt.
add_library(benchfonts STATIC
  ${CMAKE_CURRENT_LIST_DIR}/font_file_row.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_tools.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sign_font_frames.cpp
)
target_include_directories(benchfonts PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(benchfonts PUBLIC signprotocol signplatform benchfields benchcontent)
