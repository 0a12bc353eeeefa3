#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace signlink {

// A character read as a hexadecimal digit: low four bits of c - 87 from 'a' on, of
// c - 55 from 'A' to below 'a', of c itself otherwise. Never rejects a character.
int DigitValue(unsigned char c);

// Parameter key prefixes. Cmd2Frame writes n as two characters 48 + n/16 and
// 48 + n%16 ("P0:" for 10); CmdSet writes two decimal digits ("P10").
std::string FrameParamPrefix(int n);
std::string SetParamPrefix(int n);

// Cmd2Frame's reading of an INT or HEX value: left to right, one digit followed by a
// blank or by the end, or two adjacent digits, make a byte. byteCount 0 is
// open-ended (up to 1024 bytes, ending with the value); otherwise zero bytes pad it.
std::vector<std::uint8_t> LeftAlignedBytes(std::string_view value, int byteCount);

// CmdSet's conversion of an INT or HEX value: read from the end, right-aligned, a
// big-endian number of byteCount bytes (0: as many as the digits give, up to 1024).
std::vector<std::uint8_t> RightAlignedBytes(std::string_view value, int byteCount);

// True when the text holds only 0-9, A-F, a-f and blanks.
bool IsHexText(std::string_view value);

}  // namespace signlink
