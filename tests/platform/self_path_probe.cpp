#include <string>

#include "platform/self_path.h"

// Built as a shared library, so the test can ask for the path from inside a library.
extern "C" __attribute__((visibility("default"))) const char* ProbeSelfPath()
{
    static const std::string path = platform::SelfPath();
    return path.c_str();
}
