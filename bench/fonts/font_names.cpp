#include "bench/fonts/font_names.h"

#include <cctype>

namespace fonts {
namespace {

std::string LastOfPadded(std::string_view cell, std::size_t count)
{
    const std::string padded = "00000000" + std::string(cell);
    return padded.substr(padded.size() - count);
}

bool IsUpperHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

}  // namespace

std::string AddressText8(std::string_view addressCell) { return LastOfPadded(addressCell, 8); }

std::string AddressText7(std::string_view addressCell) { return LastOfPadded(addressCell, 7); }

std::string FontFileName(const FileRow& row)
{
    return "[" + AddressText8(row[kAddress]) + "]_" + row[kFontId] + "_" + row[kFontName] + "_" +
           row[kHeight] + "x" + row[kWidth] + ".bin";
}

std::string UdiskFileName(const FileRow& row) { return "_" + AddressText7(row[kAddress]) + ".bin"; }

std::string BoardScribeFileName(const FileRow& row)
{
    return "[" + row[kFontId] + "] " + row[kFontName] + " " + row[kHeight] + " x " + row[kWidth];
}

std::string DownloadFileName(std::string_view addressCell)
{
    return "_" + AddressText8(addressCell) + ".bin";
}

std::string DownloadAddressText(std::string_view fileName)
{
    std::string_view stem = fileName;
    if (const std::size_t dot = stem.rfind('.'); dot != std::string_view::npos) stem = stem.substr(0, dot);
    while (!stem.empty() && stem.front() == '_') stem.remove_prefix(1);
    if (const std::size_t cut = stem.find('_'); cut != std::string_view::npos) stem = stem.substr(0, cut);
    std::string text;
    for (const char c : stem) text.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return text;
}

std::uint32_t DownloadAddress(std::string_view fileName)
{
    const std::string text = DownloadAddressText(fileName);
    std::uint32_t address = 0;
    for (std::size_t i = 0; i < text.size() && i < 8 && IsUpperHexDigit(text[i]); ++i)
        address =
            address << 4 | static_cast<std::uint32_t>(text[i] <= '9' ? text[i] - '0' : text[i] - 'A' + 10);
    return address;
}

bool IsDownloadFileName(std::string_view fileName)
{
    if (fileName.size() != 13 || fileName.front() != '_' || fileName.substr(9) != ".bin") return false;
    for (std::size_t i = 1; i < 9; ++i) {
        if (!IsUpperHexDigit(static_cast<char>(std::toupper(static_cast<unsigned char>(fileName[i])))))
            return false;
    }
    return true;
}

}  // namespace fonts
