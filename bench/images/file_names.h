#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace images {

// The path with the extension of its file name replaced (or added): "a/b.png",
// ".obmp" gives "a/b.obmp"; a dot in a folder name is left alone.
std::string WithExtension(const std::string& path, const std::string& extension);

// The file type entry of the download for a path, judged on the whole path in upper
// case: ".OGIF" or ".OBMP" anywhere gives 0, else ".XGIF" gives 1, else 2.
int DownloadTypeIndex(std::string_view path);

// "File Long: S Bytes, Total: T Pages".
std::string FileLongText(std::uint64_t size);

}  // namespace images
