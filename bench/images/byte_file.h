#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace images {

// Writes the bytes as the whole file (an existing one is overwritten). Returns why
// it failed, empty on success; a file that could not be written whole is removed.
std::string WriteByteFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace images
