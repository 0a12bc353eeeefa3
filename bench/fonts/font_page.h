#pragma once

#include <QButtonGroup>
#include <QWidget>
#include <memory>

namespace shell {
class BenchHost;
}
namespace Ui {
class FontPage;
}

// Open dialog of the font folder: any file, or font binaries; it starts in the
// folder _font of the bench's home folder.
inline constexpr char kOpenDialogFontFilter[] = "*.*|*.*|*.bin|*.bin";
inline constexpr char kOpenDialogFontFolder[] = "_font";

// The page "Font": the sign's font memory (list, names, delete, download) and the
// tools that sort, address, rename and pack the local font files.
class FontPage : public QWidget {
    Q_OBJECT
public:
    explicit FontPage(shell::BenchHost& host, QWidget* parent = nullptr);
    ~FontPage() override;

private:
    shell::BenchHost& host_;
    std::unique_ptr<Ui::FontPage> ui_;
    // The radio groups' choices, by item index.
    QButtonGroup writeFontOption_{this};
    QButtonGroup fontBase_{this};
};
