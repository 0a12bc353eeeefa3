#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace device {

// The readers of the three query replies. `reply` is the whole reply buffer (its
// bytes past `count` are left from earlier replies, as the sign's fields may lie
// there too); `count` is the send path's result, 0 or below for no reply.

// PWON: true when offset 11 is 01. nullopt without a reply or when byte 0 is not
// 7E: the check box then keeps its state.
std::optional<bool> PowerStateFromReply(std::span<const std::uint8_t> reply, int count);

// QVER: "[ARM]: " ARM "   [AVR]: " AVR "   [SUB]: " SUB "   [NAME]: " NAME, trimmed;
// ARM at 16 (16 characters at most), SUB at 32 (8), AVR at 40 (8), NAME at 82 (16),
// each up to its first zero byte. nullopt without a reply or when byte 0 is not 7E.
std::optional<std::string> VersionFromReply(std::span<const std::uint8_t> reply, int count);

// GADC: three unsigned 16-bit readings, low byte first, at offsets 11, 13 and 15.
// nullopt without a reply (byte 0 is not tested).
struct AdcReadings {
    std::uint16_t a1 = 0;
    std::uint16_t a2 = 0;
    std::uint16_t a3 = 0;
};
std::optional<AdcReadings> AdcFromReply(std::span<const std::uint8_t> reply, int count);

// The keypad key (1 to 15) whose value t has t - 2 <= A1 / 4 <= t + 2, the first
// that matches, from the new resistor keypad's row or the old one's; 0 for none.
int KeypadKey(std::uint16_t a1, bool newKeypad);

// "V1V  V2V  V3V " with each reading at 5 mV per count, two decimals.
std::string VoltageText(const AdcReadings& readings);

}  // namespace device
