#include "bench/content/markup.h"

namespace content {

namespace {

// The sign's colour codes for the COLOR vocabulary's positions; any other is 13.
int ColourCode(int position)
{
    static constexpr int kCodes[] = {0, 1, 2, 3, 7, 8, 9};
    if (position >= 0 && position < 7) return kCodes[position];
    return 13;
}

}  // namespace

std::vector<std::string> DateEntries()
{
    return {"日期:2015-12-31",
            "日期:2015/12/31",
            "日期:2015年12月31日",
            "时分秒:23:09:09",
            "时分秒:23:9:9",
            "时分秒:23时9分9秒",
            "星期"};
}

std::string TimeFieldMarkup(int position)
{
    switch (position) {
        case 0:
            return "20[DY]-[Dl]-[Dd]";
        case 1:
            return "20[DY]/[Dl]/[Dd]";
        case 2:
            return "20[DY]年[Dl]月[Dd]日";
        case 3:
            return "[DHH]:[DMM]:[DSS]";
        case 5:
            return "[DH]时[DM]分[DS]秒";
        case 6:
            return "[DW]";
        default:
            return "[DH]:[DM]:[DS]";
    }
}

std::string ProgramColourMarkup(int position) { return "[FC" + std::to_string(ColourCode(position)) + "]"; }

std::string RamVariableMarkup(int position) { return "[Cv" + std::to_string(position) + "]"; }

std::string FlashVariableMarkup(int position) { return "[CV" + std::to_string(position) + "]"; }

std::string IconMarkup(int position) { return "{" + std::to_string(position) + "}"; }

std::string VariableColourMarkup(int position)
{
    // Position 0 is the sign's colour 1 here, unlike the program markup's [FC0].
    const int code = position == 0 ? 1 : ColourCode(position);
    return "[" + std::to_string(16 + code) + "]";
}

std::string CharBitmapMarkup(int position) { return "{" + std::to_string(position) + "}"; }

}  // namespace content
