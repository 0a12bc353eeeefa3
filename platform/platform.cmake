# The small layers in place of the platform interfaces: no Qt, plain POSIX.
add_library(signplatform STATIC
  ${CMAKE_CURRENT_LIST_DIR}/atomic_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gbk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/deadline.cpp
  ${CMAKE_CURRENT_LIST_DIR}/serial_port.cpp
  ${CMAKE_CURRENT_LIST_DIR}/serial_port_map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tcp_client.cpp
  ${CMAKE_CURRENT_LIST_DIR}/self_path.cpp
)
# Hidden, so a shared library that links this keeps its own copy: SelfPath inside
# libsignlink.so must name the library even when the host carries these layers too.
set_target_properties(signplatform PROPERTIES
  POSITION_INDEPENDENT_CODE ON
  CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON)
target_include_directories(signplatform PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(signplatform PUBLIC Threads::Threads ${CMAKE_DL_LIBS})
