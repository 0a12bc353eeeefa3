#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bench/fonts/font_file_row.h"

namespace fonts {

// The rows of the file list below its title row: rows[0] is grid row 1.
using FileRows = std::vector<FileRow>;

// Flash base of each RGFontBase item: 0x00100000, 0x00010000, 0x00100000.
std::uint32_t FontBase(int item);

// A font row has no "@" in its id cell (a file that is not a font shows "@File").
bool IsFontRow(const FileRow& row);

// Consecutive addresses from the base: each font row gets HexText32 of the running
// address, which then grows by the row's "Flash" cell (0 when it holds no number);
// other rows keep their address and do not move it.
void AssignAddresses(FileRows& rows, std::uint32_t base);

// Sorts by columns 1 to 9 joined with "/" after each, ignoring letter case
// ("@File" before "FT", ids digit by digit); column 0 keeps its numbers.
void SortById(FileRows& rows);

// What a tool does with one row of the list.
struct ToolStep {
    enum class Kind {
        Pass,    // a "PASS" line with `text`, next row
        Leave,   // nothing for this row
        Rename,  // `source` to `target` in the font folder
        Copy,    // `source` of the font folder to `target`, relative to it ("_VelaMem/_0100000.bin")
        Stop,    // the tool stops here with the conversion error `text`
    };
    Kind kind = Kind::Leave;
    int row = 0;  // grid row
    std::string text;
    std::string source;
    std::string target;
};

// The rename tool: non-fonts and rows without an address pass; a row whose name
// already has the scheme's form, or whose name has 3 characters or fewer, is left.
std::vector<ToolStep> PlanRename(const FileRows& rows);
// The U-disk copy into _VelaMem/ named by the last seven address digits.
inline constexpr char kUdiskFolder[] = "_VelaMem";
std::vector<ToolStep> PlanUdiskCopies(const FileRows& rows);
// The BoardScribe copies: ids below FT0200 (read as a decimal number) into _ASCII/,
// the others into _ASIAN/; an id with a hex letter stops the tool at its row.
inline constexpr char kAsciiFolder[] = "_ASCII";
inline constexpr char kAsianFolder[] = "_ASIAN";
std::vector<ToolStep> PlanBoardScribeCopies(const FileRows& rows);
// The copies "Send Font to LED" makes into the temporary folder (targets are bare
// names there): rows without FT, or with an address shorter than 2 characters, pass.
std::vector<ToolStep> PlanDownloadCopies(const FileRows& rows, const std::vector<int>& gridRows);

// "Font Report": one monitor line per row, tag and text.
struct ReportLine {
    std::string tag;
    std::string text;
};
std::vector<ReportLine> FontReport(const FileRows& rows);

}  // namespace fonts
