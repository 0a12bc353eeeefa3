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
  ${CMAKE_CURRENT_LIST_DIR}/files_folder_test.cpp
)
target_link_libraries(library_tests PRIVATE signlinkcore signlinkloader testsupport GTest::gtest_main)
target_compile_definitions(library_tests PRIVATE SIGN_DATA_DIR="${PROJECT_SOURCE_DIR}/data"
  SIGN_INSTALL_LIBDIR="${CMAKE_INSTALL_LIBDIR}" SIGN_INSTALL_DATADIR="${CMAKE_INSTALL_DATADIR}")
add_dependencies(library_tests signlink signsim signlink-cli)
gtest_discover_tests(library_tests)

# The library shows its fourteen exports and nothing else.
find_program(SIGNLINK_NM nm)
if(SIGNLINK_NM)
  add_test(NAME library_exports_only
           COMMAND sh -c "'${SIGNLINK_NM}' -D --defined-only \"$1\" | awk '$2 ~ /[A-Z]/ {print $3}' | LC_ALL=C sort | diff - \"$2\""
                   sh $<TARGET_FILE:signlink> ${CMAKE_CURRENT_LIST_DIR}/exports.txt)
endif()

# The Python module against a copy of the library and a virtual sign.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME library_python_module
           COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/examples/run_with_sim.py
                   $<TARGET_FILE:signsim> $<TARGET_FILE:signlink> ${PROJECT_SOURCE_DIR}/data --
                   ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/python_module_test.py {dir}/libsignlink.so
                   ${PROJECT_SOURCE_DIR}/library/signlink.h)
  set_tests_properties(library_python_module PROPERTIES ENVIRONMENT PYTHONPATH=${PROJECT_SOURCE_DIR}/library/python)
endif()
