#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/profile_snapshot.h"

namespace signlink {

// A stored frame's data text to bytes, at most maxBytes: two adjacent hex digits
// (either case) make a byte; a blank, CR or LF ends a byte early and is skipped
// between bytes; a lone digit at the very end is dropped. nullopt for any other
// character.
std::optional<std::vector<std::uint8_t>> DataTextToBytes(std::string_view text, std::size_t maxBytes);

// FrameInput.dat as Send reads it: read once per run.
class FrameInput {
public:
    explicit FrameInput(ProfileSnapshot snapshot) : snapshot_(std::move(snapshot)) {}

    // The frame count; nullopt when absent, not a number or outside 0..10000.
    std::optional<int> Count() const;
    // The content of frame k; nullopt when absent, over 640 bytes or not hex text.
    std::optional<std::vector<std::uint8_t>> Frame(int k) const;

private:
    ProfileSnapshot snapshot_;
};

// "0042" for 42: the frame number part of the per-frame keys.
std::string FrameNumber(int k);

}  // namespace signlink
