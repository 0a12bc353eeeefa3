#include "platform/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "platform/profile_text.h"

namespace platform {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

template <typename Int>
std::optional<Int> ParseWhole(std::string_view text, int base)
{
    Int value{};
    if (text.empty()) return std::nullopt;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The file's content; nullopt with absent set when there is no such file.
std::optional<std::string> ReadExisting(const std::string& path, bool& absent)
{
    auto content = ReadWholeFile(path);
    struct stat info {};
    absent = !content && ::lstat(path.c_str(), &info) != 0 && errno == ENOENT;
    return content;
}

// The bench's integers: decimal, or "0x" hex as an unsigned bit pattern so that
// 0xFFFFFFFF reads as it is written; anything else gives the fallback.
long long BenchInt(const std::optional<std::string>& raw, long long fallback)
{
    if (!raw) return fallback;
    std::string_view text = TrimBlanks(*raw);
    std::optional<long long> value;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (auto bits = ParseWhole<unsigned long long>(text.substr(2), 16); bits && *bits <= LLONG_MAX)
            value = static_cast<long long>(*bits);
    } else {
        value = ParseWhole<long long>(text, 10);
    }
    return value.value_or(fallback);
}

// Names that would change the shape of the file when written are refused.
bool SafeName(std::string_view name, bool isSection)
{
    if (TrimBlanks(name).empty()) return false;
    for (char c : name) {
        if (c == '\n' || c == '\r') return false;
        if (isSection ? c == ']' : c == '=') return false;
    }
    return isSection || (name.front() != '[' && name.front() != ';' && name.front() != '#');
}

bool SafeValue(std::string_view value) { return value.find_first_of("\r\n") == std::string_view::npos; }

}  // namespace

Profile::Profile(std::string path) : path_(std::move(path)) {}

bool Profile::Exists() const
{
    struct stat info {};
    return ::stat(path_.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> Profile::ReadRaw(std::string_view section, std::string_view key) const
{
    auto content = ReadWholeFile(path_);
    if (!content) return std::nullopt;
    ProfileText text(*content);
    return text.Find(section, key);
}

std::string Profile::ReadText(std::string_view section, std::string_view key, std::string_view fallback) const
{
    auto raw = ReadRaw(section, key);
    return raw ? *raw : std::string(fallback);
}

long long Profile::ReadInt(std::string_view section, std::string_view key, long long fallback) const
{
    return BenchInt(ReadRaw(section, key), fallback);
}

std::optional<std::string> Profile::ReadLibText(std::string_view section, std::string_view key) const
{
    auto raw = ReadRaw(section, key);
    if (!raw) return std::nullopt;
    std::string_view text = TrimBlanks(*raw);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    if (text == "@") return std::nullopt;
    return std::string(text);
}

long long Profile::ReadLibInt(std::string_view section, std::string_view key, long long fallback) const
{
    auto text = ReadLibText(section, key);
    if (!text) return fallback;
    return ParseWhole<long long>(TrimBlanks(*text), 10).value_or(fallback);
}

bool Profile::Write(std::string_view section, std::string_view key, std::string_view value)
{
    return Update([&](ProfileChange& change) { change.Write(section, key, value); });
}

bool Profile::Update(const std::function<void(ProfileChange&)>& change)
{
    bool absent = false;
    auto content = ReadExisting(path_, absent);
    if (!content && !absent) return false;  // unreadable: never replace what we could not read
    if (content && ::access(path_.c_str(), W_OK) != 0) return false;  // a read-only file stays as it is

    ProfileText text(content.value_or(std::string()));
    ProfileChange edit(text);
    change(edit);
    if (edit.Refused()) return false;
    return WriteFileAtomically(path_, text.Render());
}

bool Profile::WriteInt(std::string_view section, std::string_view key, long long value)
{
    return Write(section, key, std::to_string(value));
}

bool Profile::EraseSection(std::string_view section)
{
    bool absent = false;
    auto content = ReadExisting(path_, absent);
    if (!content) return absent;
    ProfileText text(*content);
    if (!text.EraseSection(section)) return true;
    if (::access(path_.c_str(), W_OK) != 0) return false;
    return WriteFileAtomically(path_, text.Render());
}

std::optional<std::string> ProfileChange::ReadRaw(std::string_view section, std::string_view key) const
{
    return text_.Find(section, key);
}

long long ProfileChange::ReadInt(std::string_view section, std::string_view key, long long fallback) const
{
    return BenchInt(ReadRaw(section, key), fallback);
}

void ProfileChange::Write(std::string_view section, std::string_view key, std::string_view value)
{
    if (!SafeName(section, true) || !SafeName(key, false) || !SafeValue(value)) refused_ = true;
    if (!refused_) text_.Set(section, key, value);
}

void ProfileChange::WriteInt(std::string_view section, std::string_view key, long long value)
{
    Write(section, key, std::to_string(value));
}

}  // namespace platform
