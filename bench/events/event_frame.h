#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace events {

// The EVEN frame: "7E 01 ", id, "00 ", m + 6, "45 56 45 4E ", sub-command, m, the m
// payload bytes, "FF FF 7E 00 ", with every byte after the start marker escaped.
inline constexpr std::size_t kMaxEventPayload = 249;

struct EventCommand {
    std::uint8_t sub = 0;
    std::vector<std::uint8_t> payload;
};

// nullopt when the payload is longer than 249 bytes: the length byte could not
// hold it, so such a frame is never built.
std::optional<std::string> EventFrameText(std::uint16_t signId, const EventCommand& command);

// The zero-based position of a box or radio group as a byte; nothing chosen gives FF.
std::uint8_t PositionByte(int position);

// An area of the screen. On the wire: X and Width 16 bits low byte first, then the
// low bytes of Y and Height. Width 0 and Height 0 stand for the whole screen.
struct Area {
    long long x = 0;
    long long width = 0;
    long long y = 0;
    long long height = 0;
};
std::array<std::uint8_t, 6> AreaBytes(const Area& area);

// Bit i set for each ticked window i + 1 of seven; bit 7 is always set.
std::uint8_t WindowMask(const std::array<bool, 7>& ticked);

// The 20-byte header of "06: Send Text" and "9: Send Link". The two words at 16 and
// 18 are the ASCII and Asian font codes for text, the file id and 0 for a link.
struct WindowHeader {
    std::uint8_t window = 1;  // 1..7 in window mode, 0 in RAM directory mode
    Area area;
    std::uint8_t action = 0;  // action position, or the memory in RAM directory mode
    std::uint8_t speed = 0;
    std::uint8_t stay = 0;
    std::uint8_t times = 0;
    std::uint8_t sendTo = 0;
    bool multiLines = false;
    std::uint8_t align = 0;
    std::uint8_t color = 0;
    std::uint16_t word16 = 0;
    std::uint16_t word18 = 0;
};
std::array<std::uint8_t, 20> WindowHeaderBytes(const WindowHeader& header);

// The sub-commands, one builder each.
EventCommand ExitEvent();                                        // 00
EventCommand InitialEvent();                                     // 01: 04 00
EventCommand StartEventAt(int startFileId);                      // 01: the file id, high byte first
EventCommand ClearScreen(const Area& area, int memory);          // 02
EventCommand ActionFromMemB(const Area& area, int action);       // 03
EventCommand MoveLines(long long lines, bool black, bool down);  // 04
EventCommand Flash(const Area& area, bool flashing);             // 05
// 06; nullopt when the converted text is longer than 229 bytes.
inline constexpr std::size_t kMaxEventText = 229;
std::optional<EventCommand> TextOut(const WindowHeader& header, std::span<const std::uint8_t> text);
EventCommand StartWindows(std::uint8_t mask);            // 07
EventCommand ClearBuffers(std::uint8_t mask);            // 08
EventCommand SendLink(WindowHeader header, int fileId);  // 09

}  // namespace events
