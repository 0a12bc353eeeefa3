#pragma once

#include <cstddef>
#include <cstdint>

namespace protocol {

// Undoes the escapes of a received reply in place; byte 0 (the start marker) stays.
// 7D 01 gives 7D, 7D followed by any other byte gives 7E. A 7D that is the last
// byte (a time-out in the middle of an escape) is kept as it came. Returns the new
// count; bytes beyond it are left as they were.
std::size_t UnescapeReply(std::uint8_t* buffer, std::size_t count);

}  // namespace protocol
