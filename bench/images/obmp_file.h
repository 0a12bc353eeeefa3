#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace images {

inline constexpr std::uint8_t kObmpFileType = 0x86;
inline constexpr std::uint8_t kObmpMask = 0xA7;  // every plane byte is XORed with it
inline constexpr std::size_t kObmpHeadersBytes = 32;

// The size the OBMP file states (EditBitmapWidth, EditBitmapHeight).
struct ObmpOptions {
    int width = 0;
    int height = 0;
};

// Bytes per column of a plane: (H + 7) div 8, at least 1.
int ObmpBytesPerColumn(int height);
// Bytes of one colour plane: W x bytes per column, for any size within 1024 x 128.
int ObmpPlaneBytes(int width, int height);

// The OBMP file of a seven-colour preview: two 16-byte headers, then the red, green
// and blue planes that have at least one lit pixel. Pixels outside the preview
// read as black; the size is clipped to 1024 x 128.
std::vector<std::uint8_t> BuildObmpFile(const QImage& preview, ObmpOptions options);

}  // namespace images
