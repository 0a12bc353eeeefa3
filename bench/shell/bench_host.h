#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "bench/links/reply_buffer.h"
#include "bench/shell/transfer_progress.h"
#include "platform/profile.h"

namespace shell {

// What a page may ask of the window: the shared controls of the link area and the
// protocol view, the send path, setup.cfg and the boxes. TForm1 implements it; a
// page holds a reference and never reaches into another page's controls.
class BenchHost {
public:
    virtual ~BenchHost() = default;

    // EditSignEdit's text (a decimal sign id).
    virtual std::string SignIdText() const = 0;
    // Writes EditHexData.
    virtual void SetHexData(const std::string& frameText) = 0;
    virtual std::string HexData() const = 0;
    // Fills Memo1 from EditHexData with the given layout (0 to 5).
    virtual void ShowFrameLayout(int layout) = 0;
    // The common send: empties LabelMsg and sends EditHexData over the chosen link.
    virtual void BtnSend1Click() = 0;
    // Sends EditHexData with the serial panel's port and baud; the reply count
    // (above 0) or 0 / -1 for no reply.
    virtual int SendFrameText() = 0;
    virtual const links::ReplyBuffer& Reply() const = 0;
    // One exchange of ready wire bytes (escaped, with head and end) over the chosen
    // link with the serial panel's port and baud, as the font writer sends its pages.
    // With log off the exchange writes no PORT, SEND or RECV lines; the reply goes
    // to Reply(). Result as SendFrameText.
    virtual int ExchangeBytes(std::span<const std::uint8_t> wire, bool log) = 0;
    // A monitor line "[" + tag + "]: " + text, with the separator when asked.
    virtual void MonitorLog(const std::string& tag, const std::string& text, bool separator) = 0;
    // Removes every line of MemoOut, as its clear button does. Hosts without a
    // monitor to show keep the default.
    virtual void ClearMonitor() {}
    virtual void SetStatusText(const std::string& text) = 0;  // LabelMsg

    // setup.cfg in the bench's home folder.
    virtual platform::Profile Settings() const = 0;
    virtual std::string HomeFolder() const = 0;

    // Boxes, answered from the script in batch mode. Confirm: a warning box with
    // OK and Cancel, true for OK.
    virtual bool Confirm(const std::string& text) = 0;
    virtual void Inform(const std::string& text) = 0;
    virtual void Warn(const std::string& text) = 0;
    // The standard conversion error box for a field that must hold a number.
    virtual void ConversionError(const std::string& text) = 0;
    // A file dialog; empty when cancelled.
    virtual std::string OpenFileName(const std::string& title, const std::string& filter) = 0;
    // An open dialog that starts in the given folder; empty when cancelled.
    virtual std::string OpenFileNameIn(const std::string& title, const std::string& filter,
                                       const std::string& folder) = 0;
    // A save dialog starting in folder with the proposed file name; empty when cancelled.
    virtual std::string SaveFileName(const std::string& title, const std::string& filter, const std::string& folder,
                                     const std::string& name) = 0;
    // Opens a folder in the desktop's file browser or a file in its editor. False when
    // nothing could open it (the page says so).
    virtual bool OpenWithDesktop(const std::string& path) = 0;

    // Lets the window handle pending input and painting (between pages of a
    // transfer, or to show a line at once).
    virtual void ProcessEvents() = 0;
    // The progress of a long transfer; it closes when the object goes away.
    virtual std::unique_ptr<TransferProgress> BeginTransfer(const std::string& title) = 0;
};

}  // namespace shell
