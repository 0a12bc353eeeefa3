#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "bench/content/frame_build.h"

namespace content {

// A variable string rides in one frame with its number and length: 249 bytes at most.
inline constexpr int kMaxVariableBytes = 249;
inline constexpr int kRamVariableCount = 8;
inline constexpr int kFlashVariableCount = 128;
inline constexpr std::uint32_t kFlashVariableBase = 0xA000;
inline constexpr std::uint32_t kFlashVariableStride = 32;
inline constexpr std::uint32_t kPresetBase = 0xB400;
inline constexpr std::uint32_t kPresetStride = 64;
inline constexpr std::uint8_t kRamMemoryBase = 0x10;

struct VariableOptions {
    std::uint16_t signId = 0xFEFE;
    bool flash = false;  // VROM into flash, else VRAM
    int number = 0;      // position of CBVarID, -1 sent as FF
    std::vector<std::uint8_t> bytes;
};

// VRAM or VROM; refused when the string exceeds 249 bytes.
FrameBuild BuildVariableFrame(const VariableOptions& options);

// CBVarID's entries for the chosen variable type.
std::vector<std::string> VariableIdEntries(bool flash);

// Flash variable i lies at 0xA000 + 32 i.
std::uint32_t FlashVariableAddress(int number);
// The address presets: slot 6 x forecourt + window (a group without a choice is 0),
// at 0xB400 + 64 x slot.
std::uint32_t PresetAddress(int forecourt, int window);

// RGMredMode's entries; the memory byte of MRED: the mode's position for Flash,
// Com1, Com2, Com5, and for "RAM" (position 4) 0x10 + the RAM variable's position.
std::vector<std::string> MredModeEntries();
std::uint8_t MredMemoryByte(int modePosition, int variablePosition);

struct MredOptions {
    std::uint16_t signId = 0xFEFE;
    std::uint8_t memory = 0;
    std::uint32_t address = 0;  // its three low bytes are sent
    int count = 0;              // sent as one byte (count mod 256)
};
FrameBuild BuildMredFrame(const MredOptions& options);

// The MRED reply's text bytes: from offset 14, at most count, ending at a 00 byte
// or at the end of the reply's data. nullopt without a reply or with a bad status.
std::optional<std::string> DecodeMredReply(std::span<const std::uint8_t> buffer, int result, int count);

// MWRD fill: the 32-bit address, then eight FF bytes.
FrameBuild BuildFillFrame(std::uint16_t signId, std::uint32_t address);

}  // namespace content
