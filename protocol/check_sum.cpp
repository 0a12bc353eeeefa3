#include "protocol/check_sum.h"

namespace protocol {

std::uint16_t FrameCheckSum(std::span<const std::uint8_t> bytes)
{
    std::uint16_t sum = 0x5AA5;
    for (std::uint8_t b : bytes) sum = static_cast<std::uint16_t>(sum + b);
    return sum;
}

}  // namespace protocol
