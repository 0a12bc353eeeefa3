#pragma once

#include <QImage>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace images {

inline constexpr std::uint8_t kXbmpFileType = 0x85;
inline constexpr std::size_t kXbmpHeaderBytes = 16;
inline constexpr std::uint8_t kXbmpCompressedRow = 0xC0;
inline constexpr std::uint8_t kXbmpPlainRow = 0xD0;
// A row record links back to the previous record's length in 12 bits, and a plain
// row is 3 W bytes long: 1,365 pixels (4,095 bytes) is the widest that fits.
inline constexpr int kXbmpMaxWidth = 1365;

struct XbmpOptions {
    int stayMs = 10;        // the chosen "Stay Time (ms)", stored in tens of milliseconds
    bool compress = false;  // "Compress the data"
};

// Run-length pairs (value, count) over a row's bytes, counts 1 to 255.
std::vector<std::pair<std::uint8_t, std::uint8_t>> RunLengthPairs(std::span<const std::uint8_t> bytes);

// Appends one row record for the raw row (its red, then green, then blue values):
// compressed when asked and shorter, plain otherwise. previousLength is the data
// length of the record before (0 for the first row) and becomes this record's.
void AppendXbmpRow(std::vector<std::uint8_t>& file, std::span<const std::uint8_t> raw, bool compress,
                   int& previousLength);

// Empty when the picture can be written as XBMP; otherwise why not.
std::string XbmpRefusal(int width);

// The XBMP file of a picture: the 16-byte header, then one row record per row, top
// row first. The picture must be at most 1,365 pixels wide (see XbmpRefusal).
std::vector<std::uint8_t> BuildXbmpFile(const QImage& picture, XbmpOptions options);

}  // namespace images
