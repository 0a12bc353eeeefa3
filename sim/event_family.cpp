#include "sim/event_family.h"

namespace sim {
namespace {

// The payload length each sub-command takes; 06 is the header plus its text.
constexpr std::size_t kHeaderBytes = 20;
constexpr std::uint16_t kInitialStatus = 0x0400;  // "01" with 04 00: no start program

std::uint16_t WordHighFirst(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

}  // namespace

EventFamily::Area EventFamily::AreaAt(const std::vector<std::uint8_t>& payload, std::size_t at)
{
    return {payload[at] | payload[at + 1] << 8, payload[at + 2] | payload[at + 3] << 8, payload[at + 4],
            payload[at + 5]};
}

std::optional<Reply> EventFamily::Handle(const Request& request)
{
    if (request.command != "EVEN") return std::nullopt;
    const std::vector<std::uint8_t>& data = request.data;
    // Sub-command, m, then exactly m payload bytes.
    if (data.size() < 2 || data[1] != data.size() - 2) return Ack(kStatusRejected);
    const std::uint8_t sub = data[0];
    const std::vector<std::uint8_t> payload(data.begin() + 2, data.end());
    const std::size_t m = payload.size();

    switch (sub) {
        case 0x00:
            if (m != 0) return Ack(kStatusRejected);
            eventMode_ = false;
            for (Window& window : windows_) window.started = false;
            return Ack();
        case 0x01: {
            if (m != 2) return Ack(kStatusRejected);
            const std::uint16_t value = WordHighFirst(payload, 0);
            if (value != kInitialStatus && value > 1023) return Ack(kStatusRejected);
            eventMode_ = true;
            windows_ = {};
            screen_ = {};
            startFileId_ = value == kInitialStatus ? std::nullopt : std::optional<std::uint16_t>(value);
            return Ack();
        }
        case 0x02:
            if (m != 7 || payload[6] > 2) return Ack(kStatusRejected);
            screen_.cleared = {{AreaAt(payload, 0), payload[6]}};
            return Ack();
        case 0x03:
            if (m != 8) return Ack(kStatusRejected);
            screen_.action = {{AreaAt(payload, 0), payload[7]}};
            return Ack();
        case 0x04:
            if (m != 3 || payload[1] > 1 || payload[2] > 1) return Ack(kStatusRejected);
            screen_.moved = std::array<int, 3>{payload[0], payload[1], payload[2]};
            return Ack();
        case 0x05:
            if (m != 8 || payload[7] > 1) return Ack(kStatusRejected);
            screen_.flash = {{AreaAt(payload, 0), payload[7] == 1}};
            return Ack();
        case 0x06:
        case 0x09:
            return Header(sub, payload);
        case 0x07:
        case 0x08: {
            if (m != (sub == 0x07 ? 2u : 1u)) return Ack(kStatusRejected);
            for (std::size_t i = 0; i < kWindows; ++i) {
                if (!(payload[0] & (1u << i))) continue;
                if (sub == 0x07) {
                    windows_[i].started = true;
                } else {
                    windows_[i].text.clear();
                    windows_[i].linkedFileId.reset();
                }
            }
            return Ack();
        }
        default:
            return Ack(kStatusRejected);
    }
}

Reply EventFamily::Header(std::uint8_t sub, const std::vector<std::uint8_t>& payload)
{
    if (payload.size() < kHeaderBytes || (sub == 0x09 && payload.size() != kHeaderBytes))
        return Ack(kStatusRejected);
    const std::uint8_t number = payload[0];
    if (number > kWindows) return Ack(kStatusRejected);
    const std::vector<std::uint8_t> text(payload.begin() + kHeaderBytes, payload.end());
    if (number == 0) {
        // RAM directory mode: written straight into the chosen memory.
        screen_.directArea = AreaAt(payload, 1);
        screen_.directText = text;
        return Ack();
    }
    Window& window = windows_[number - 1];
    window.defined = true;
    window.area = AreaAt(payload, 1);
    window.options.assign(payload.begin() + 7, payload.begin() + 16);
    if (sub == 0x06) {
        window.asciiFont = WordHighFirst(payload, 16);
        window.asianFont = WordHighFirst(payload, 18);
        window.text = text;
        window.linkedFileId.reset();
    } else {
        window.linkedFileId = WordHighFirst(payload, 16);
        window.text.clear();
    }
    return Ack();
}

}  // namespace sim
