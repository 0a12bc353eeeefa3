# The programs, variables and memory of the virtual sign.
target_sources(signsim_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/content_family.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sign_memory.cpp
)
