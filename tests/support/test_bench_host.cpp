#include "tests/support/test_bench_host.h"

#include "protocol/frame_layout.h"

namespace testsupport {

TestBenchHost::TestBenchHost(std::string homeFolder) : home_(std::move(homeFolder))
{
    link_.tcp.timeoutMs = 2000;
    link_.tcp.pauseAfterCloseMs = 0;
}

void TestBenchHost::UseTcp(const std::string& host, std::uint16_t port)
{
    link_.link = links::Link::Tcpip;
    link_.tcp.address = host;
    link_.tcp.port = port;
}

void TestBenchHost::UseSerial(const std::string& device, int timeoutMs)
{
    link_.link = links::Link::Rs232;
    link_.serial.device = device;
    link_.serial.port = 1;
    link_.serial.timeoutMs = timeoutMs;
}

void TestBenchHost::ShowFrameLayout(int layout)
{
    lastLayout = layout;
    view = protocol::ShowFrameLayout(hexData_, layout, false, 5);
}

void TestBenchHost::BtnSend1Click()
{
    statusText.clear();
    SendFrameText();
}

int TestBenchHost::SendFrameText()
{
    sent_.push_back(hexData_);
    link_.frameText = hexData_;
    link_.serial.editHexData = hexData_;
    return links::SendFrameText(link_, reply_, *this);
}

void TestBenchHost::MonitorLog(const std::string& tag, const std::string& text, bool separator)
{
    links::MonitorLog(*this, tag, text, separator);
}

platform::Profile TestBenchHost::Settings() const { return platform::Profile(home_ + "/setup.cfg"); }

bool TestBenchHost::Confirm(const std::string& text)
{
    boxes.push_back(text);
    if (confirmAnswers.empty()) return true;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

std::string TestBenchHost::OpenFileName(const std::string& title, const std::string& filter)
{
    return OpenFileNameIn(title, filter, home_);
}

std::string TestBenchHost::OpenFileNameIn(const std::string& title, const std::string& filter,
                                          const std::string& folder)
{
    (void)title;
    (void)filter;
    lastDialogFolder = folder;
    lastDialogName.clear();
    if (fileAnswers.empty()) return {};
    std::string answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::string TestBenchHost::SaveFileName(const std::string& title, const std::string& filter,
                                        const std::string& folder, const std::string& name)
{
    std::string answer = OpenFileNameIn(title, filter, folder);
    lastDialogName = name;
    return answer;
}

int TestBenchHost::ExchangeBytes(std::span<const std::uint8_t> wire, bool log)
{
    exchanged.emplace_back(wire.begin(), wire.end());
    exchangedLogged.push_back(log);
    return links::ExchangeBytes(link_, wire, log, reply_, *this);
}

namespace {

// Records what the page shows, and presses Cancel as the test asked.
class RecordingTransfer : public shell::CountedTransfer {
public:
    RecordingTransfer(std::optional<long long> cancelAfter, std::vector<std::string>& texts)
        : CountedTransfer(cancelAfter), texts_(texts)
    {
    }
    void Show(const std::string& text, long long bytesSent, long long bytesTotal) override
    {
        CountedTransfer::Show(text, bytesSent, bytesTotal);
        texts_.push_back(text);
    }

private:
    std::vector<std::string>& texts_;
};

}  // namespace

std::unique_ptr<shell::TransferProgress> TestBenchHost::BeginTransfer(const std::string& title)
{
    transferTitles.push_back(title);
    std::optional<long long> cancelAfter;
    if (!cancelAfterPages.empty()) {
        cancelAfter = cancelAfterPages.front();
        cancelAfterPages.pop_front();
    }
    return std::make_unique<RecordingTransfer>(cancelAfter, progressTexts);
}

}  // namespace testsupport
