#include "library/profile_snapshot.h"

#include <charconv>
#include <unordered_set>

#include "platform/profile.h"

namespace signlink {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

}  // namespace

std::optional<std::string> LibValue(std::string_view raw)
{
    std::string_view text = Trim(raw);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    if (text == "@") return std::nullopt;
    return std::string(text);
}

std::optional<long long> DecimalValue(std::string_view text)
{
    text = Trim(text);
    long long value = 0;
    if (text.empty()) return std::nullopt;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string ProfileSnapshot::Index(std::string_view section, std::string_view key)
{
    // Names in the file are read trimmed, so the names looked up are trimmed too.
    return Lower(Trim(section)) + "\n" + Lower(Trim(key));
}

ProfileSnapshot::ProfileSnapshot(std::string_view content)
{
    std::unordered_set<std::string> seenSections;
    std::string section;
    bool active = false;  // inside the first section of its name
    while (!content.empty()) {
        const std::size_t newline = content.find('\n');
        std::string_view line = content.substr(0, newline);
        content = newline == std::string_view::npos ? std::string_view{} : content.substr(newline + 1);
        // A CR is a line end only before LF, as the settings writer reads lines.
        if (newline != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view text = Trim(line);
        if (text.empty() || text.front() == ';' || text.front() == '#') continue;
        if (text.front() == '[') {
            const std::size_t close = text.find(']');
            if (close == std::string_view::npos) continue;
            section = Lower(Trim(text.substr(1, close - 1)));
            active = seenSections.insert(section).second;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!active || equals == std::string_view::npos) continue;
        values_.try_emplace(section + "\n" + Lower(Trim(line.substr(0, equals))),
                            std::string(line.substr(equals + 1)));
    }
}

ProfileSnapshot ProfileSnapshot::Load(const std::string& path)
{
    return ProfileSnapshot(platform::ReadWholeFile(path).value_or(std::string()));
}

std::optional<std::string> ProfileSnapshot::Text(std::string_view section, std::string_view key) const
{
    const auto found = values_.find(Index(section, key));
    if (found == values_.end()) return std::nullopt;
    return LibValue(found->second);
}

std::optional<long long> ProfileSnapshot::Int(std::string_view section, std::string_view key) const
{
    const auto text = Text(section, key);
    if (!text) return std::nullopt;
    return DecimalValue(*text);
}

}  // namespace signlink
