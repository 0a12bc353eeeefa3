#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "bench/links/monitor.h"
#include "bench/links/send_path.h"
#include "bench/shell/bench_host.h"

namespace testsupport {

// A BenchHost for page tests: the page's frames really go through the send path to
// a virtual sign (a pty or loopback TCP), monitor lines and boxes are collected, and
// confirmations and file dialogs are answered from queues. setup.cfg lives in the
// given home folder.
class TestBenchHost : public shell::BenchHost, public links::Monitor {
public:
    explicit TestBenchHost(std::string homeFolder);

    void UseTcp(const std::string& host, std::uint16_t port);
    void UseSerial(const std::string& device, int timeoutMs = 300);

    std::string signIdText = "65278";
    std::vector<std::string> monitorLines;  // every monitor line, separators included
    std::vector<std::string> boxes;         // every box's text, in order
    std::deque<bool> confirmAnswers;        // answers to Confirm; true (OK) when empty
    std::deque<std::string> fileAnswers;    // answers to the file dialogs; "" when empty
    std::deque<long long> cancelAfterPages; // next transfer: Cancel after N answered pages
    std::vector<std::string> opened;        // paths given to OpenWithDesktop
    std::vector<std::string> transferTitles;  // one per BeginTransfer
    std::vector<std::string> progressTexts;   // every progress text shown, in order
    int processEventsCalls = 0;
    std::string view;                       // what Memo1 would show
    int lastLayout = -1;
    std::string statusText;                 // LabelMsg

    // links::Monitor
    void AppendLine(const std::string& line) override { monitorLines.push_back(line); }

    // shell::BenchHost
    std::string SignIdText() const override { return signIdText; }
    void SetHexData(const std::string& frameText) override { hexData_ = frameText; }
    std::string HexData() const override { return hexData_; }
    void ShowFrameLayout(int layout) override;
    void BtnSend1Click() override;
    int SendFrameText() override;
    const links::ReplyBuffer& Reply() const override { return reply_; }
    int ExchangeBytes(std::span<const std::uint8_t> wire, bool log) override;
    void MonitorLog(const std::string& tag, const std::string& text, bool separator) override;
    void ClearMonitor() override { monitorLines.clear(); }
    void SetStatusText(const std::string& text) override { statusText = text; }
    platform::Profile Settings() const override;
    std::string HomeFolder() const override { return home_; }
    bool Confirm(const std::string& text) override;
    void Inform(const std::string& text) override { boxes.push_back(text); }
    void Warn(const std::string& text) override { boxes.push_back(text); }
    void ConversionError(const std::string& text) override { boxes.push_back(text); }
    std::string OpenFileName(const std::string& title, const std::string& filter) override;
    std::string OpenFileNameIn(const std::string& title, const std::string& filter,
                               const std::string& folder) override;
    std::string SaveFileName(const std::string& title, const std::string& filter, const std::string& folder,
                             const std::string& name) override;
    bool OpenWithDesktop(const std::string& path) override
    {
        opened.push_back(path);
        return true;
    }
    void ProcessEvents() override { ++processEventsCalls; }
    std::unique_ptr<shell::TransferProgress> BeginTransfer(const std::string& title) override;

    // The folder and proposed name of the last file dialog.
    std::string lastDialogFolder;
    std::string lastDialogName;
    // Wire bytes given to ExchangeBytes, with their logging switch.
    std::vector<std::vector<std::uint8_t>> exchanged;
    std::vector<bool> exchangedLogged;

    // The frames sent so far, as the FrameText each send took.
    const std::vector<std::string>& SentFrames() const { return sent_; }

private:
    std::string home_;
    std::string hexData_;
    links::ReplyBuffer reply_;
    links::SendRequest link_;
    std::vector<std::string> sent_;
};

}  // namespace testsupport
