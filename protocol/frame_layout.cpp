#include "protocol/frame_layout.h"

#include <array>
#include <vector>

#include "protocol/frame_text.h"

namespace protocol {
namespace {

using Layout = std::vector<std::string_view>;

const std::array<Layout, kFrameLayoutCount>& Layouts()
{
    static const std::array<Layout, kFrameLayoutCount> layouts{{
        {"02 Head", "02 Sign ID", "02 Long", "04 Cmd: VROM/VRAM", "01 Variable ID", "01 Data Length",
         "x  Data", "02 CRC or CheckSum (0xFFFF passby)", "02 End"},
        {"02 Head", "02 Sign ID", "02 Long", "04 Cmd: PRAM", "01 Type 0x10:Program SN",
         "01 Active Immediately", "01 Mode", "02 Program Start", "02 Program End",
         "02 CRC or CheckSum (0xFFFF passby)", "02 End"},
        {"02 Head", "02 Sign ID", "02 Long", "04 Cmd: PRAM", "01 Type 0x11:Exit Program",
         "01 Active Immediately", "01 No use", "02 No use", "02 No use",
         "02 CRC or CheckSum (0xFFFF passby)", "02 End"},
        {"02 Head", "02 Sign ID", "02 Long", "04 Cmd: PRAM", "01 0x1:Program,0x00:Empty",
         "01 Active Immediately", "01 Mode", "02 Program Start", "02 Program End", "01 Group",
         "02 CRC or CheckSum (0xFFFF passby)", "02 End"},
        {"02 Head", "02 Sign ID", "02 Long", "04 Cmd: PLAY", "01 0x5A:Program,0x50:Empty",
         "01 Active Immediately", "02 Data length", "01 Group", "02 Number of data",
         "02 Program Start", "02 Program End", "02 CRC or CheckSum (0xFFFF passby)", "02 End"},
        {"02 Head", "02 Sign ID", "02 Long", "04 Cmd: TCNT", "01 0,1,2,3,4", "03 BCD Time",
         "02 CRC or CheckSum (0xFFFF passby)", "02 End"},
    }};
    return layouts;
}

// A row's width: its leading decimal number, or the chooser's index for a row whose
// first character comes after '9' (a variable-width data row).
int RowWidth(std::string_view row, int widthIndex)
{
    if (!row.empty() && row[0] > '9') return widthIndex;
    int width = 0;
    for (std::size_t i = 0; i < 2 && i < row.size(); ++i) {
        if (row[i] < '0' || row[i] > '9') break;
        width = width * 10 + (row[i] - '0');
    }
    return width;
}

}  // namespace

std::string ShowFrameLayout(std::string_view frameText, int layout, bool comment, int widthIndex)
{
    if (frameText.size() > kMaxFrameTextChars) frameText = frameText.substr(0, kMaxFrameTextChars);
    const Layout& rows = Layouts()[layout >= 0 && layout < kFrameLayoutCount ? layout : 0];
    const std::size_t count = frameText.size() / 3;

    std::string out;
    std::size_t row = 0;
    long boundary = RowWidth(rows[0], widthIndex);
    for (std::size_t k = 0; k < count; ++k) {
        out += frameText.substr(3 * k, 2);
        out += ' ';
        if (comment && row < rows.size() && static_cast<long>(k) == boundary - 1) {
            out += "           //------ ";
            out += rows[row];
            out += "\r\n";
            ++row;
            if (row < rows.size()) boundary += RowWidth(rows[row], widthIndex);
        }
    }
    return out;
}

}  // namespace protocol
