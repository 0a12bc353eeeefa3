#include "sim/pty_link.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace sim {
namespace {

std::string Describe(const std::string& what) { return what + ": " + std::strerror(errno); }

// No echo, no line editing, no CR/LF translation: bytes pass as they are.
bool MakeRaw(int fd)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) return false;
    cfmakeraw(&settings);
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

}  // namespace

std::optional<PtyLink> PtyLink::Create(const std::string& linkPath, std::string& error)
{
    UniqueFd master(posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!master.Valid()) {
        error = Describe("posix_openpt");
        return std::nullopt;
    }
    if (grantpt(master.Get()) != 0 || unlockpt(master.Get()) != 0) {
        error = Describe("unlockpt");
        return std::nullopt;
    }
    char name[128] = {};
    if (ptsname_r(master.Get(), name, sizeof name) != 0) {
        error = Describe("ptsname");
        return std::nullopt;
    }
    const std::string slavePath = name;
    {
        // Raw mode is a property of the terminal, so it outlives this short open.
        UniqueFd slave(open(slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
        if (!slave.Valid() || !MakeRaw(slave.Get())) {
            error = Describe("cannot set " + slavePath + " to raw mode");
            return std::nullopt;
        }
    }
    // Replace an old link in one step: a new symlink under a temporary name, renamed over it.
    const std::string temporary = linkPath + ".signsim-new";
    unlink(temporary.c_str());
    if (symlink(slavePath.c_str(), temporary.c_str()) != 0) {
        error = Describe("cannot create the link " + linkPath);
        return std::nullopt;
    }
    if (rename(temporary.c_str(), linkPath.c_str()) != 0) {
        error = Describe("cannot create the link " + linkPath);
        unlink(temporary.c_str());
        return std::nullopt;
    }
    return PtyLink(std::move(master), slavePath, linkPath);
}

PtyLink::PtyLink(PtyLink&& other) noexcept
    : master_(std::move(other.master_)),
      slavePath_(std::move(other.slavePath_)),
      linkPath_(std::exchange(other.linkPath_, std::string()))
{
}

PtyLink::~PtyLink()
{
    if (linkPath_.empty()) return;
    std::error_code ignored;
    if (std::filesystem::is_symlink(linkPath_, ignored) &&
        std::filesystem::read_symlink(linkPath_, ignored) == slavePath_)
        std::filesystem::remove(linkPath_, ignored);
}

}  // namespace sim
