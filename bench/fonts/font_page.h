#pragma once

#include <QButtonGroup>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "bench/fonts/font_tools.h"

class QTableWidget;

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
// The download copies of "Send Font to LED" wait in this folder of the home folder.
inline constexpr char kTempFontFolder[] = "_temp";

// The page "Font": the sign's font memory (list, names, delete, download) and the
// tools that sort, address, rename and pack the local font files.
class FontPage : public QWidget {
    Q_OBJECT
public:
    explicit FontPage(shell::BenchHost& host, QWidget* parent = nullptr);
    ~FontPage() override;

public slots:
    // The local font files
    void BtnOpenFontClick();
    void ScanFontDirectory();
    void StringGridWriteFontClick();
    void Button6Click();
    void Button3Click();
    void Button2Click();
    void BtnChangeFontNameClick();
    void Button4Click();
    void BtnCreateUdiskFileClick();
    void BtnOpenUdiskFileClick();
    void BtnCreateBoardScribeClick();
    void BtnDisableFontPanelClick();
    void Button1Click();
    // The sign's font memory
    void BtnReadFontListClick();
    void suiButton25Click();
    void sbtnMredClick();
    void BtnEraseFontClick();
    void suiButton21Click();

private:
    fonts::FileRows FileRows() const;
    void ShowFileRows(const fonts::FileRows& rows);
    // The chosen row of a grid; row 1 while none is chosen, as in a grid whose
    // first row below the titles starts out chosen.
    static int ChosenRow(const QTableWidget& grid);
    static std::string Cell(const QTableWidget& grid, int row, int column);
    static void SetCell(QTableWidget& grid, int row, int column, const std::string& text);
    // The folder of EditFlashPath, with its "/".
    std::string FontFolder() const;
    std::string HomePath(const char* folder) const;
    std::optional<std::uint16_t> SignId();
    // Shows the frame in the protocol view and exchanges it; the reply count.
    int Exchange(const std::string& frameText);
    void OpenFolder(const std::string& path);

    shell::BenchHost& host_;
    std::unique_ptr<Ui::FontPage> ui_;
    // The radio groups' choices, by item index.
    QButtonGroup writeFontOption_{this};
    QButtonGroup fontBase_{this};
};
