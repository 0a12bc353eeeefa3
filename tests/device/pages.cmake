# The "Setup" page driven offscreen against signsim.
if(TARGET benchpages AND TARGET testbenchhost)
  add_executable(device_pages_tests
    ${CMAKE_CURRENT_LIST_DIR}/setup_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/offscreen_page_main.cpp
  )
  target_link_libraries(device_pages_tests PRIVATE benchpages testbenchhost testsupport GTest::gtest)
  add_dependencies(device_pages_tests signsim)
  gtest_discover_tests(device_pages_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
