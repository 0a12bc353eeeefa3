# Under the sanitizers the library needs the ASan runtime, which a Python host does
# not carry: it is preloaded for that one test.
if(SIGN_SANITIZE AND TEST example_host_py)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libclang_rt.asan-x86_64.so
                  OUTPUT_VARIABLE SIGN_ASAN_RUNTIME OUTPUT_STRIP_TRAILING_WHITESPACE)
  set_tests_properties(example_host_py PROPERTIES ENVIRONMENT "LD_PRELOAD=${SIGN_ASAN_RUNTIME}")
endif()
