# bench-images: conversion speed of the OBMP and XBMP writers, and a 100 KB image
# download through the bench's download loop to signsim on a paced and an unpaced pty.
if(TARGET benchbitmaps)
  add_executable(bench-images ${CMAKE_CURRENT_LIST_DIR}/bench_images.cpp)
  target_link_libraries(bench-images PRIVATE benchimages benchbitmaps benchlinks signplatform)
  if(TARGET signsim)
    add_dependencies(bench-images signsim)
  endif()
endif()
