# The pages of the content commands: "Switch File ID", "Switch Program", "Variable".
set_property(GLOBAL APPEND PROPERTY SIGNBENCH_PAGE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/page_controls.h
  ${CMAKE_CURRENT_LIST_DIR}/page_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/switch_file_id_page.h
  ${CMAKE_CURRENT_LIST_DIR}/switch_file_id_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/switch_program_page.h
  ${CMAKE_CURRENT_LIST_DIR}/switch_program_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/variable_page.h
  ${CMAKE_CURRENT_LIST_DIR}/variable_page.cpp)
