#include "sim/image_decode.h"

namespace sim {
namespace {

int LittleWord(std::span<const std::uint8_t> bytes, std::size_t at) { return bytes[at] | bytes[at + 1] << 8; }

constexpr std::size_t kObmpHeaders = 32;
constexpr std::size_t kXbmpHeader = 16;

}  // namespace

std::optional<RgbPicture> DecodeObmp(std::span<const std::uint8_t> file)
{
    if (file.size() < kObmpHeaders || file[0] != 0x86 || file[1] != 0x01 || file[16] != 0xCC)
        return std::nullopt;
    RgbPicture picture;
    picture.width = LittleWord(file, 4);
    picture.height = file[6];
    const std::uint8_t mask = file[8];
    const std::size_t bpc = picture.height > 8 ? static_cast<std::size_t>(picture.height + 7) / 8 : 1;
    const std::size_t plane = static_cast<std::size_t>(picture.width) * bpc;
    std::size_t planes = 0;
    for (int k = 0; k < 3; ++k) planes += file[20 + k] ? 1 : 0;
    if (static_cast<std::size_t>(LittleWord(file, 18)) != 16 + plane * planes ||
        file.size() != kObmpHeaders + plane * planes)
        return std::nullopt;

    picture.rgb.assign(static_cast<std::size_t>(picture.width) * picture.height * 3, 0);
    std::size_t at = kObmpHeaders;
    for (int k = 0; k < 3; ++k) {
        if (!file[20 + k]) continue;
        for (int x = 0; x < picture.width; ++x) {
            for (int y = 0; y < picture.height; ++y) {
                const std::uint8_t byte = file[at + static_cast<std::size_t>(x) * bpc + y / 8] ^ mask;
                if (byte >> (y % 8) & 1)
                    picture.rgb[(static_cast<std::size_t>(y) * picture.width + x) * 3 + k] = 0xFF;
            }
        }
        at += plane;
    }
    return picture;
}

std::optional<RgbPicture> DecodeXbmp(std::span<const std::uint8_t> file)
{
    if (file.size() < kXbmpHeader || file[0] != 0x85) return std::nullopt;
    RgbPicture picture;
    picture.width = LittleWord(file, 2);
    picture.height = LittleWord(file, 4);
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    picture.rgb.reserve(rowBytes * picture.height);
    std::size_t at = kXbmpHeader;
    std::size_t previous = 0;
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < picture.height; ++y) {
        if (file.size() - at < 4) return std::nullopt;
        const std::uint8_t kind = file[at] & 0xF0;
        const std::size_t backLink = static_cast<std::size_t>(file[at] & 0x0F) << 8 | file[at + 1];
        const std::size_t length = static_cast<std::size_t>(file[at + 2]) << 8 | file[at + 3];
        at += 4;
        if (backLink != previous || file.size() - at < length) return std::nullopt;
        const std::span<const std::uint8_t> data = file.subspan(at, length);
        raw.clear();
        if (kind == 0xD0) {
            raw.assign(data.begin(), data.end());
        } else if (kind == 0xC0 && length % 2 == 0) {
            for (std::size_t k = 0; k < length; k += 2) raw.insert(raw.end(), data[k + 1], data[k]);
        } else {
            return std::nullopt;
        }
        if (raw.size() != rowBytes) return std::nullopt;
        for (int x = 0; x < picture.width; ++x) {
            picture.rgb.push_back(raw[x]);
            picture.rgb.push_back(raw[picture.width + x]);
            picture.rgb.push_back(raw[2 * picture.width + x]);
        }
        at += length;
        previous = length;
    }
    if (at != file.size()) return std::nullopt;
    return picture;
}

}  // namespace sim
