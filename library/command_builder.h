#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "library/profile_snapshot.h"

namespace signlink {

// The frame contents of one command of CmdSet.cfg, or why it cannot be built.
struct BuiltFrames {
    std::vector<std::vector<std::uint8_t>> frames;
    std::string error;  // empty when built
    bool ok() const { return error.empty(); }
};

// Assembles the parameters of section `command` into frame contents; a FILE
// parameter is spread over as many frames as its chunk size needs, each with its
// address bytes. Refuses absent keys, a FILE that cannot be read, HEAD over 4,
// a content over 20,480 bytes and more than 10,000 frames.
BuiltFrames BuildCommandFrames(const ProfileSnapshot& definitions, std::string_view command);

// The [Output] section of FrameInput.dat for these frames: NNNN_LONG, NNNN_DATA per
// frame, then FRAMES.
std::string FrameInputSection(const std::vector<std::vector<std::uint8_t>>& frames);

// The new text of FrameInput.dat: the old text with its [Output] section replaced.
std::string ReplaceOutputSection(std::string_view oldText, std::string_view section);

}  // namespace signlink
