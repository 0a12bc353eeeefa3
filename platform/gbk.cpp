#include "platform/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace platform {

namespace {

struct IconvCloser {
    void operator()(iconv_t cd) const { iconv_close(cd); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

std::string HexBytes(std::string_view bytes)
{
    std::string out;
    char buffer[8];
    for (unsigned char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%s0x%02X", out.empty() ? "" : " ", c);
        out += buffer;
    }
    return out;
}

// Length of the UTF-8 sequence that starts with this byte, 0 for a byte that cannot start one.
std::size_t Utf8Length(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Characters (not bytes) before the offset, counted from 1 as a reader would.
std::size_t CharacterNumber(std::string_view utf8, std::size_t offset)
{
    std::size_t count = 1;
    for (std::size_t i = 0; i < offset; ++i)
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) ++count;
    return count;
}

std::string DescribeUtf8Failure(std::string_view utf8, std::size_t offset, int error)
{
    std::string_view rest = utf8.substr(offset);
    std::size_t length = Utf8Length(static_cast<unsigned char>(rest.front()));
    std::string where = " at character " + std::to_string(CharacterNumber(utf8, offset)) + " (byte " +
                        std::to_string(offset) + ")";
    if (error == EINVAL || length > rest.size()) return "incomplete UTF-8 sequence " + HexBytes(rest) + where;
    if (length == 0) return "invalid UTF-8 byte " + HexBytes(rest.substr(0, 1)) + where;

    // A well-formed character that GBK has no code for: name it and its code point.
    std::string_view character = rest.substr(0, length);
    unsigned long code =
        static_cast<unsigned char>(character[0]) & (length == 1 ? 0x7F : (0xFF >> (length + 1)));
    for (std::size_t i = 1; i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(character[i]);
        if ((c & 0xC0) != 0x80) return "invalid UTF-8 sequence " + HexBytes(character) + where;
        code = (code << 6) | (c & 0x3F);
    }
    char name[16];
    std::snprintf(name, sizeof name, "U+%04lX", code);
    return "the character \"" + std::string(character) + "\" (" + name + ")" + where + " has no GBK code";
}

std::string DescribeGbkFailure(std::string_view gbk, std::size_t offset, int error)
{
    std::string_view rest = gbk.substr(offset, 2);
    std::string where = " at byte " + std::to_string(offset);
    if (error == EINVAL) return "incomplete GBK character " + HexBytes(rest) + where;
    return "invalid GBK bytes " + HexBytes(rest) + where;
}

template <typename Describe>
TextConversion Convert(const char* to, const char* from, std::string_view input, Describe describe)
{
    TextConversion result;
    IconvHandle cd(iconv_open(to, from));
    if (cd.get() == reinterpret_cast<iconv_t>(-1)) {
        cd.release();
        result.error = std::string("no conversion from ") + from + " to " + to + " on this system";
        return result;
    }
    char* in = const_cast<char*>(input.data());  // iconv's signature; the input is not changed
    std::size_t inLeft = input.size();
    std::string out(input.size() * 2 + 8, '\0');
    std::size_t produced = 0;
    while (inLeft > 0) {
        char* outAt = out.data() + produced;
        std::size_t outLeft = out.size() - produced;
        std::size_t rc = iconv(cd.get(), &in, &inLeft, &outAt, &outLeft);
        produced = out.size() - outLeft;
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        result.error = describe(input, input.size() - inLeft, errno);
        return result;
    }
    out.resize(produced);
    result.bytes = std::move(out);
    return result;
}

}  // namespace

TextConversion Utf8ToGbk(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8, DescribeUtf8Failure); }

TextConversion GbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk, DescribeGbkFailure); }

}  // namespace platform
