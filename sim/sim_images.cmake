# Image downloads of the virtual sign: the OGIF pages, the picture decoders and the
# PNG files of --store.
find_package(ZLIB REQUIRED)
target_sources(signsim_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ogif_family.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_decode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/png_file.cpp
)
target_link_libraries(signsim_core PUBLIC ZLIB::ZLIB)
