# The page "Font"; the window's target (bench/shell) builds it.
set_property(GLOBAL APPEND PROPERTY SIGNBENCH_PAGE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/font_page.h
  ${CMAKE_CURRENT_LIST_DIR}/font_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_page.ui
)
