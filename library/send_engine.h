#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "library/frame_link.h"

namespace signlink {

// Where the four files of one library lie.
struct LibraryFiles {
    std::string cmdSet;
    std::string sendFrame;
    std::string frameInput;
    std::string frameReturn;

    static LibraryFiles In(const std::string& directory);
};

struct SendOptions {
    int startFrame = 0;
    int readTimeoutMs = 0;      // serial read time-out; 0 takes WaitTimeMs
    int networkLimitMs = 1000;  // each connect, send and whole reception
};

// One run of Send: reads the link from SendFrame.cfg, the frames from
// FrameInput.dat, sends each with up to three attempts and records the run in
// FrameReturn.dat. Returns 0 or a result code.
int RunSend(const LibraryFiles& files, const SendOptions& options);

// The frame loop of a run over a link that `openLink` gives once FrameReturn.dat
// was started (nullptr: the run ends with openFailure).
using LinkOpener = std::function<std::unique_ptr<FrameLink>()>;
int RunFrameLoop(const LibraryFiles& files, const SendOptions& options, std::uint16_t signId,
                 const LinkOpener& openLink, int openFailure);

}  // namespace signlink
