#include "bench/fonts/font_file_row.h"

#include "platform/gbk.h"
#include "protocol/hex_byte.h"

namespace fonts {
namespace {

std::uint8_t ByteAt(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return at < bytes.size() ? bytes[at] : 0;
}

}  // namespace

FontHeader ReadFontHeader(std::span<const std::uint8_t> firstBytes)
{
    const auto at = [&](std::size_t offset) { return ByteAt(firstBytes, offset); };
    FontHeader header;
    header.isFont = at(0) == 'F' && at(1) == 'T';
    for (std::size_t i = 2; i < 8 && at(i) != 0; ++i) header.name.push_back(static_cast<char>(at(i)));
    header.id = static_cast<std::uint16_t>(at(9) << 8 | at(8));
    header.pages = static_cast<std::int16_t>(static_cast<std::uint16_t>(at(13) << 8 | at(12)));
    header.width = at(18);
    header.height = at(19);
    return header;
}

std::string FontIdText(std::uint16_t id)
{
    std::string text = "FT";
    text += protocol::HexPair(static_cast<std::uint8_t>(id >> 8)).substr(0, 2);
    text += protocol::HexPair(static_cast<std::uint8_t>(id & 0xFF)).substr(0, 2);
    return text;
}

std::int64_t FlashSpace(std::uint64_t size)
{
    // (size - 1) div 4096 truncates toward zero, so an empty file takes one block too.
    if (size == 0) return 4096;
    return static_cast<std::int64_t>(((size - 1) / 4096 + 1) * 4096);
}

std::string AddressTextOfName(std::string_view fileName)
{
    const std::size_t open = fileName.find('[');
    if (open == std::string_view::npos) return {};
    const std::size_t close = fileName.find(']', open + 1);
    if (close == std::string_view::npos) return {};
    return std::string(fileName.substr(open + 1, close - open - 1));
}

std::string TextOfNameBytes(std::string_view bytes)
{
    const platform::TextConversion utf8 = platform::GbkToUtf8(bytes);
    if (utf8.ok()) return utf8.bytes;
    std::string latin;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            latin.push_back(c);
        } else {
            latin.push_back(static_cast<char>(0xC0 | b >> 6));
            latin.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return latin;
}

FileRow MakeFileRow(int number, std::string_view fileName, std::uint64_t size,
                    std::span<const std::uint8_t> firstBytes)
{
    const FontHeader header = ReadFontHeader(firstBytes);
    FileRow row;
    row[kNo] = std::to_string(number);
    row[kFontId] = header.isFont ? FontIdText(header.id) : std::string(kOtherFileId);
    row[kFontName] = header.isFont ? TextOfNameBytes(header.name) : std::string();
    row[kHeight] = std::to_string(header.height);
    row[kWidth] = std::to_string(header.width);
    row[kBytes] = std::to_string(size);
    row[kPages] = std::to_string(header.pages);
    row[kFlash] = std::to_string(FlashSpace(size));
    row[kFileName] = std::string(fileName);
    row[kAddress] = AddressTextOfName(fileName);
    return row;
}

}  // namespace fonts
