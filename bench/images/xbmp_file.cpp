#include "bench/images/xbmp_file.h"

namespace images {

std::vector<std::pair<std::uint8_t, std::uint8_t>> RunLengthPairs(std::span<const std::uint8_t> bytes)
{
    std::vector<std::pair<std::uint8_t, std::uint8_t>> pairs;
    for (const std::uint8_t byte : bytes) {
        if (!pairs.empty() && pairs.back().first == byte && pairs.back().second < 255) {
            ++pairs.back().second;
        } else {
            pairs.emplace_back(byte, 1);
        }
    }
    return pairs;
}

void AppendXbmpRow(std::vector<std::uint8_t>& file, std::span<const std::uint8_t> raw, bool compress,
                   int& previousLength)
{
    std::vector<std::uint8_t> data;
    std::uint8_t kind = kXbmpPlainRow;
    if (compress) {
        const auto pairs = RunLengthPairs(raw);
        if (pairs.size() * 2 < raw.size()) {
            kind = kXbmpCompressedRow;
            data.reserve(pairs.size() * 2);
            for (const auto& [value, count] : pairs) {
                data.push_back(value);
                data.push_back(count);
            }
        }
    }
    if (kind == kXbmpPlainRow) data.assign(raw.begin(), raw.end());
    const int length = static_cast<int>(data.size());
    file.push_back(static_cast<std::uint8_t>(kind + ((previousLength >> 8) & 0x0F)));
    file.push_back(static_cast<std::uint8_t>(previousLength & 0xFF));
    file.push_back(static_cast<std::uint8_t>((length >> 8) & 0xFF));
    file.push_back(static_cast<std::uint8_t>(length & 0xFF));
    file.insert(file.end(), data.begin(), data.end());
    previousLength = length;
}

std::string XbmpRefusal(int width)
{
    if (width <= kXbmpMaxWidth) return {};
    return "The picture is " + std::to_string(width) + " pixels wide; an XBMP picture can be at most " +
           std::to_string(kXbmpMaxWidth) + " pixels wide. Nothing was written.";
}

std::vector<std::uint8_t> BuildXbmpFile(const QImage& picture, XbmpOptions options)
{
    const int w = picture.isNull() ? 0 : picture.width();
    const int h = picture.isNull() ? 0 : picture.height();
    std::vector<std::uint8_t> file(kXbmpHeaderBytes, 0);
    file[0] = kXbmpFileType;
    file[2] = static_cast<std::uint8_t>(w & 0xFF);
    file[3] = static_cast<std::uint8_t>((w >> 8) & 0xFF);
    file[4] = static_cast<std::uint8_t>(h & 0xFF);
    file[5] = static_cast<std::uint8_t>((h >> 8) & 0xFF);
    file[6] = 1;
    file[8] = 0x17;
    file[9] = 1;
    file[10] = static_cast<std::uint8_t>(options.stayMs / 10);
    if (w == 0) return file;

    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<std::uint8_t> raw(static_cast<std::size_t>(3 * w));
    int previousLength = 0;
    file.reserve(file.size() + static_cast<std::size_t>(h) * (raw.size() + 4));
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            raw[x] = static_cast<std::uint8_t>(qRed(row[x]));
            raw[w + x] = static_cast<std::uint8_t>(qGreen(row[x]));
            raw[2 * w + x] = static_cast<std::uint8_t>(qBlue(row[x]));
        }
        AppendXbmpRow(file, raw, options.compress, previousLength);
    }
    return file;
}

}  // namespace images
