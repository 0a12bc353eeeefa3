#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "sim/command_family.h"

namespace sim {

// What the reader found in the byte stream of one source.
struct ReaderEvent {
    enum class Kind {
        Frame,      // a well-formed frame: `request` is filled
        BadLength,  // length field does not match the bytes, or the frame is far too long
        BadEscape,  // 7D directly before the closing 7E
        BadCheck,   // check field is neither FF FF nor FrameCheckSum
        BadEnd,     // the 7E after the body was not followed by 00, or the source closed mid-frame
        Unframed,   // bytes outside any frame
    };
    Kind kind = Kind::Frame;
    std::vector<std::uint8_t> raw;  // the bytes as received, markers and escapes included
    Request request;
};

// Takes the frames of one byte stream (a TCP connection or the pty) apart. A frame
// starts with 7E and a second byte 00-0F, runs to the next 7E, and that 7E must be
// followed by 00. Bytes outside frames are collected and reported as Unframed when
// the next frame starts or when the owner calls FlushUnframed after a quiet gap.
class FrameReader {
public:
    // No frame may grow past this many raw bytes: the 16-bit length escaped twice over.
    static constexpr std::size_t kMaxRawFrame = 4 + 2 * (65535 + 6) + 2;

    std::vector<ReaderEvent> Feed(std::span<const std::uint8_t> bytes);
    // Reports the bytes collected outside frames (a lone 7E still waiting for its
    // second byte included).
    std::vector<ReaderEvent> FlushUnframed();
    // The source is gone: reports pending unframed bytes and a frame cut off midway.
    std::vector<ReaderEvent> Finish();
    // True while bytes outside frames wait to be reported.
    bool HasPendingUnframed() const;

private:
    enum class State { Outside, AfterStart, InFrame, AfterEscape, AfterEnd };

    void Step(std::uint8_t byte, std::vector<ReaderEvent>& events);
    void EmitUnframed(std::vector<ReaderEvent>& events);
    void CompleteFrame(std::vector<ReaderEvent>& events);

    State state_ = State::Outside;
    std::vector<std::uint8_t> unframed_;
    std::vector<std::uint8_t> raw_;   // the frame so far, as received
    std::vector<std::uint8_t> body_;  // the frame so far, escapes undone, markers left out
    bool badEscape_ = false;
};

}  // namespace sim
