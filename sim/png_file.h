#pragma once

#include <cstdint>
#include <vector>

#include "sim/image_decode.h"

namespace sim {

// A PNG file of the picture: 8-bit RGB, no interlace, every row unfiltered, the
// pixels deflated with zlib. Empty when the picture has no pixels (PNG needs at
// least one) or zlib fails.
std::vector<std::uint8_t> EncodePng(const RgbPicture& picture);

}  // namespace sim
