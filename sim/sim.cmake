# The virtual sign: everything but main in signsim_core, so the tests link it.
add_library(signsim_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/families.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fault.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hex_bytes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/line_pace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/none_family.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pty_link.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reply_plan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/server.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sign.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sim_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tcp_listener.cpp
)
target_include_directories(signsim_core PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(signsim_core PUBLIC signprotocol)

add_executable(signsim ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(signsim PRIVATE signsim_core)
target_compile_definitions(signsim PRIVATE SIGNTOOLS_VERSION="${PROJECT_VERSION}")
