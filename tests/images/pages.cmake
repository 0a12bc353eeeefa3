# The pages "Make XBmp" and "Send Image", driven offscreen against signsim.
if(TARGET benchpages AND TARGET testbenchhost)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  add_executable(images_pages_tests
    ${CMAKE_CURRENT_LIST_DIR}/make_xbmp_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/make_xbmp_handlers_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/send_image_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/send_image_download_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/round_trip_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/page_controls.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/offscreen_main.cpp
  )
  target_link_libraries(images_pages_tests PRIVATE benchpages testbenchhost testsupport Qt6::Widgets GTest::gtest)
  add_dependencies(images_pages_tests signsim)
  gtest_discover_tests(images_pages_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
                       DISCOVERY_TIMEOUT 30)
endif()
