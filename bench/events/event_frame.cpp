#include "bench/events/event_frame.h"

#include "protocol/wire_frame.h"

namespace events {
namespace {

std::uint8_t Low(long long value) { return static_cast<std::uint8_t>(value & 0xFF); }

std::uint8_t High(long long value) { return static_cast<std::uint8_t>((value >> 8) & 0xFF); }

std::vector<std::uint8_t> AreaThen(const Area& area, std::initializer_list<std::uint8_t> tail)
{
    const auto bytes = AreaBytes(area);
    std::vector<std::uint8_t> payload;
    payload.reserve(bytes.size() + tail.size());
    for (std::uint8_t b : bytes) payload.push_back(b);
    for (std::uint8_t b : tail) payload.push_back(b);
    return payload;
}

}  // namespace

std::optional<std::string> EventFrameText(std::uint16_t signId, const EventCommand& command)
{
    if (command.payload.size() > kMaxEventPayload) return std::nullopt;
    std::vector<std::uint8_t> data{command.sub, static_cast<std::uint8_t>(command.payload.size())};
    data.insert(data.end(), command.payload.begin(), command.payload.end());
    return protocol::BenchFrameText(signId, "EVEN", data);
}

std::uint8_t PositionByte(int position) { return position < 0 ? 0xFF : static_cast<std::uint8_t>(position); }

std::array<std::uint8_t, 6> AreaBytes(const Area& area)
{
    return {Low(area.x), High(area.x), Low(area.width), High(area.width), Low(area.y), Low(area.height)};
}

std::uint8_t WindowMask(const std::array<bool, 7>& ticked)
{
    std::uint8_t mask = 0x80;
    for (std::size_t i = 0; i < ticked.size(); ++i) {
        if (ticked[i]) mask |= static_cast<std::uint8_t>(1u << i);
    }
    return mask;
}

std::array<std::uint8_t, 20> WindowHeaderBytes(const WindowHeader& header)
{
    const auto area = AreaBytes(header.area);
    return {header.window,
            area[0],
            area[1],
            area[2],
            area[3],
            area[4],
            area[5],
            header.action,
            header.speed,
            header.stay,
            header.times,
            header.sendTo,
            static_cast<std::uint8_t>(header.multiLines ? 1 : 0),
            header.align,
            header.color,
            0x00,
            High(header.word16),
            Low(header.word16),
            High(header.word18),
            Low(header.word18)};
}

EventCommand ExitEvent() { return {0x00, {}}; }

EventCommand InitialEvent() { return {0x01, {0x04, 0x00}}; }

EventCommand StartEventAt(int startFileId) { return {0x01, {High(startFileId), Low(startFileId)}}; }

EventCommand ClearScreen(const Area& area, int memory)
{
    return {0x02, AreaThen(area, {PositionByte(memory)})};
}

EventCommand ActionFromMemB(const Area& area, int action)
{
    return {0x03, AreaThen(area, {0x00, PositionByte(action)})};
}

EventCommand MoveLines(long long lines, bool black, bool down)
{
    return {0x04,
            {Low(lines), static_cast<std::uint8_t>(black ? 1 : 0), static_cast<std::uint8_t>(down ? 1 : 0)}};
}

EventCommand Flash(const Area& area, bool flashing)
{
    return {0x05, AreaThen(area, {0x00, static_cast<std::uint8_t>(flashing ? 1 : 0)})};
}

std::optional<EventCommand> TextOut(const WindowHeader& header, std::span<const std::uint8_t> text)
{
    if (text.size() > kMaxEventText) return std::nullopt;
    const auto head = WindowHeaderBytes(header);
    EventCommand command{0x06, std::vector<std::uint8_t>(head.begin(), head.end())};
    command.payload.insert(command.payload.end(), text.begin(), text.end());
    return command;
}

EventCommand StartWindows(std::uint8_t mask) { return {0x07, {mask, 0x00}}; }

EventCommand ClearBuffers(std::uint8_t mask) { return {0x08, {mask}}; }

EventCommand SendLink(WindowHeader header, int fileId)
{
    header.word16 = static_cast<std::uint16_t>(fileId);
    header.word18 = 0;
    const auto head = WindowHeaderBytes(header);
    return {0x09, std::vector<std::uint8_t>(head.begin(), head.end())};
}

}  // namespace events
