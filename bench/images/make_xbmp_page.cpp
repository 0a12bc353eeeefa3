#include "bench/images/make_xbmp_page.h"

#include <QStyle>

#include "bench/shell/bench_host.h"
#include "ui_make_xbmp_page.h"

MakeXbmpPage::MakeXbmpPage(shell::BenchHost& host, QWidget* parent)
    : QWidget(parent), host_(host), ui_(std::make_unique<Ui::MakeXbmpPage>())
{
    ui_->setupUi(this);
    // The folder button carries only its glyph.
    ui_->suiButton22->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
}

MakeXbmpPage::~MakeXbmpPage() = default;
