# The font directory of the virtual sign over the flash it shares with the content family.
add_executable(sim_fonts_tests ${CMAKE_CURRENT_LIST_DIR}/font_family_test.cpp)
target_link_libraries(sim_fonts_tests PRIVATE signsim_core GTest::gtest_main)
gtest_discover_tests(sim_fonts_tests)
