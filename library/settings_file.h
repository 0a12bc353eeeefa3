#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace signlink {

struct KeyValue {
    std::string_view section;
    std::string_view key;
    std::string value;
};

// Writes several keys of a profile file in one atomic step: either all are on
// disk when it returns true, or the file is left as it was. Refused (false) when
// the file cannot be read or written, or a value holds a line break.
bool WriteKeys(const std::string& path, const std::vector<KeyValue>& keys);

}  // namespace signlink
