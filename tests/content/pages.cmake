# The content pages, offscreen, against signsim on loopback TCP.
if(TARGET benchpages AND TARGET testbenchhost)
  add_executable(content_pages_tests
    ${CMAKE_CURRENT_LIST_DIR}/pages_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_fixture.h
    ${CMAKE_CURRENT_LIST_DIR}/controls_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/switch_file_id_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/switch_program_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/variable_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/send_text_page_test.cpp
  )
  target_link_libraries(content_pages_tests PRIVATE benchpages testbenchhost testsupport GTest::gtest)
  add_dependencies(content_pages_tests signsim)
  gtest_discover_tests(content_pages_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
