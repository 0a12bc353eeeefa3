#include "bench/images/obmp_file.h"

#include <algorithm>
#include <array>

#include "bench/images/seven_colour_preview.h"

namespace images {
namespace {

void PutWord(std::vector<std::uint8_t>& out, std::size_t at, int value)
{
    out[at] = static_cast<std::uint8_t>(value & 0xFF);
    out[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

}  // namespace

int ObmpBytesPerColumn(int height) { return std::max(1, (height + 7) / 8); }

int ObmpPlaneBytes(int width, int height) { return width * ObmpBytesPerColumn(height); }

std::vector<std::uint8_t> BuildObmpFile(const QImage& preview, ObmpOptions options)
{
    const int w = std::clamp(options.width, 0, kObmpMaxWidth);
    const int h = std::clamp(options.height, 0, kObmpMaxHeight);
    const int bpc = ObmpBytesPerColumn(h);
    const auto planeBytes = static_cast<std::size_t>(ObmpPlaneBytes(w, h));

    // Red, green, blue: the planes are laid out by columns, top pixel in bit 0.
    std::array<std::vector<std::uint8_t>, 3> planes;
    for (auto& plane : planes) plane.assign(planeBytes, 0);
    std::array<bool, 3> lit{};
    const QImage pixels = preview.isNull() ? QImage() : preview.convertToFormat(QImage::Format_RGB32);
    const int readWidth = std::min(w, pixels.width());
    for (int y = 0; y < std::min(h, pixels.height()); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        const auto bit = static_cast<std::uint8_t>(1u << (y % 8));
        for (int x = 0; x < readWidth; ++x) {
            const QRgb c = row[x];
            const std::size_t at = static_cast<std::size_t>(x) * bpc + y / 8;
            const bool on[3] = {qRed(c) >= 128, qGreen(c) >= 128, qBlue(c) >= 128};
            for (int k = 0; k < 3; ++k) {
                if (!on[k]) continue;
                planes[k][at] |= bit;
                lit[k] = true;
            }
        }
    }

    const int present = static_cast<int>(std::count(lit.begin(), lit.end(), true));
    std::vector<std::uint8_t> file(kObmpHeadersBytes, 0);
    file[0] = kObmpFileType;
    file[1] = 0x01;
    PutWord(file, 2, 1);
    PutWord(file, 4, w);
    file[6] = static_cast<std::uint8_t>(h);
    file[8] = kObmpMask;
    file[16] = 0xCC;
    PutWord(file, 18, static_cast<int>(16 + planeBytes * present));
    for (int k = 0; k < 3; ++k) file[20 + k] = lit[k] ? 1 : 0;
    PutWord(file, 28, w);
    file[31] = static_cast<std::uint8_t>(h);
    for (int k = 0; k < 3; ++k) {
        if (!lit[k]) continue;
        for (const std::uint8_t byte : planes[k]) file.push_back(byte ^ kObmpMask);
    }
    return file;
}

}  // namespace images
