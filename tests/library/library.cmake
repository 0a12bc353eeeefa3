# Tests of the sending library: through the real libsignlink.so copied into
# temporary folders, against signsim over a pty and loopback TCP, plus the core's
# pure rules.
add_executable(library_tests
  ${CMAKE_CURRENT_LIST_DIR}/library_folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scripted_sign.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lifecycle_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/send_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core_test.cpp
)
target_link_libraries(library_tests PRIVATE signlinkcore signlinkloader testsupport GTest::gtest_main)
add_dependencies(library_tests signlink signsim)
gtest_discover_tests(library_tests)

# The library shows its fourteen exports and nothing else.
find_program(SIGNLINK_NM nm)
if(SIGNLINK_NM)
  add_test(NAME library_exports_only
           COMMAND sh -c "'${SIGNLINK_NM}' -D --defined-only \"$1\" | awk '$2 ~ /[A-Z]/ {print $3}' | LC_ALL=C sort | diff - \"$2\""
                   sh $<TARGET_FILE:signlink> ${CMAKE_CURRENT_LIST_DIR}/exports.txt)
endif()
