#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace content {

// The bytes a text becomes for the sign, after its codes are translated.
struct CodedText {
    enum class Error { None, NotInteger, TooLarge };
    std::vector<std::uint8_t> bytes;
    Error error = Error::None;
    std::string message;  // for NotInteger the conversion error, for TooLarge what and by how much
    bool ok() const { return error == Error::None; }
};

// The text without leading and trailing blanks and control bytes (up to 0x20).
std::string_view TrimControl(std::string_view text);

// Largest numbers the codes can carry: a text program's brace code spreads over two
// bytes (0x80 + n / 16, 0x10 + n % 16), a variable string's codes take one byte.
inline constexpr int kMaxProgramBraceCode = 2047;
inline constexpr int kMaxVariableCode = 255;

// A text program's bytes (GBK in, trimmed here): "{n}" becomes 0x80 + n div 16 and
// 0x10 + n mod 16, "{{" one 7B; an open code at the end emits nothing.
CodedText ProgramTextBytes(std::string_view gbkText);

// A variable string's bytes (GBK in, trimmed here): "{n}" becomes FF n (a character
// bitmap), "[n]" the byte n (a colour code); "{{" gives 7B and "[[" 5B.
CodedText VariableStringBytes(std::string_view gbkText);

}  // namespace content
