# The download's page frames, reply reader and loop, and the file name rules: no Qt.
add_library(benchimages STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ogif_frames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_download.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/byte_file.cpp
)
target_include_directories(benchimages PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(benchimages PUBLIC signprotocol signplatform benchcontent)

# The bitmap converters read pixels through QImage.
if(SIGN_BUILD_BENCH)
  find_package(Qt6 REQUIRED COMPONENTS Gui)
  add_library(benchbitmaps STATIC
    ${CMAKE_CURRENT_LIST_DIR}/seven_colour_preview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/obmp_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/xbmp_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_file.cpp
  )
  target_include_directories(benchbitmaps PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(benchbitmaps PUBLIC Qt6::Gui)
  set_property(GLOBAL APPEND PROPERTY SIGNBENCH_PAGE_LIBRARIES benchbitmaps)
endif()
