#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace fonts {

// The frames of the sign's font memory, as FrameText with every byte between the
// markers escaped. FONT lists the fonts; MRED reads 32 bytes of a font's header at
// its flash address (the address's top byte, 00 below 16 MB, selects the flash);
// the delete frame is an MWRD of two zero bytes at the font's address, over its FT
// mark (the top byte stands where a page write has its mode).
std::string BuildFontListFrame(std::uint16_t signId);
std::string BuildFontHeaderReadFrame(std::uint16_t signId, std::uint32_t address);
std::string BuildFontDeleteFrame(std::uint16_t signId, std::uint32_t address);

// One page of a file written into flash, as wire bytes: 7E 01, id, n + 8, MWRD, the
// mode 0x55 (erase each 4 KB block the page starts), the page's 24-bit address, n
// data bytes (at most 256), FF FF, 7E 00; id through the check escaped.
inline constexpr std::uint8_t kPageWriteMode = 0x55;
inline constexpr std::size_t kPageBytes = 256;
std::vector<std::uint8_t> BuildPageWrite(std::uint16_t signId, std::uint32_t address,
                                         std::span<const std::uint8_t> data);

// A page count of a file of S bytes: (S - 1) div 256 + 1, so an empty file has one
// empty page.
std::int64_t PageCount(std::uint64_t size);

// One font of the sign's list, as the FONT reply gives it (both fields low byte
// first in the reply).
struct SignFont {
    std::uint16_t id = 0;
    std::uint32_t address = 0;
};

// The FONT reply: nullopt without a reply; a status other than 0 gives `rejected`.
// Otherwise the N entries (byte 15) from offset 16, six bytes each; bytes past the
// reply's data read as 0.
struct FontListReply {
    bool rejected = false;
    std::vector<SignFont> fonts;
};
std::optional<FontListReply> DecodeFontList(std::span<const std::uint8_t> buffer, int result);

// Grid texts of a listed font: " FT0200" and "00100000".
std::string SignFontIdCell(std::uint16_t id);
std::string SignFontAddressCell(std::uint32_t address);

// The MRED reply of a font header with status 0: the name at offsets 16-21 (up to a
// zero byte) and the flash it takes, from the page count P at 26-27 (signed, low
// byte first): ((P x 256 + 31) div 4096) x 4096 + 4096, truncating toward zero.
struct FontHeaderReply {
    std::string name;  // the bytes as read
    std::int64_t flash = 0;
};
std::optional<FontHeaderReply> DecodeFontHeaderRead(std::span<const std::uint8_t> buffer, int result);
std::int64_t SignFontFlash(std::int16_t pages);

// The delete's reply: true with status 0.
bool Accepted(std::span<const std::uint8_t> buffer, int result);

}  // namespace fonts
