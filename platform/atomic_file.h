#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Replaces a whole file so that, whatever happens, it holds either its old content
// or the new one: the new content goes to a temporary file beside it
// (`<file>.tmp-XXXXXX`), is flushed to the disk, and is renamed over the file; then
// the folder is flushed, so the rename itself survives a power cut. A symbolic link
// is written through to the file it names. Temporary files of the same file that a
// killed writer left behind are removed first. False, with the file as it was, when
// the file could not be written.
bool WriteFileAtomically(const std::string& path, std::string_view content);

// The temporary files of `path` that no live writer holds, as WriteFileAtomically
// would remove them.
std::vector<std::string> StaleTemporaries(const std::string& path);

// The whole file, or nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace platform
