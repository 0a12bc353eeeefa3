#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace signlink {

// One reading of a profile file, for the exports that look up many keys in one
// call (a command's parameters, every frame of a run). Lines are recognised as
// platform::ProfileText does; values follow the library's rules: trimmed, one pair
// of enclosing quotes removed, "@" counts as absent. The first section of a name
// and the first key of a name in it win.
class ProfileSnapshot {
public:
    explicit ProfileSnapshot(std::string_view content);
    // An absent or unreadable file reads as empty.
    static ProfileSnapshot Load(const std::string& path);

    std::optional<std::string> Text(std::string_view section, std::string_view key) const;
    // Decimal integers; absent, empty or not a number gives nullopt.
    std::optional<long long> Int(std::string_view section, std::string_view key) const;

private:
    static std::string Index(std::string_view section, std::string_view key);
    std::unordered_map<std::string, std::string> values_;  // "section\nkey" in lower case -> raw value
};

// Text read by the library's rules: trimmed, unquoted, nullopt for "@".
std::optional<std::string> LibValue(std::string_view raw);
// A whole decimal number of the text (blanks trimmed), else nullopt.
std::optional<long long> DecimalValue(std::string_view text);

}  // namespace signlink
