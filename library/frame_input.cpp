#include "library/frame_input.h"

#include <cstdio>

#include "library/library_files.h"

namespace signlink {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool IsSeparator(char c) { return c == ' ' || c == '\r' || c == '\n'; }

}  // namespace

std::string FrameNumber(int k)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d", k);
    return text;
}

std::optional<std::vector<std::uint8_t>> DataTextToBytes(std::string_view text, std::size_t maxBytes)
{
    std::vector<std::uint8_t> out;
    std::size_t at = 0;
    while (out.size() < maxBytes && at < text.size()) {
        const char c = text[at];
        if (IsSeparator(c)) {
            ++at;
            continue;
        }
        const int high = HexDigit(c);
        if (high < 0) return std::nullopt;
        if (at + 1 >= text.size()) break;  // a lone digit at the very end
        const char next = text[at + 1];
        if (IsSeparator(next)) {
            out.push_back(static_cast<std::uint8_t>(high));
            at += 2;
            continue;
        }
        const int low = HexDigit(next);
        if (low < 0) return std::nullopt;
        out.push_back(static_cast<std::uint8_t>(high * 16 + low));
        at += 2;
    }
    return out;
}

std::optional<int> FrameInput::Count() const
{
    const auto count = snapshot_.Int(kOutput, kKeyFrames);
    if (!count || *count < 0 || *count > kMaxFrames) return std::nullopt;
    return static_cast<int>(*count);
}

std::optional<std::vector<std::uint8_t>> FrameInput::Frame(int k) const
{
    const std::string number = FrameNumber(k);
    const auto length = snapshot_.Int(kOutput, number + "_LONG");
    const auto data = snapshot_.Text(kOutput, number + "_DATA");
    if (!length || !data || *length < 0 || *length > kMaxSendContent) return std::nullopt;
    return DataTextToBytes(*data, static_cast<std::size_t>(*length));
}

}  // namespace signlink
