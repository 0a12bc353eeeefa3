#include "platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <utility>

namespace platform {
namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kRandomChars = 6;  // the XXXXXX of mkostemp
constexpr int kCreateAttempts = 5;

// Owns a descriptor; closes it unless released.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd& operator=(Fd&&) = delete;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string ResolvedTarget(const std::string& path)
{
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

struct Place {
    std::string folder;  // "." for a bare name
    std::string name;
};

Place Split(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the name still leads to the file open as fd.
bool StillNamed(int fd, const std::string& path)
{
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 && SameFile(open, named);
}

bool IsTemporaryOf(std::string_view entry, std::string_view name)
{
    return entry.size() == name.size() + kTemporaryMark.size() + kRandomChars &&
           entry.substr(0, name.size()) == name &&
           entry.substr(name.size(), kTemporaryMark.size()) == kTemporaryMark;
}

// A writer holds a lock on its temporary file until the rename is done, and the lock
// goes with the writer: a temporary file nobody holds was left by a killed writer.
// The caller gets the file locked, so it can remove it without a race.
Fd LockIfStale(const std::string& path)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (fd.Get() < 0) return Fd();
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return Fd();
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) return Fd();
    if (!StillNamed(fd.Get(), path)) return Fd();
    return fd;
}

// Calls visit(path) for each stale temporary file of target, while it is locked.
template <typename Visit>
void ForEachStale(const std::string& target, Visit visit)
{
    const Place place = Split(target);
    struct CloseFolder {
        void operator()(DIR* folder) const { ::closedir(folder); }
    };
    const std::unique_ptr<DIR, CloseFolder> folder(::opendir(place.folder.c_str()));
    if (!folder) return;
    while (const dirent* entry = ::readdir(folder.get())) {
        if (!IsTemporaryOf(entry->d_name, place.name)) continue;
        const std::string path = place.folder + "/" + entry->d_name;
        const Fd held = LockIfStale(path);
        if (held.Get() >= 0) visit(path);
    }
}

void FlushFolder(const std::string& target)
{
    const Fd folder(::open(Split(target).folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
}

// A new temporary file beside target, locked; its path goes to `temporary`.
Fd CreateTemporary(const std::string& target, std::string& temporary)
{
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        std::string pattern = target + std::string(kTemporaryMark) + std::string(kRandomChars, 'X');
        Fd fd(::mkostemp(pattern.data(), O_CLOEXEC));
        if (fd.Get() < 0) return Fd();
        // Another writer's clean-up may have taken it in the moment before the lock.
        if (::flock(fd.Get(), LOCK_EX) == 0 && StillNamed(fd.Get(), pattern)) {
            temporary = std::move(pattern);
            return fd;
        }
    }
    return Fd();
}

}  // namespace

std::vector<std::string> StaleTemporaries(const std::string& path)
{
    std::vector<std::string> found;
    ForEachStale(ResolvedTarget(path), [&](const std::string& stale) { found.push_back(stale); });
    return found;
}

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) return std::nullopt;
    std::string content;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    return content;
}

bool WriteFileAtomically(const std::string& path, std::string_view content)
{
    const std::string target = ResolvedTarget(path);
    ForEachStale(target, [](const std::string& stale) { ::unlink(stale.c_str()); });

    std::string temporary;
    Fd fd = CreateTemporary(target, temporary);
    if (fd.Get() < 0) return false;

    // Keep the old file's permissions; a new file gets the usual ones under the umask.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        ::fchmod(fd.Get(), old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd.Get(), 0666 & ~mask);
    }

    // The content is on the disk before the name points to it; the lock is held
    // until the rename is done, so no clean-up takes the file meanwhile.
    const bool ok = WriteAll(fd.Get(), content) && ::fsync(fd.Get()) == 0 &&
                    ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    FlushFolder(target);
    return true;
}

}  // namespace platform
