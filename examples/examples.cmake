# The example hosts of libsignlink.so, each run by ctest against a virtual sign.
find_package(Python3 COMPONENTS Interpreter)

add_executable(signlink-host-c ${CMAKE_CURRENT_LIST_DIR}/host.c)
target_include_directories(signlink-host-c PRIVATE ${PROJECT_SOURCE_DIR}/library)
target_link_libraries(signlink-host-c PRIVATE signlink)
# The host finds the library through LD_LIBRARY_PATH, so each run can use its own copy.
set_target_properties(signlink-host-c PROPERTIES SKIP_BUILD_RPATH ON)

if(Python3_Interpreter_FOUND)
  set(SIGNLINK_EXAMPLE_RUN ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/run_with_sim.py
      $<TARGET_FILE:signsim> $<TARGET_FILE:signlink> ${PROJECT_SOURCE_DIR}/data --)
  add_test(NAME example_host_c COMMAND ${SIGNLINK_EXAMPLE_RUN} $<TARGET_FILE:signlink-host-c>)
  add_test(NAME example_host_py
           COMMAND ${SIGNLINK_EXAMPLE_RUN} ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/host.py {dir}/libsignlink.so)
  set_tests_properties(example_host_py PROPERTIES ENVIRONMENT PYTHONPATH=${PROJECT_SOURCE_DIR}/library/python)
endif()
