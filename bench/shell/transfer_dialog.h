#pragma once

#include <QProgressDialog>

#include "bench/shell/transfer_progress.h"

namespace shell {

// The progress dialog of a long transfer, modal to the window: what goes out next,
// the bytes sent, and Cancel. Between pages the window paints and handles input.
class TransferDialog : public TransferProgress {
public:
    TransferDialog(QWidget& window, const std::string& title);

    void Show(const std::string& text, long long bytesSent, long long bytesTotal) override;
    bool PageAnswered() override;

private:
    QProgressDialog dialog_;
};

}  // namespace shell
