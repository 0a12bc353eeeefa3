#include "bench/images/send_image_page.h"

#include "bench/shell/bench_host.h"
#include "ui_send_image_page.h"

namespace {

// Program ids offered for the download: 0 to 1000 in steps of 5, 200 chosen.
constexpr int kProgramIdStep = 5;
constexpr int kProgramIdLast = 1000;
constexpr int kProgramIdDefault = 200;

}  // namespace

SendImagePage::SendImagePage(shell::BenchHost& host, QWidget* parent)
    : QWidget(parent), host_(host), ui_(std::make_unique<Ui::SendImagePage>())
{
    ui_->setupUi(this);

    QComboBox& ids = *ui_->ComboBoxFileName;
    ids.clear();
    for (int id = 0; id <= kProgramIdLast; id += kProgramIdStep) ids.addItem(QString::number(id));
    ids.setCurrentIndex(kProgramIdDefault / kProgramIdStep);
}

SendImagePage::~SendImagePage() = default;
