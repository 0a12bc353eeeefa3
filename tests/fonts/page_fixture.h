#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTableWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/fonts/font_page.h"
#include "tests/fonts/font_bytes.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

namespace fontstest {

// The "Font" page in a temporary home folder whose _font folder holds font files
// the test makes.
class FontPageFixture : public ::testing::Test {
protected:
    FontPageFixture() : host(home.Path()), page(host) { std::filesystem::create_directory(FontFolder()); }

    std::string FontFolder() const { return home.File("_font"); }
    std::string FontFile(const std::string& name) const { return FontFolder() + "/" + name; }
    void MakeFont(const std::string& name, const FontHeaderFields& font)
    {
        WriteFile(FontFile(name), FontBytes(font));
    }

    template <typename Control = QWidget>
    Control& Find(const char* name)
    {
        auto* control = page.template findChild<Control*>(name);
        if (!control) ADD_FAILURE() << "no control " << name;
        return *control;
    }
    void Click(const char* name) { Find<QAbstractButton>(name).click(); }
    std::string Text(const char* name) { return Find<QLineEdit>(name).text().toStdString(); }

    // Picks a file of the font folder through "Open Font Dire".
    void OpenFolder(const std::string& anyFile)
    {
        host.fileAnswers = {FontFile(anyFile)};
        Click("BtnOpenFont");
    }
    void SelectRow(const char* grid, int row)
    {
        auto& table = Find<QTableWidget>(grid);
        table.setCurrentCell(row, 0);
        emit table.cellClicked(row, 0);
    }
    std::string Cell(const char* grid, int row, int column)
    {
        const auto* item = Find<QTableWidget>(grid).item(row, column);
        return item ? item->text().toStdString() : std::string();
    }
    // A column of a grid below its titles.
    std::vector<std::string> Column(const char* grid, int column)
    {
        std::vector<std::string> cells;
        for (int r = 1; r < Find<QTableWidget>(grid).rowCount(); ++r) cells.push_back(Cell(grid, r, column));
        return cells;
    }
    // The monitor lines with a tag, as "[TAG]: text".
    std::vector<std::string> Lines(const std::string& tag) const
    {
        std::vector<std::string> lines;
        for (const std::string& line : host.monitorLines)
            if (line.rfind("[" + tag + "]: ", 0) == 0) lines.push_back(line);
        return lines;
    }
    std::vector<std::string> FilesIn(const std::string& folder) const
    {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    testsupport::TempDir home;
    testsupport::TestBenchHost host;
    FontPage page;
};

}  // namespace fontstest
