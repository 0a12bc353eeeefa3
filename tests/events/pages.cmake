# The "Event Cmd" page driven offscreen against signsim.
if(TARGET benchpages AND TARGET testbenchhost)
  add_executable(events_pages_tests
    ${CMAKE_CURRENT_LIST_DIR}/event_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/level1_event_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/device/offscreen_page_main.cpp
  )
  target_link_libraries(events_pages_tests PRIVATE benchpages testbenchhost testsupport GTest::gtest)
  add_dependencies(events_pages_tests signsim)
  gtest_discover_tests(events_pages_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
