#pragma once

#include <cstdint>
#include <vector>

namespace protocol {

// Frame fields are big-endian: a 16-bit word goes high byte first.
inline std::uint8_t HighByte(unsigned long long value)
{
    return static_cast<std::uint8_t>((value >> 8) & 0xFF);
}
inline std::uint8_t LowByte(unsigned long long value) { return static_cast<std::uint8_t>(value & 0xFF); }

inline void PushWord(std::vector<std::uint8_t>& data, unsigned long long value)
{
    data.push_back(HighByte(value));
    data.push_back(LowByte(value));
}

}  // namespace protocol
