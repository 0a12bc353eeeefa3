# The pages "Make XBmp" and "Send Image"; the window's target (bench/shell) builds them.
set_property(GLOBAL APPEND PROPERTY SIGNBENCH_PAGE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/make_xbmp_page.h
  ${CMAKE_CURRENT_LIST_DIR}/make_xbmp_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/make_xbmp_page.ui
  ${CMAKE_CURRENT_LIST_DIR}/send_image_page.h
  ${CMAKE_CURRENT_LIST_DIR}/send_image_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/send_image_page.ui
)
