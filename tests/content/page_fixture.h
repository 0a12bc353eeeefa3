#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/content/inst_frame.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

namespace contenttest {

// A page under test, talking through the send path to a signsim on loopback TCP.
template <typename Page>
class PageFixture : public ::testing::Test {
protected:
    PageFixture() : sim(testsupport::SimProcess::Options{}), host(dir.Path()), page(host)
    {
        host.UseTcp(sim.TcpHost(), sim.TcpPort());
    }

    template <typename Control = QWidget>
    Control& Find(const char* name)
    {
        auto* control = page.template findChild<Control*>(name);
        if (!control) ADD_FAILURE() << "no control " << name;
        return *control;
    }
    void Click(const char* name) { Find<QAbstractButton>(name).click(); }
    void Choose(const char* name, const QString& item)
    {
        auto& box = Find<QComboBox>(name);
        const int index = box.findText(item, Qt::MatchExactly);
        ASSERT_GE(index, 0) << item.toStdString();
        box.setCurrentIndex(index);
        emit box.activated(index);
    }
    void Set(const char* name, const QString& text) { Find<QLineEdit>(name).setText(text); }
    std::string Text(const char* name) { return Find<QLineEdit>(name).text().toStdString(); }

    // The rows of a grid, header first, cells joined by tabs.
    std::vector<std::string> Rows(const char* name)
    {
        auto& grid = Find<QTableWidget>(name);
        std::vector<std::string> rows;
        for (int r = 0; r < grid.rowCount(); ++r) {
            std::string row;
            for (int c = 0; c < grid.columnCount(); ++c) {
                if (c > 0) row += '\t';
                if (const auto* item = grid.item(r, c)) row += item->text().toStdString();
            }
            rows.push_back(row);
        }
        return rows;
    }

    // Stores a text program on the sign as the "Send Text" page's frame would.
    void StoreProgram(std::uint16_t fileId, const std::string& alias, const std::string& text, int type = 0)
    {
        content::InstOptions o;
        o.startFileId = fileId;
        o.alias = alias;
        o.text.assign(text.begin(), text.end());
        o.programType = type;
        host.SetHexData(content::BuildInstFrame(o).frameText);
        ASSERT_GT(host.SendFrameText(), 0);
        ASSERT_EQ(host.Reply().bytes[10], 0x00);
    }

    // The last frame sent, as FrameText.
    std::string LastSent() const { return host.SentFrames().empty() ? "" : host.SentFrames().back(); }

    testsupport::TempDir dir;
    testsupport::SimProcess sim;
    testsupport::TestBenchHost host;
    Page page;
};

}  // namespace contenttest
