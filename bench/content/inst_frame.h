#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bench/content/frame_build.h"

namespace content {

// An INST frame carries at most 251 data bytes: 33 of options, then alias and text.
inline constexpr int kMaxInstAliasAndText = 218;
inline constexpr int kMaxAliasBytes = 16;

// Everything the "Send Text" page chooses for one text program. Positions are the
// zero-based index of the chosen entry; -1 (nothing chosen) is sent as FF.
struct InstOptions {
    std::uint16_t signId = 0xFEFE;
    int programType = 0;  // CBSubCommand: 1 hiding, 2 append, anything else normal
    std::uint16_t startFileId = 0;
    std::uint16_t seconds = 0;       // ComboBox_Seconds: 0 for "Normal"
    std::string alias;               // GBK bytes; the first 16 are sent
    std::vector<std::uint8_t> text;  // the program bytes, braces already translated
    int colour = 0;
    std::uint16_t asianFont = 0x0210;
    std::uint16_t asciiFont = 0x0100;
    int stay = 0;
    int action = 0;
    bool holdFlash = false;  // the chosen action is named "HOLD_FLASH": 01 F4
    std::uint8_t background = 0x00;
    int speed = 0;
};

// The alias as sent: at most 16 bytes, never ending in half a double-byte character.
std::string SentAlias(std::string_view gbkAlias);

// The INST FrameText, every byte between the markers escaped. Refused when alias
// and text together exceed 218 bytes.
FrameBuild BuildInstFrame(const InstOptions& options);

// The byte of a CBBackColor entry: its third and fourth characters as hex ("0x10: ...").
std::uint8_t BackgroundByte(std::string_view entry);
// ComboBox_Seconds: "Normal" is 0, a number is itself; nullopt for other text.
std::optional<std::uint16_t> SecondsValue(std::string_view entry);

// The entries of CBBackColor and ComboBox_Seconds, in order.
std::vector<std::string> BackgroundEntries();
std::vector<std::string> SecondsEntries();

}  // namespace content
