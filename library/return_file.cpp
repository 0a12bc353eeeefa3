#include "library/return_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <utility>

#include "library/command_builder.h"
#include "library/frame_input.h"
#include "library/library_files.h"
#include "library/profile_snapshot.h"
#include "platform/profile.h"
#include "protocol/frame_text.h"

namespace signlink {
namespace {

constexpr std::size_t kCounterWidth = 11;  // "-2147483648"

bool WriteAllAt(int fd, const char* data, std::size_t size, long long at)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, static_cast<off_t>(at));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
        at += n;
    }
    return true;
}

int ClampToInt(long long value)
{
    if (value < INT_MIN) return INT_MIN;
    if (value > INT_MAX) return INT_MAX;
    return static_cast<int>(value);
}

int HalfByte(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u > '9' ? u - 7 : u;
}

}  // namespace

std::string FixedWidthValue(int value)
{
    std::string text = std::to_string(value);
    if (text.size() < kCounterWidth) text.append(kCounterWidth - text.size(), ' ');
    return text;
}

std::optional<ReturnFileWriter> ReturnFileWriter::Begin(const std::string& path, int frames)
{
    const std::string head = "[" + std::string(kOutput) + "]\n";
    const std::string errorNo = std::string(kKeyErrorNo) + "=";
    const std::string endFlag = std::string(kKeyEndFlag) + "=";
    const std::string section = head + errorNo + FixedWidthValue(0) + "\n" + endFlag + FixedWidthValue(0) +
                                "\n" + std::string(kKeyFramesTotal) + "=" + std::to_string(frames) + "\n";
    const std::string old = platform::ReadWholeFile(path).value_or(std::string());
    const std::string content = ReplaceOutputSection(old, section);
    if (!platform::WriteFileAtomically(path, content)) return std::nullopt;

    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    const long long sectionAt = static_cast<long long>(content.size() - section.size());
    const long long errorNoAt = sectionAt + static_cast<long long>(head.size() + errorNo.size());
    const long long endFlagAt = errorNoAt + static_cast<long long>(kCounterWidth + 1 + endFlag.size());
    return ReturnFileWriter(fd, static_cast<long long>(content.size()), errorNoAt, endFlagAt);
}

ReturnFileWriter::ReturnFileWriter(int fd, long long end, long long errorNoAt, long long endFlagAt)
    : fd_(fd), end_(end), errorNoAt_(errorNoAt), endFlagAt_(endFlagAt)
{
}

ReturnFileWriter::ReturnFileWriter(ReturnFileWriter&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      end_(other.end_),
      errorNoAt_(other.errorNoAt_),
      endFlagAt_(other.endFlagAt_),
      sendingAt_(other.sendingAt_),
      successAt_(other.successAt_)
{
}

ReturnFileWriter::~ReturnFileWriter()
{
    if (fd_ >= 0) ::close(fd_);
}

bool ReturnFileWriter::Append(const std::string& text)
{
    if (!WriteAllAt(fd_, text.data(), text.size(), end_)) return false;
    end_ += static_cast<long long>(text.size());
    return true;
}

bool ReturnFileWriter::Overwrite(long long at, int value)
{
    const std::string text = FixedWidthValue(value);
    return WriteAllAt(fd_, text.data(), text.size(), at);
}

bool ReturnFileWriter::SetSending(int framePlusOne)
{
    if (sendingAt_ >= 0) return Overwrite(sendingAt_, framePlusOne);
    const std::string key = std::string(kKeyFramesSending) + "=";
    const long long at = end_ + static_cast<long long>(key.size());
    if (!Append(key + FixedWidthValue(framePlusOne) + "\n")) return false;
    sendingAt_ = at;
    return true;
}

bool ReturnFileWriter::StoreReply(int frame, std::span<const std::uint8_t> reply)
{
    const std::string number = FrameNumber(frame);
    std::string text = number + "_LONG=" + std::to_string(reply.size()) + "\n" + number +
                       "_DATA=" + protocol::HexText(reply) + "\n";
    if (successAt_ >= 0) {
        // The reply is on disk before the counter that announces it.
        return Append(text) && Overwrite(successAt_, frame + 1);
    }
    const std::string key = std::string(kKeyFramesSuccess) + "=";
    const long long at = end_ + static_cast<long long>(text.size() + key.size());
    text += key + FixedWidthValue(frame + 1) + "\n";
    if (!Append(text)) return false;
    successAt_ = at;
    return true;
}

bool ReturnFileWriter::SetErrorNo(int code) { return Overwrite(errorNoAt_, code); }

bool ReturnFileWriter::SetEndFlag(int flag) { return Overwrite(endFlagAt_, flag); }

ReturnValue ReadReturnValue(const std::string& path, int frame, std::size_t maxBytes)
{
    const ProfileSnapshot file = ProfileSnapshot::Load(path);
    ReturnValue result;
    result.frames = ClampToInt(file.Int(kOutput, kKeyFramesTotal).value_or(0));
    result.framesSuccess = ClampToInt(file.Int(kOutput, kKeyFramesSuccess).value_or(0));
    if (frame < 0 || frame >= kMaxFrames) return result;

    const std::string number = FrameNumber(frame);
    const long long stored = file.Int(kOutput, number + "_LONG").value_or(0);
    const std::string text = file.Text(kOutput, number + "_DATA").value_or(std::string());
    if (stored <= 0) return result;
    std::size_t count = std::min(static_cast<std::size_t>(stored), maxBytes);
    count = std::min(count, (text.size() + 1) / 3);  // byte i needs characters 3i and 3i + 1
    result.reply.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const int high = HalfByte(text[3 * i]);
        const int low = HalfByte(text[3 * i + 1]) & 0x0F;
        result.reply.push_back(static_cast<std::uint8_t>((high * 16 + low) & 0xFF));
    }
    return result;
}

}  // namespace signlink
