#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace images {

inline constexpr std::size_t kOgifPageBytes = 248;
inline constexpr std::uint16_t kOgifHeaderPage = 0xFEFE;  // the page number of the header page
inline constexpr std::uint16_t kOgifComplete = 0xFFFF;    // the sign's page field once it has the file
inline constexpr std::size_t kOgifHeaderDataBytes = 44;
inline constexpr std::size_t kOgifAliasBytes = 16;
// Data pages are numbered 0 ... T - 1 in 16 bits and FE FE names the header page,
// so a file may have at most this many pages (about 16 MB).
inline constexpr std::uint64_t kOgifMaxPages = kOgifHeaderPage;

// Data pages T of a file of `size` bytes: (S - 1) div 248 + 1, so an empty file
// still has one (empty) page.
std::uint64_t OgifPageCount(std::uint64_t size);

// The type byte of the file type entry: 0 -> 86, 1 -> 87, 2 -> 85 (86 for no entry).
std::uint8_t OgifFileTypeByte(int typeIndex);

// The fields every page of one download carries.
struct OgifFile {
    std::uint16_t signId = 0xFEFE;
    std::uint16_t programId = 0;
    std::uint16_t pages = 1;  // T
    std::uint8_t fileType = 0x86;
};

// The program's options in the header page.
struct OgifProgram {
    std::uint8_t mode = 0;           // 0 normal, 1 hidden, 2 replace the old program files
    std::uint16_t totalSeconds = 0;  // 0: the default
    int loopTimes = 1;               // sent as loopTimes - 1
    std::string alias = "Program";   // GBK bytes, cut to 16 and padded with zeros
    std::uint8_t stay = 0;           // position codes of the option boxes (FF: none chosen)
    std::uint8_t action = 0;
    bool holdFlash = false;  // the action named "HOLD_FLASH": 01 04 whatever its position
    std::uint8_t speed = 0;
};

// The 44 bytes of program options in the header page.
std::vector<std::uint8_t> OgifHeaderData(const OgifProgram& program);

// The header page (page FE FE, length 56) and a data page of at most 248 file bytes
// (length n + 12), as FrameText: every byte between the markers escaped, FF FF.
std::string OgifHeaderFrame(const OgifFile& file, const OgifProgram& program);
std::string OgifDataFrame(const OgifFile& file, std::uint16_t page, std::span<const std::uint8_t> bytes);

// What the sign answered to a page: status at offset 10, its page field at 14-15.
// A reply too short to hold a status counts as a rejection; a page field beyond its
// data reads as 0.
struct OgifAnswer {
    bool replied = false;
    bool accepted = false;  // status 00
    std::uint16_t page = 0;
};
OgifAnswer ReadOgifAnswer(std::span<const std::uint8_t> buffer, int result);

}  // namespace images
