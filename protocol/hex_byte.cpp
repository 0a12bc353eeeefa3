#include "protocol/hex_byte.h"

namespace protocol {

std::string HexPair(std::uint8_t value)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[value >> 4], kDigits[value & 0x0F], ' '};
}

HexByteText HexByte(std::uint8_t value, bool raw)
{
    if (!raw && value == 0x7D) return {"7D 01 ", 2};
    if (!raw && value == 0x7E) return {"7D 02 ", 2};
    return {HexPair(value), 1};
}

}  // namespace protocol
