#pragma once

#include <QWidget>
#include <memory>

namespace shell {
class BenchHost;
}
namespace Ui {
class SendImagePage;
}

// Open dialog of the download: the sign's image files first, then the other kinds
// the operator may pick.
inline constexpr char kOpenDialog1Filter[] =
    "*.obmp;*.ogif;*.xgif;*.xbmp|*.ogif;*.obmp;*.xgif;*.xbmp|*.txt|*.txt|*.otxt|*.otxt|*.bmp|*.bmp|*.xbmp|*."
    "xbmp";

// The page "Send Image": downloads an image file page by page into a program slot
// of the sign, with the program's play options in the header page.
class SendImagePage : public QWidget {
    Q_OBJECT
public:
    explicit SendImagePage(shell::BenchHost& host, QWidget* parent = nullptr);
    ~SendImagePage() override;

public slots:
    void BtnOgifOpenClick();
    void BtnOgifClick();
    // The file to download next (the OBMP converter hands over what it wrote).
    void SetImageFile(const QString& path);

private:
    shell::BenchHost& host_;
    std::unique_ptr<Ui::SendImagePage> ui_;
};
