#include "bench/content/variable_frames.h"

#include "bench/content/reply_fields.h"
#include "protocol/wire_frame.h"

namespace content {

FrameBuild BuildVariableFrame(const VariableOptions& options)
{
    const int n = static_cast<int>(options.bytes.size());
    if (n > kMaxVariableBytes) {
        return {{},
                std::string(options.flash ? "VROM" : "VRAM") + ": variable string holds " +
                    std::to_string(n) + " bytes, too long by " + std::to_string(n - kMaxVariableBytes) +
                    " (a frame carries at most " + std::to_string(kMaxVariableBytes) + ")"};
    }
    std::vector<std::uint8_t> data;
    data.push_back(options.number < 0 ? 0xFF : static_cast<std::uint8_t>(options.number));
    data.push_back(static_cast<std::uint8_t>(n));
    data.insert(data.end(), options.bytes.begin(), options.bytes.end());
    return {*protocol::BenchFrameText(options.signId, options.flash ? "VROM" : "VRAM", data), {}};
}

std::vector<std::string> VariableIdEntries(bool flash)
{
    std::vector<std::string> entries;
    const int count = flash ? kFlashVariableCount : kRamVariableCount;
    for (int i = 0; i < count; ++i) entries.push_back((flash ? "Var-ROM " : "Var-RAM ") + std::to_string(i));
    return entries;
}

std::uint32_t FlashVariableAddress(int number)
{
    return kFlashVariableBase + kFlashVariableStride * static_cast<std::uint32_t>(number);
}

std::uint32_t PresetAddress(int forecourt, int window)
{
    const int slot = 6 * (forecourt < 0 ? 0 : forecourt) + (window < 0 ? 0 : window);
    return kPresetBase + kPresetStride * static_cast<std::uint32_t>(slot);
}

std::vector<std::string> MredModeEntries() { return {"Flash", "Com1", "Com2", "Com5", "RAM"}; }

std::uint8_t MredMemoryByte(int modePosition, int variablePosition)
{
    if (modePosition == 4) return static_cast<std::uint8_t>(kRamMemoryBase + variablePosition);
    return modePosition < 0 ? 0xFF : static_cast<std::uint8_t>(modePosition);
}

FrameBuild BuildMredFrame(const MredOptions& options)
{
    const std::uint8_t data[] = {options.memory,
                                 static_cast<std::uint8_t>(options.address >> 16),
                                 static_cast<std::uint8_t>(options.address >> 8),
                                 static_cast<std::uint8_t>(options.address),
                                 0x00,
                                 static_cast<std::uint8_t>(options.count)};
    return {*protocol::BenchFrameText(options.signId, "MRED", data), {}};
}

std::optional<std::string> DecodeMredReply(std::span<const std::uint8_t> buffer, int result, int count)
{
    const ReplyView reply(buffer, result);
    if (reply.State() != ReplyState::Ok) return std::nullopt;
    std::string text;
    for (std::size_t i = 14; i < reply.DataEnd() && static_cast<int>(text.size()) < count; ++i) {
        if (reply.At(i) == 0x00) break;
        text.push_back(static_cast<char>(reply.At(i)));
    }
    return text;
}

FrameBuild BuildFillFrame(std::uint16_t signId, std::uint32_t address)
{
    const std::uint8_t data[] = {static_cast<std::uint8_t>(address >> 24),
                                 static_cast<std::uint8_t>(address >> 16),
                                 static_cast<std::uint8_t>(address >> 8),
                                 static_cast<std::uint8_t>(address),
                                 0xFF,
                                 0xFF,
                                 0xFF,
                                 0xFF,
                                 0xFF,
                                 0xFF,
                                 0xFF,
                                 0xFF};
    return {*protocol::BenchFrameText(signId, "MWRD", data), {}};
}

}  // namespace content
