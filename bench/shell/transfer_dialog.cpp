#include "bench/shell/transfer_dialog.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>

namespace shell {

TransferDialog::TransferDialog(QWidget& window, const std::string& title) : dialog_(&window)
{
    dialog_.setWindowTitle(QString::fromStdString(title));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setCancelButtonText("Cancel");
    // Cancel is read after the page in flight is answered, never by a reset.
    dialog_.setAutoReset(false);
    dialog_.setAutoClose(false);
    dialog_.setMinimumDuration(0);
    dialog_.setRange(0, 0);
    dialog_.show();
    QCoreApplication::processEvents();
}

void TransferDialog::Show(const std::string& text, long long bytesSent, long long bytesTotal)
{
    // The bar counts bytes; a file above 2 GB would not fit its int range.
    const long long total = std::clamp(bytesTotal, 1LL, static_cast<long long>(INT_MAX));
    dialog_.setMaximum(static_cast<int>(total));
    dialog_.setValue(static_cast<int>(std::clamp(bytesSent, 0LL, total)));
    dialog_.setLabelText(QString::fromStdString(text + "\n" + std::to_string(bytesSent) + " of " +
                                                std::to_string(bytesTotal) + " bytes sent"));
    QCoreApplication::processEvents();
}

bool TransferDialog::PageAnswered()
{
    QCoreApplication::processEvents();
    return dialog_.wasCanceled();
}

}  // namespace shell
