# The page "Font", driven offscreen: the local tools in a temporary home, the sign's
# font memory against signsim.
if(TARGET benchpages AND TARGET testbenchhost)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  add_executable(fonts_pages_tests
    ${CMAKE_CURRENT_LIST_DIR}/font_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_tools_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_sign_page_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/page_controls.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/offscreen_main.cpp
  )
  target_link_libraries(fonts_pages_tests PRIVATE benchpages testbenchhost testsupport Qt6::Widgets GTest::gtest)
  add_dependencies(fonts_pages_tests signsim)
  gtest_discover_tests(fonts_pages_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
                       DISCOVERY_TIMEOUT 30)
endif()
