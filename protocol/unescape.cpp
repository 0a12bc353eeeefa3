#include "protocol/unescape.h"

namespace protocol {

std::size_t UnescapeReply(std::uint8_t* buffer, std::size_t count)
{
    if (count == 0) return 0;
    std::size_t out = 1;
    std::size_t i = 1;
    while (i < count) {
        if (buffer[i] == 0x7D && i + 1 < count) {
            buffer[out++] = buffer[i + 1] == 0x01 ? 0x7D : 0x7E;
            i += 2;
        } else {
            buffer[out++] = buffer[i++];
        }
    }
    return out;
}

}  // namespace protocol
