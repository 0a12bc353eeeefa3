#pragma once

#include <string>

namespace platform {

// The full path of the binary (executable or shared library) that holds this code.
std::string SelfPath();
// The folder part of a path, without a trailing separator.
std::string DirectoryOf(const std::string& path);

}  // namespace platform
