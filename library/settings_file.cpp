#include "library/settings_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/profile.h"
#include "platform/profile_text.h"

namespace signlink {

bool WriteKeys(const std::string& path, const std::vector<KeyValue>& keys)
{
    for (const KeyValue& entry : keys)
        if (entry.value.find_first_of("\r\n") != std::string::npos) return false;
    const auto content = platform::ReadWholeFile(path);
    if (!content) {
        // Never replace a file that exists but could not be read.
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0 || errno != ENOENT) return false;
    }
    if (content && ::access(path.c_str(), W_OK) != 0) return false;
    platform::ProfileText text(content.value_or(std::string()));
    for (const KeyValue& entry : keys) text.Set(entry.section, entry.key, entry.value);
    return platform::WriteFileAtomically(path, text.Render());
}

}  // namespace signlink
