#pragma once

#include <string>
#include <vector>

#include "bench/fonts/font_tools.h"

namespace fonts {

// The plain files of a folder (regular files, not hidden ones), by name ignoring
// letter case, letters compared as small ones (so "[" and "_" come before letters);
// names only. Empty when the folder cannot be read.
std::vector<std::string> PlainFiles(const std::string& folder);

// The file list of a font folder: one row per plain file, from its size and first
// 32 bytes (a file that cannot be read is listed as empty).
FileRows ScanFontFolder(const std::string& folder);

// The folder of a path, with its "/" ("/home/a/_font/x.bin" gives "/home/a/_font/");
// empty for a bare name.
std::string FolderOf(const std::string& path);

}  // namespace fonts
