#pragma once

#include <optional>
#include <string>

#include "sim/unique_fd.h"

namespace sim {

// A pseudo-terminal whose slave side is the sign's serial line, in raw mode, and a
// symlink to the slave device. The sign keeps only the master open, so it sees when
// the last client closes the line. Bytes a client left unread stay in the terminal
// until the next client flushes its input at open, as the serial layers here do.
// The symlink is removed when the object goes away, if it still points to this pty.
class PtyLink {
public:
    // Creates the pty and the symlink (replacing an existing file of that name);
    // on failure returns nullopt and sets error.
    static std::optional<PtyLink> Create(const std::string& linkPath, std::string& error);

    PtyLink(PtyLink&& other) noexcept;
    PtyLink& operator=(PtyLink&&) = delete;
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;
    ~PtyLink();

    int MasterFd() const { return master_.Get(); }
    const std::string& SlavePath() const { return slavePath_; }
    const std::string& LinkPath() const { return linkPath_; }

private:
    PtyLink(UniqueFd master, std::string slavePath, std::string linkPath)
        : master_(std::move(master)), slavePath_(std::move(slavePath)), linkPath_(std::move(linkPath)) {}
    UniqueFd master_;
    std::string slavePath_;
    std::string linkPath_;  // empty once moved from
};

}  // namespace sim
