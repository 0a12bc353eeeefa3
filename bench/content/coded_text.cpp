#include "bench/content/coded_text.h"

#include "bench/content/frame_build.h"
#include "bench/fields/integer_field.h"

namespace content {

std::string_view TrimControl(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 0x20) ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 0x20) --last;
    return text.substr(first, last - first);
}

namespace {

// The digit buffer of an open code: each byte adds "0" + its low four bits, up to
// ten of them; bytes beyond ten are emitted as they are and the code stays open.
constexpr std::size_t kMaxDigits = 10;

// The number of a closed code, or the error that stops the conversion.
bool CodeValue(const std::string& digits, char open, char close, int largest, const char* what,
               CodedText& out, int& value)
{
    if (digits.empty()) {
        value = 0;
        return true;
    }
    const fields::IntegerField field = fields::ParseIntegerField(digits, fields::LeadingBlanks::Refuse);
    const auto& parsed = field.value;
    if (!parsed) {
        out.error = CodedText::Error::NotInteger;
        out.message = field.error;
        return false;
    }
    if (*parsed > largest) {
        out.error = CodedText::Error::TooLarge;
        out.message = std::string(what) + " code " + open + digits + close + " is too large by " +
                      std::to_string(static_cast<long long>(*parsed) - largest) + " (largest " +
                      std::to_string(largest) + ")";
        return false;
    }
    value = *parsed;
    return true;
}

void Fail(CodedText& out) { out.bytes.clear(); }

}  // namespace

CodedText ProgramTextBytes(std::string_view gbkText)
{
    CodedText out;
    bool open = false;
    std::string digits;
    for (char c : TrimControl(gbkText)) {
        const auto b = static_cast<std::uint8_t>(c);
        if (!open) {
            if (c == '{') {
                open = true;
                digits.clear();
            } else {
                out.bytes.push_back(b);
            }
        } else if (c == '{') {
            open = false;
            digits.clear();
            out.bytes.push_back(0x7B);
        } else if (c == '}') {
            open = false;
            int v = 0;
            if (!CodeValue(digits, '{', '}', kMaxProgramBraceCode, "Text program: brace", out, v)) {
                Fail(out);
                return out;
            }
            out.bytes.push_back(static_cast<std::uint8_t>(0x80 + v / 16));
            out.bytes.push_back(static_cast<std::uint8_t>(0x10 + v % 16));
        } else if (digits.size() < kMaxDigits) {
            digits.push_back(static_cast<char>('0' + (b & 0x0F)));
        } else {
            out.bytes.push_back(b);
        }
    }
    return out;
}

CodedText VariableStringBytes(std::string_view gbkText)
{
    enum class Open { None, Brace, Bracket };
    CodedText out;
    Open open = Open::None;
    std::string digits;
    for (char c : TrimControl(gbkText)) {
        const auto b = static_cast<std::uint8_t>(c);
        if (open == Open::None) {
            if (c == '{' || c == '[') {
                open = c == '{' ? Open::Brace : Open::Bracket;
                digits.clear();
            } else {
                out.bytes.push_back(b);
            }
            continue;
        }
        const char opener = open == Open::Brace ? '{' : '[';
        const char closer = open == Open::Brace ? '}' : ']';
        if (c == opener) {
            open = Open::None;
            digits.clear();
            out.bytes.push_back(b);
        } else if (c == closer) {
            const bool brace = open == Open::Brace;
            open = Open::None;
            int v = 0;
            if (!CodeValue(digits, opener, closer, kMaxVariableCode,
                           brace ? "Variable string: brace" : "Variable string: bracket", out, v)) {
                Fail(out);
                return out;
            }
            if (brace) out.bytes.push_back(0xFF);
            out.bytes.push_back(static_cast<std::uint8_t>(v));
        } else if (digits.size() < kMaxDigits) {
            digits.push_back(static_cast<char>('0' + (b & 0x0F)));
        } else {
            out.bytes.push_back(b);
        }
    }
    return out;
}

}  // namespace content
