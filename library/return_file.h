#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace signlink {

// Records a run in FrameReturn.dat so that another process can follow it: the start
// of the run is written as a whole file atomically; after that each step costs one
// write whatever the file's size. The changing counters are fixed-width values
// ("5" followed by blanks, read trimmed) rewritten in place; the replies are
// appended. Keys stay in the order of first writing, each present once.
class ReturnFileWriter {
public:
    // Replaces the [Output] section with ErrorNo = 0, EndFlag = 0, Frames = count;
    // nullopt when the file cannot be written.
    static std::optional<ReturnFileWriter> Begin(const std::string& path, int frames);

    ReturnFileWriter(ReturnFileWriter&& other) noexcept;
    ReturnFileWriter& operator=(ReturnFileWriter&& other) = delete;
    ReturnFileWriter(const ReturnFileWriter&) = delete;
    ReturnFileWriter& operator=(const ReturnFileWriter&) = delete;
    ~ReturnFileWriter();

    // Each returns false when the file could not be written.
    bool SetSending(int framePlusOne);
    bool StoreReply(int frame, std::span<const std::uint8_t> reply);
    bool SetErrorNo(int code);
    bool SetEndFlag(int flag);

private:
    ReturnFileWriter(int fd, long long end, long long errorNoAt, long long endFlagAt);
    bool Append(const std::string& text);
    bool Overwrite(long long at, int value);

    int fd_ = -1;
    long long end_ = 0;
    long long errorNoAt_ = -1;
    long long endFlagAt_ = -1;
    long long sendingAt_ = -1;
    long long successAt_ = -1;
};

// A counter as FrameReturn.dat keeps it: the decimal value padded with blanks to a
// fixed width, so it can be rewritten in place.
std::string FixedWidthValue(int value);

// What SF_GetReturnValue reads back for one frame.
struct ReturnValue {
    int frames = 0;         // Frames
    int framesSuccess = 0;  // FramesSuccess
    std::vector<std::uint8_t> reply;
};

// The stored reply of `frame`: at most min(its _LONG, maxBytes) bytes, and never more
// than its _DATA text holds; a negative or absent length gives none.
ReturnValue ReadReturnValue(const std::string& path, int frame, std::size_t maxBytes);

}  // namespace signlink
