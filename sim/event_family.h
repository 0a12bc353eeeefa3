#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "sim/command_family.h"

namespace sim {

// EVEN: the sign's event mode with up to seven text windows, each holding a text or
// a link to a stored program, and the screen operations on areas of its memories.
class EventFamily : public CommandFamily {
public:
    static constexpr std::uint8_t kStatusRejected = 0x01;
    static constexpr std::size_t kWindows = 7;

    struct Area {
        int x = 0;
        int width = 0;  // 0: the screen's width
        int y = 0;
        int height = 0;  // 0: the screen's height
        bool operator==(const Area&) const = default;
    };

    struct Window {
        bool defined = false;
        Area area;
        std::vector<std::uint8_t> options;  // header bytes 7 to 15: action ... colour
        std::uint16_t asciiFont = 0;
        std::uint16_t asianFont = 0;
        std::vector<std::uint8_t> text;  // the converted text, brace codes included
        std::optional<std::uint16_t> linkedFileId;
        bool started = false;  // brought to the front by "start windows"
    };

    // The last screen operation of each kind, as the display would show it.
    struct Screen {
        std::optional<std::pair<Area, int>> cleared;  // area and memory (0 A, 1 B, 2 A+B)
        std::optional<std::pair<Area, int>> action;   // area and action position
        std::optional<std::array<int, 3>> moved;      // lines, black, down
        std::optional<std::pair<Area, bool>> flash;   // area and flashing
        std::vector<std::uint8_t> directText;         // the last text in RAM directory mode
        std::optional<Area> directArea;
    };

    std::optional<Reply> Handle(const Request& request) override;

    bool InEventMode() const { return eventMode_; }
    // The file id "Event" started with; nullopt after the plain initial status.
    std::optional<std::uint16_t> StartFileId() const { return startFileId_; }
    const Window& WindowAt(int number) const { return windows_.at(static_cast<std::size_t>(number - 1)); }
    const Screen& ScreenState() const { return screen_; }

private:
    static Area AreaAt(const std::vector<std::uint8_t>& payload, std::size_t at);
    Reply Ack(std::uint8_t status = 0x00) const { return Reply{{status}}; }
    Reply Header(std::uint8_t sub, const std::vector<std::uint8_t>& payload);

    bool eventMode_ = false;
    std::optional<std::uint16_t> startFileId_;
    std::array<Window, kWindows> windows_;
    Screen screen_;
};

}  // namespace sim
