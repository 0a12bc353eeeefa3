#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace fonts {

// A font file starts with a 32-byte header, multi-byte fields low byte first: "FT",
// a six-byte name, the id at 8, the page count (256 bytes each, signed) at 12, the
// glyph width at 18 and height at 19.
inline constexpr std::size_t kHeaderBytes = 32;

struct FontHeader {
    bool isFont = false;  // the file starts with the letters FT
    std::string name;     // the name bytes up to the first zero, at most 6
    std::uint16_t id = 0;
    std::int16_t pages = 0;
    std::uint8_t width = 0;
    std::uint8_t height = 0;
};

// The header of a file from its first bytes; bytes the file does not have read as 0,
// so a short or empty file is listed from what it holds.
FontHeader ReadFontHeader(std::span<const std::uint8_t> firstBytes);

// "FT" and the id's high then low byte as upper-case hex: id 0x0200 gives FT0200.
std::string FontIdText(std::uint16_t id);

// The flash space a file takes: whole 4 KB blocks, one for an empty file.
std::int64_t FlashSpace(std::uint64_t size);

// The flash address a file name carries: the text between its first "[" and the
// first "]" after it; empty when there is none.
std::string AddressTextOfName(std::string_view fileName);

// The columns of the local font file list, row 0 holding their titles.
enum Column : std::size_t {
    kNo = 0,
    kFontId,
    kFontName,
    kHeight,
    kWidth,
    kBytes,
    kPages,
    kFlash,
    kFileName,
    kAddress,
    kColumns
};
using FileRow = std::array<std::string, kColumns>;

inline constexpr std::string_view kOtherFileId = "@File";

// One row of the file list for a file: its number, the header's fields ("@File" and
// no name for a file that is not a font; H, W and P-256 from the header bytes
// whatever the file is), size, flash space, name and the address in its name. Texts
// are UTF-8; a font name that is not GBK shows byte for byte.
FileRow MakeFileRow(int number, std::string_view fileName, std::uint64_t size,
                    std::span<const std::uint8_t> firstBytes);

// Bytes as UTF-8: GBK when they are GBK, else each byte as its own character.
std::string TextOfNameBytes(std::string_view bytes);

}  // namespace fonts
