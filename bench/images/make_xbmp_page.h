#pragma once

#include <QWidget>
#include <memory>

namespace shell {
class BenchHost;
}
namespace Ui {
class MakeXbmpPage;
}

// Save dialog of the OBMP converter: its filter and the name it proposes.
inline constexpr char kSaveDialog1Filter[] = "*.obmp|*.obmp";
inline constexpr char kSaveDialog1FileName[] = "obmp1";

// The page "Make XBmp": converts bitmaps into the sign's OBMP (seven colours) and
// XBMP (full colour) image files, one inner page each.
class MakeXbmpPage : public QWidget {
    Q_OBJECT
public:
    explicit MakeXbmpPage(shell::BenchHost& host, QWidget* parent = nullptr);
    ~MakeXbmpPage() override;

private:
    shell::BenchHost& host_;
    std::unique_ptr<Ui::MakeXbmpPage> ui_;
};
