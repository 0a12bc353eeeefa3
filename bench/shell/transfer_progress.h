#pragma once

#include <optional>
#include <string>

namespace shell {

// The progress of a long transfer (an image download, a font write). The window
// shows it as a modal progress dialog with Cancel; a batch run counts answered
// pages for its "cancel N" line; page tests decide when Cancel is pressed.
class TransferProgress {
public:
    virtual ~TransferProgress() = default;

    // What goes out next ("page k of T"; fonts also "file i of n") with the bytes
    // sent so far of the total. Lets the window paint and handle input.
    virtual void Show(const std::string& text, long long bytesSent, long long bytesTotal) = 0;
    // Counts one page the sign has answered. True when Cancel has been pressed: the
    // transfer then stops after this page, as it would on a failed page.
    virtual bool PageAnswered() = 0;
};

// A transfer without a dialog: Cancel is pressed once the given number of pages is
// answered (a batch run's "cancel N", a page test), never when no number is given.
class CountedTransfer : public TransferProgress {
public:
    explicit CountedTransfer(std::optional<long long> cancelAfterPages = std::nullopt)
        : cancelAfter_(cancelAfterPages)
    {
    }
    void Show(const std::string& text, long long bytesSent, long long bytesTotal) override
    {
        lastText = text;
        lastBytesSent = bytesSent;
        lastBytesTotal = bytesTotal;
    }
    bool PageAnswered() override
    {
        ++answered;
        return cancelAfter_ && answered >= *cancelAfter_;
    }

    std::string lastText;
    long long lastBytesSent = 0;
    long long lastBytesTotal = 0;
    long long answered = 0;

private:
    std::optional<long long> cancelAfter_;
};

// The monitor text of a transfer that the operator cancelled (tag "STOP").
inline std::string CancelledText(long long page, long long pages)
{
    return "Cancelled after page " + std::to_string(page) + " of " + std::to_string(pages);
}

}  // namespace shell
