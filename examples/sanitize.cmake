# Under the sanitizers the library needs the ASan runtime, which a Python host does
# not carry: it is preloaded for that one test. The C host is linked as C++, so the
# C++ parts of the UBSan runtime that the library uses are there.
if(SIGN_SANITIZE)
  set_target_properties(signlink-host-c PROPERTIES LINKER_LANGUAGE CXX)
  if(TEST example_host_py)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libclang_rt.asan-x86_64.so
                    OUTPUT_VARIABLE SIGN_ASAN_RUNTIME OUTPUT_STRIP_TRAILING_WHITESPACE)
    set_property(TEST example_host_py APPEND PROPERTY ENVIRONMENT "LD_PRELOAD=${SIGN_ASAN_RUNTIME}")
  endif()
endif()
