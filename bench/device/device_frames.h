#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace device {

// The maintenance frames of the "Setup" page. BRIG, BAUD, PWON, STID, UPDT and
// GADC always go to the all-signs id FE FE; QVER and BEEP carry the sign id.

// BRIG: 04, then 00 and the manual level (item index of the level list, FF when
// none is chosen) or 01 and 00 for automatic, then thirteen 00.
std::string BrightnessFrameText(bool manual, int levelIndex);

// BAUD: speed code 30 + rate / 9600 (57600 -> 36), then the reply delay in ms.
std::string BaudFrameText(int baudRate, int replyDelayMs);

// The reply delay of a "Return Delay ms" item: 0 for "0: Default Slow", otherwise
// the item's number. nullopt for an item that is not a number.
std::optional<int> ReplyDelayOfItem(std::string_view item);

// PWON: the byte at offset 10 says what to do; the six bytes after it are 00.
enum class PowerAction : std::uint8_t { Query = 0x00, On = 0x02, Off = 0x03 };
std::string PowerFrameText(PowerAction action);

// STID: data byte 11 shows the id on the display, 10 leaves the id display.
std::string ShowIdFrameText(bool show);

// UPDT without data: the sign enters firmware update mode.
std::string UpdateFrameText();
// The two raw bytes "a2" that leave update mode, sent without any frame around them.
inline constexpr std::string_view kUpdateExitText = "61 32 ";

std::string VersionFrameText(std::uint16_t signId);
std::string AdcFrameText();

// BEEP: mode (0 beep for a time, 1 turn on, 2 turn off, 3 return the state), then
// for mode 0 the time in ms from the text before the ":" of the chosen time item,
// else 00. nullopt when mode 0's item has no ":" or no number before it: nothing
// is sent then.
std::optional<std::string> BeepFrameText(std::uint16_t signId, int mode, std::string_view timeItem);

}  // namespace device
