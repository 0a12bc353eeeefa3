# Frame builders, reply decoders and text converters of the content pages: no Qt.
add_library(benchcontent STATIC
  ${CMAKE_CURRENT_LIST_DIR}/frame_build.cpp
  ${CMAKE_CURRENT_LIST_DIR}/coded_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inst_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/markup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reply_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/variable_frames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/play_frames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/directory_frames.cpp
)
target_include_directories(benchcontent PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(benchcontent PUBLIC signprotocol benchfields)
