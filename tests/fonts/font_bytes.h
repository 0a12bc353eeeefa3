#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace fontstest {

// A font file made by a test: the 32-byte header, then body bytes that run through
// every value (7D and 7E among them).
struct FontHeaderFields {
    std::uint16_t id = 0x0200;
    std::string name = "ARIAL";
    std::uint8_t width = 8;
    std::uint8_t height = 16;
    std::size_t size = 1000;
};

inline std::vector<std::uint8_t> FontBytes(const FontHeaderFields& font)
{
    std::vector<std::uint8_t> bytes(font.size);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    std::vector<std::uint8_t> header(32, 0x00);
    header[0] = 'F';
    header[1] = 'T';
    for (std::size_t i = 0; i < font.name.size() && i < 6; ++i)
        header[2 + i] = static_cast<std::uint8_t>(font.name[i]);
    header[8] = static_cast<std::uint8_t>(font.id);
    header[9] = static_cast<std::uint8_t>(font.id >> 8);
    const auto pages = static_cast<std::uint16_t>((font.size + 255) / 256);
    header[12] = static_cast<std::uint8_t>(pages);
    header[13] = static_cast<std::uint8_t>(pages >> 8);
    header[18] = font.width;
    header[19] = font.height;
    for (std::size_t i = 0; i < header.size() && i < bytes.size(); ++i) bytes[i] = header[i];
    return bytes;
}

inline void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace fontstest
