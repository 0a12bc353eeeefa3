#include "bench/device/device_replies.h"

#include <array>
#include <cstdio>

namespace device {
namespace {

bool HasFrame(std::span<const std::uint8_t> reply, int count)
{
    return count > 0 && !reply.empty() && reply[0] == 0x7E;
}

// The text at an offset up to its first zero byte and at most `most` characters.
std::string CutText(std::span<const std::uint8_t> reply, std::size_t offset, std::size_t most)
{
    std::string text;
    for (std::size_t i = offset; i < reply.size() && i < offset + most && reply[i] != 0; ++i)
        text += static_cast<char>(reply[i]);
    return text;
}

std::string Trim(const std::string& text)
{
    // Blanks and control characters, as the window's trim does.
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return text.substr(begin, end - begin);
}

std::uint16_t Word(std::span<const std::uint8_t> reply, std::size_t offset)
{
    if (offset + 1 >= reply.size()) return 0;
    return static_cast<std::uint16_t>(reply[offset] | (reply[offset + 1] << 8));
}

constexpr std::array<int, 15> kNewKeypad{154, 16, 27, 21, 37, 46, 62, 76, 88, 98, 113, 128, 138, 149, 171};
constexpr std::array<int, 15> kOldKeypad{170, 7, 13, 19, 24, 34, 42, 59, 73, 85, 96, 111, 126, 137, 147};

}  // namespace

std::optional<bool> PowerStateFromReply(std::span<const std::uint8_t> reply, int count)
{
    if (!HasFrame(reply, count) || reply.size() <= 11) return std::nullopt;
    return reply[11] == 0x01;
}

std::optional<std::string> VersionFromReply(std::span<const std::uint8_t> reply, int count)
{
    if (!HasFrame(reply, count)) return std::nullopt;
    const std::string arm = CutText(reply, 16, 16);
    const std::string sub = CutText(reply, 32, 8);
    const std::string avr = CutText(reply, 40, 8);
    const std::string name = CutText(reply, 82, 16);
    return Trim("[ARM]: " + arm + "   [AVR]: " + avr + "   [SUB]: " + sub + "   [NAME]: " + name);
}

std::optional<AdcReadings> AdcFromReply(std::span<const std::uint8_t> reply, int count)
{
    if (count <= 0) return std::nullopt;
    return AdcReadings{Word(reply, 11), Word(reply, 13), Word(reply, 15)};
}

int KeypadKey(std::uint16_t a1, bool newKeypad)
{
    const double x = a1 * 0.25;
    const auto& row = newKeypad ? kNewKeypad : kOldKeypad;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (row[i] - 2 <= x && x <= row[i] + 2) return static_cast<int>(i) + 1;
    }
    return 0;
}

std::string VoltageText(const AdcReadings& readings)
{
    // Counts times 5 mV, in hundredths of a volt, so no float rounding is involved.
    auto volts = [](std::uint16_t counts) {
        const unsigned hundredths = counts / 2u + (counts % 2u);  // 0.005 V, rounded half up
        char text[16];
        std::snprintf(text, sizeof text, "%u.%02u", hundredths / 100, hundredths % 100);
        return std::string(text);
    };
    return volts(readings.a1) + "V  " + volts(readings.a2) + "V  " + volts(readings.a3) + "V ";
}

}  // namespace device
