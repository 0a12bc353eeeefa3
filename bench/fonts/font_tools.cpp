#include "bench/fonts/font_tools.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "bench/fields/integer_field.h"
#include "bench/fonts/font_names.h"
#include "protocol/frame_text.h"

namespace fonts {
namespace {

std::string Folded(const FileRow& row)
{
    std::string key;
    for (std::size_t c = kFontId; c < kColumns; ++c) {
        for (const char ch : row[c])
            key.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(ch))));
        key.push_back('/');
    }
    return key;
}

bool Contains(const std::string& text, std::string_view piece)
{
    return text.find(piece) != std::string::npos;
}

// Rows that are not fonts or have no address pass with their reason; nullopt for the
// rows a tool works on.
std::optional<ToolStep> PassOf(const FileRow& row, int gridRow)
{
    if (!IsFontRow(row)) return ToolStep{ToolStep::Kind::Pass, gridRow, "Not font: " + row[kFontId], {}, {}};
    if (row[kAddress].empty())
        return ToolStep{ToolStep::Kind::Pass, gridRow, "No address :" + row[kFileName], {}, {}};
    return std::nullopt;
}

// What a tool would make of a font row: the new name, the target (a name in the
// font folder, or a path relative to it), or the error that stops the tool.
struct Planned {
    std::string newName;
    std::string target;
    std::string error;
};

template <typename Plan>
std::vector<ToolStep> PlanPerRow(const FileRows& rows, ToolStep::Kind kind, Plan plan)
{
    std::vector<ToolStep> steps;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FileRow& row = rows[i];
        const int gridRow = static_cast<int>(i) + 1;
        if (auto pass = PassOf(row, gridRow)) {
            steps.push_back(*pass);
            continue;
        }
        const Planned planned = plan(row);
        // A file that already has the new name, or whose name is too short to be a
        // font file's, is left as it is.
        if (planned.newName == row[kFileName] || row[kFileName].size() <= 3) {
            steps.push_back({ToolStep::Kind::Leave, gridRow, {}, {}, {}});
            continue;
        }
        if (!planned.error.empty()) {
            steps.push_back({ToolStep::Kind::Stop, gridRow, planned.error, {}, {}});
            break;
        }
        steps.push_back({kind, gridRow, {}, row[kFileName], planned.target});
    }
    return steps;
}

}  // namespace

std::uint32_t FontBase(int item) { return item == 1 ? 0x00010000 : 0x00100000; }

bool IsFontRow(const FileRow& row) { return !Contains(row[kFontId], "@"); }

void AssignAddresses(FileRows& rows, std::uint32_t base)
{
    std::uint32_t address = base;
    for (FileRow& row : rows) {
        if (!IsFontRow(row)) continue;
        row[kAddress] = protocol::HexText32(address);
        const fields::IntegerField flash = fields::ParseIntegerField(row[kFlash]);
        address += static_cast<std::uint32_t>(flash.value.value_or(0));
    }
}

void SortById(FileRows& rows)
{
    std::vector<std::pair<std::string, FileRow>> keyed;
    keyed.reserve(rows.size());
    for (const FileRow& row : rows) keyed.emplace_back(Folded(row), row);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string number = rows[i][kNo];
        rows[i] = keyed[i].second;
        rows[i][kNo] = number;
    }
}

std::vector<ToolStep> PlanRename(const FileRows& rows)
{
    return PlanPerRow(rows, ToolStep::Kind::Rename, [](const FileRow& row) {
        const std::string name = FontFileName(row);
        return Planned{name, name, {}};
    });
}

std::vector<ToolStep> PlanUdiskCopies(const FileRows& rows)
{
    return PlanPerRow(rows, ToolStep::Kind::Copy, [](const FileRow& row) {
        const std::string name = UdiskFileName(row);
        return Planned{name, std::string(kUdiskFolder) + "/" + name, {}};
    });
}

std::vector<ToolStep> PlanBoardScribeCopies(const FileRows& rows)
{
    return PlanPerRow(rows, ToolStep::Kind::Copy, [](const FileRow& row) {
        const std::string name = BoardScribeFileName(row);
        // The id's characters after "FT" (at most ten) as a decimal number.
        const std::string digits = row[kFontId].size() > 2 ? row[kFontId].substr(2, 10) : std::string();
        const fields::IntegerField id = fields::ParseIntegerField(digits);
        if (!id.value) return Planned{name, {}, id.error};
        const char* folder = *id.value < 200 ? kAsciiFolder : kAsianFolder;
        return Planned{name, std::string(folder) + "/" + name, {}};
    });
}

std::vector<ToolStep> PlanDownloadCopies(const FileRows& rows, const std::vector<int>& gridRows)
{
    std::vector<ToolStep> steps;
    for (const int gridRow : gridRows) {
        if (gridRow < 1 || gridRow > static_cast<int>(rows.size())) continue;
        const FileRow& row = rows[static_cast<std::size_t>(gridRow - 1)];
        if (!Contains(row[kFontId], "FT")) {
            steps.push_back({ToolStep::Kind::Pass,
                             gridRow,
                             "FT not found, can't copy " + row[kFontId] + " to _temp/",
                             {},
                             {}});
            continue;
        }
        if (row[kAddress].size() < 2) {
            steps.push_back({ToolStep::Kind::Pass,
                             gridRow,
                             "Address len<2, can't copy " + row[kFileName] + " to _temp/" + row[kAddress],
                             {},
                             {}});
            continue;
        }
        steps.push_back({ToolStep::Kind::Copy, gridRow, {}, row[kFileName], DownloadFileName(row[kAddress])});
    }
    return steps;
}

std::vector<ReportLine> FontReport(const FileRows& rows)
{
    std::vector<ReportLine> lines;
    for (const FileRow& row : rows) {
        if (Contains(row[kFontId], "FT")) {
            lines.push_back({"FONT", row[kFileName] + "  ----  " + row[kFontId] + "_" + row[kFontName] + "_" +
                                         row[kHeight] + "x" + row[kWidth] + "_" + row[kBytes] + " bytes"});
        } else {
            lines.push_back({"FILE", row[kFileName]});
        }
    }
    return lines;
}

}  // namespace fonts
