#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "bench/fonts/font_file_row.h"

namespace fonts {

// The address cell padded with zeros to eight characters, or cut to its last eight
// ("1000" gives 00001000, "123456789" gives 23456789); the last seven of the same.
std::string AddressText8(std::string_view addressCell);
std::string AddressText7(std::string_view addressCell);

// The names the tools give a font: in the font folder "[00100000]_FT0200_ARIAL_16x8.bin"
// (the address is read back from between the brackets); the U-disk copy
// "_0100000.bin"; the BoardScribe copy "[FT0200] ARIAL 16 x 8"; the download copy in
// the temporary folder "_00100000.bin".
std::string FontFileName(const FileRow& row);
std::string UdiskFileName(const FileRow& row);
std::string BoardScribeFileName(const FileRow& row);
std::string DownloadFileName(std::string_view addressCell);

// The address a file of the temporary folder is written at: its name without the
// extension and the leading "_", cut before the next "_", in upper case (the text
// the writer's lines are tagged with), read as hex from its first characters (at
// most eight, stopping at a character that is no hex digit; none give 0).
// _00100000.bin and __00110000_x.bin give 0x00100000 and 0x00110000.
std::string DownloadAddressText(std::string_view fileName);
std::uint32_t DownloadAddress(std::string_view fileName);

// Whether a name has the download copy's form: "_", eight hex digits, ".bin".
bool IsDownloadFileName(std::string_view fileName);

}  // namespace fonts
