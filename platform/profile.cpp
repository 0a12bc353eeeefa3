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

// Owns a descriptor; closes it unless released.
class UniqueFd {
public:
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Writes through a symbolic link to the file it names, so the link stays a link.
std::string ResolvedTarget(const std::string& path)
{
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

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

// Settings files are small text files; anything bigger is not ours to rewrite.
std::optional<std::string> ReadExisting(const std::string& path, bool& absent)
{
    absent = false;
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        absent = (errno == ENOENT);
        return std::nullopt;
    }
    std::string content;
    char buffer[16384];
    for (;;) {
        ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    return content;
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

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    bool absent = false;
    return ReadExisting(path, absent);
}

bool WriteFileAtomically(const std::string& path, std::string_view content)
{
    const std::string target = ResolvedTarget(path);
    std::vector<char> pattern(target.begin(), target.end());
    const std::string suffix = ".tmp-XXXXXX";
    pattern.insert(pattern.end(), suffix.begin(), suffix.end());
    pattern.push_back('\0');

    UniqueFd fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (fd.Get() < 0) return false;
    const std::string temporary(pattern.data());

    // Keep the old file's permissions; a new file gets the usual ones under the umask.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        ::fchmod(fd.Get(), old.st_mode & 07777);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd.Get(), 0666 & ~mask);
    }

    bool ok = WriteAll(fd.Get(), content);
    ok = (::close(fd.Release()) == 0) && ok;
    if (ok) ok = (::rename(temporary.c_str(), target.c_str()) == 0);
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

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
    auto raw = ReadRaw(section, key);
    if (!raw) return fallback;
    std::string_view text = TrimBlanks(*raw);
    std::optional<long long> value;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        // Hex as an unsigned bit pattern, so 0xFFFFFFFF reads as it is written.
        if (auto bits = ParseWhole<unsigned long long>(text.substr(2), 16); bits && *bits <= LLONG_MAX)
            value = static_cast<long long>(*bits);
    } else {
        value = ParseWhole<long long>(text, 10);
    }
    return value.value_or(fallback);
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
    if (!SafeName(section, true) || !SafeName(key, false) || !SafeValue(value)) return false;
    bool absent = false;
    auto content = ReadExisting(path_, absent);
    if (!content && !absent) return false;  // unreadable: never replace what we could not read
    if (content && ::access(path_.c_str(), W_OK) != 0) return false;  // a read-only file stays as it is

    ProfileText text(content.value_or(std::string()));
    text.Set(section, key, value);
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

}  // namespace platform
