#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace sim {

// A picture as the sign would show it: 8-bit red, green, blue per pixel, rows top
// first.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // 3 bytes a pixel
};

// The picture of an OBMP file (two headers, then the red, green and blue planes its
// flags name, each byte XORed with the mask); nullopt when the file is not whole.
std::optional<RgbPicture> DecodeObmp(std::span<const std::uint8_t> file);

// The picture of an XBMP file (header, then plain or run-length row records with
// their back links); nullopt when the file is not whole.
std::optional<RgbPicture> DecodeXbmp(std::span<const std::uint8_t> file);

}  // namespace sim
