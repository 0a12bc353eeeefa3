#include "sim/png_file.h"

#include <zlib.h>

#include <string_view>

namespace sim {
namespace {

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A chunk: length, type, data, and the CRC over type and data.
void PutChunk(std::vector<std::uint8_t>& out, std::string_view type, const std::vector<std::uint8_t>& data)
{
    PutBig32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), out.data() + start, static_cast<uInt>(out.size() - start));
    PutBig32(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const RgbPicture& picture)
{
    if (picture.width <= 0 || picture.height <= 0) return {};
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    if (picture.rgb.size() != rowBytes * picture.height) return {};

    std::vector<std::uint8_t> rows;
    rows.reserve((rowBytes + 1) * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        rows.push_back(0);  // filter: none
        const auto row = picture.rgb.begin() + static_cast<long>(rowBytes * y);
        rows.insert(rows.end(), row, row + static_cast<long>(rowBytes));
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
        return {};
    packed.resize(packedSize);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBig32(header, static_cast<std::uint32_t>(picture.width));
    PutBig32(header, static_cast<std::uint32_t>(picture.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter choice, no interlace
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace sim
