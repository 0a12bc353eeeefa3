#include "library/param_value.h"

namespace signlink {
namespace {

constexpr int kOpenEndedBytes = 1024;

}  // namespace

int DigitValue(unsigned char c)
{
    if (c >= 'a') return (c - 87) & 0x0F;
    if (c >= 'A') return (c - 55) & 0x0F;
    return c & 0x0F;
}

std::string FrameParamPrefix(int n)
{
    return std::string{'P', static_cast<char>(48 + n / 16), static_cast<char>(48 + n % 16)};
}

std::string SetParamPrefix(int n)
{
    return std::string{'P', static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

std::vector<std::uint8_t> LeftAlignedBytes(std::string_view value, int byteCount)
{
    const bool openEnded = byteCount == 0;
    const std::size_t wanted = openEnded ? kOpenEndedBytes : static_cast<std::size_t>(byteCount);
    std::vector<std::uint8_t> out;
    std::size_t at = 0;
    auto next = [&](char whenNone) { return at < value.size() ? value[at++] : whenNone; };
    while (out.size() < wanted) {
        char c1 = next('\0');
        while (c1 == ' ' && at < value.size()) c1 = next('\0');
        if (c1 == ' ') c1 = '\0';
        const char c2 = next(' ');
        const int byte = c2 == ' ' ? DigitValue(static_cast<unsigned char>(c1))
                                   : DigitValue(static_cast<unsigned char>(c1)) * 16 +
                                         DigitValue(static_cast<unsigned char>(c2));
        out.push_back(static_cast<std::uint8_t>(byte));
        if (openEnded && at >= value.size()) break;
    }
    return out;
}

std::vector<std::uint8_t> RightAlignedBytes(std::string_view value, int byteCount)
{
    const bool openEnded = byteCount == 0;
    const std::size_t wanted = openEnded ? kOpenEndedBytes : static_cast<std::size_t>(byteCount);
    std::vector<std::uint8_t> reversed;
    std::size_t left = value.size();  // characters not yet taken
    auto previous = [&]() { return left > 0 ? value[--left] : '0'; };
    while (reversed.size() < wanted) {
        char c1 = previous();
        while (c1 == ' ' && left > 0) c1 = previous();
        if (c1 == ' ') c1 = '0';
        const char c2 = previous();
        const int byte = c2 == ' ' ? DigitValue(static_cast<unsigned char>(c1))
                                   : DigitValue(static_cast<unsigned char>(c2)) * 16 +
                                         DigitValue(static_cast<unsigned char>(c1));
        reversed.push_back(static_cast<std::uint8_t>(byte));
        if (openEnded && left == 0) break;
    }
    return {reversed.rbegin(), reversed.rend()};
}

bool IsHexText(std::string_view value)
{
    for (char c : value) {
        const bool hex = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        if (!hex && c != ' ') return false;
    }
    return true;
}

}  // namespace signlink
