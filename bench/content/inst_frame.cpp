#include "bench/content/inst_frame.h"

#include "bench/fields/integer_field.h"
#include "protocol/wire_frame.h"
#include "protocol/words.h"

namespace content {

namespace {

std::uint8_t Position(int position) { return position < 0 ? 0xFF : static_cast<std::uint8_t>(position); }

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

}  // namespace

std::string SentAlias(std::string_view gbkAlias)
{
    // Walk the double-byte characters so a cut at 16 never keeps a lone lead byte.
    std::size_t end = 0;
    while (end < gbkAlias.size()) {
        const auto b = static_cast<std::uint8_t>(gbkAlias[end]);
        const std::size_t width = (b >= 0x81 && b <= 0xFE && end + 1 < gbkAlias.size()) ? 2 : 1;
        if (end + width > static_cast<std::size_t>(kMaxAliasBytes)) break;
        end += width;
    }
    return std::string(gbkAlias.substr(0, end));
}

FrameBuild BuildInstFrame(const InstOptions& options)
{
    const std::string alias = SentAlias(options.alias);
    const int m = static_cast<int>(alias.size());
    const int n = static_cast<int>(options.text.size());
    if (m + n > kMaxInstAliasAndText) {
        return {{},
                "INST: alias and text hold " + std::to_string(m + n) + " bytes, too long by " +
                    std::to_string(m + n - kMaxInstAliasAndText) + " (a frame carries at most " +
                    std::to_string(kMaxInstAliasAndText) + ")"};
    }
    std::vector<std::uint8_t> data;
    data.reserve(33 + m + n);
    data.push_back(options.programType == 1 ? 0x01 : options.programType == 2 ? 0x02 : 0x00);
    protocol::PushWord(data, options.startFileId);
    data.insert(data.end(), {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
    protocol::PushWord(data, options.seconds);
    data.push_back(0x00);
    data.push_back(static_cast<std::uint8_t>(m));
    data.insert(data.end(), {0x01, 0x00});
    data.push_back(Position(options.colour));
    protocol::PushWord(data, options.asianFont);
    protocol::PushWord(data, options.asciiFont);
    data.insert(data.end(), {0x00, 0x00});
    data.push_back(Position(options.stay));
    if (options.holdFlash) {
        data.insert(data.end(), {0x01, 0xF4});
    } else {
        data.push_back(Position(options.action));
        data.push_back(options.background);
    }
    data.push_back(Position(options.speed));
    data.insert(data.end(), {0x00, 0x00, 0x00, 0x00});
    protocol::PushWord(data, static_cast<unsigned>(m + n));
    data.insert(data.end(), alias.begin(), alias.end());
    data.insert(data.end(), options.text.begin(), options.text.end());
    return {*protocol::BenchFrameText(options.signId, "INST", data), {}};
}

std::uint8_t BackgroundByte(std::string_view entry)
{
    if (entry.size() < 4) return 0x00;
    return static_cast<std::uint8_t>(HexDigit(entry[2]) * 16 + HexDigit(entry[3]));
}

std::optional<std::uint16_t> SecondsValue(std::string_view entry)
{
    if (entry == "Normal") return 0;
    const auto value = fields::ParseIntegerField(entry, fields::LeadingBlanks::Refuse).value;
    if (!value) return std::nullopt;
    return static_cast<std::uint16_t>(*value & 0xFFFF);
}

std::vector<std::string> BackgroundEntries()
{
    return {"0x00: Hold (0x00-0x0f)",  "0xF1: Hold Action 1", "0xF2: Hold Action 2", "0xF3: Hold Action 3",
            "0xF4: Hold Action Flash", "0x10: Red/Black",     "0x11: Red/Red",       "0x12: Red/Green",
            "0x20: Green/Black",       "0x22: Green/Green",   "0x30: Yellow/Black",  "0x31: Yellow/Red",
            "0x32: Yellow/Green",      "0x41: Blue/Red",      "0x50: Pink/Black",    "0x60: Cyan/Black",
            "0x70: White/Black"};
}

std::vector<std::string> SecondsEntries()
{
    return {"Normal", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "30", "60", "90"};
}

}  // namespace content
