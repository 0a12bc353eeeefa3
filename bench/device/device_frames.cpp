#include "bench/device/device_frames.h"

#include <array>
#include <vector>

#include "bench/fields/integer_field.h"
#include "protocol/wire_frame.h"

namespace device {
namespace {

std::uint8_t PositionByte(int index) { return index < 0 ? 0xFF : static_cast<std::uint8_t>(index); }

std::string AllSignsFrame(std::string_view command, std::span<const std::uint8_t> data)
{
    return *protocol::BenchFrameText(protocol::kAllSignsId, command, data);
}

}  // namespace

std::string BrightnessFrameText(bool manual, int levelIndex)
{
    std::array<std::uint8_t, 16> data{};
    data[0] = 0x04;
    data[1] = manual ? 0x00 : 0x01;
    data[2] = manual ? PositionByte(levelIndex) : 0x00;
    return AllSignsFrame("BRIG", data);
}

std::string BaudFrameText(int baudRate, int replyDelayMs)
{
    const std::array<std::uint8_t, 2> data{static_cast<std::uint8_t>(0x30 + baudRate / 9600),
                                           static_cast<std::uint8_t>(replyDelayMs)};
    return AllSignsFrame("BAUD", data);
}

std::optional<int> ReplyDelayOfItem(std::string_view item)
{
    const std::size_t colon = item.find(':');
    if (colon != std::string_view::npos) return 0;  // "0: Default Slow"
    const fields::IntegerField field = fields::ParseIntegerField(item);
    if (!field.value) return std::nullopt;
    return static_cast<int>(*field.value);
}

std::string PowerFrameText(PowerAction action)
{
    const std::array<std::uint8_t, 7> data{static_cast<std::uint8_t>(action), 0, 0, 0, 0, 0, 0};
    return AllSignsFrame("PWON", data);
}

std::string ShowIdFrameText(bool show)
{
    const std::array<std::uint8_t, 1> data{static_cast<std::uint8_t>(show ? 0x11 : 0x10)};
    return AllSignsFrame("STID", data);
}

std::string UpdateFrameText() { return AllSignsFrame("UPDT", {}); }

std::string VersionFrameText(std::uint16_t signId) { return *protocol::BenchFrameText(signId, "QVER", {}); }

std::string AdcFrameText() { return AllSignsFrame("GADC", {}); }

std::optional<std::string> BeepFrameText(std::uint16_t signId, int mode, std::string_view timeItem)
{
    std::uint8_t time = 0;
    if (mode == 0) {
        const std::size_t colon = timeItem.find(':');
        if (colon == std::string_view::npos) return std::nullopt;
        const fields::IntegerField field = fields::ParseIntegerField(timeItem.substr(0, colon));
        if (!field.value) return std::nullopt;
        time = static_cast<std::uint8_t>(*field.value);
    }
    const std::array<std::uint8_t, 2> data{PositionByte(mode), time};
    return *protocol::BenchFrameText(signId, "BEEP", data);
}

}  // namespace device
