// Times the bitmap converters and the paged image download: OBMP and XBMP
// conversion in pixels per second, then a download through the bench's download
// loop to a virtual sign on a paced pty, compared with the time its bytes need on
// the line, and the bench's own time per page on an unpaced pty.

#include <fcntl.h>
#include <getopt.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QImage>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/images/image_download.h"
#include "bench/images/obmp_file.h"
#include "bench/images/ogif_frames.h"
#include "bench/images/seven_colour_preview.h"
#include "bench/images/xbmp_file.h"
#include "bench/links/collecting_monitor.h"
#include "bench/links/send_path.h"
#include "bench/shell/bench_host.h"
#include "platform/self_path.h"
#include "protocol/frame_text.h"
#include "protocol/wire_frame.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double ProcessCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A folder under $TMPDIR for the pty link and the file, removed with its content.
class ScratchDir {
public:
    ScratchDir()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/bench-images-XXXXXX";
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// signsim on a pty (with the given extra arguments), stopped by its process id when
// the object goes away.
class Sim {
public:
    Sim(const std::string& executable, std::vector<std::string> args)
    {
        int out[2];
        if (pipe(out) != 0) throw std::runtime_error("pipe failed");
        pid_ = fork();
        if (pid_ < 0) throw std::runtime_error("fork failed");
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv{const_cast<char*>(executable.c_str())};
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(executable.c_str(), argv.data());
            _exit(127);
        }
        close(out[1]);
        const int readEnd = out[0];
        try {
            pty_ = PtyOf(ReadyLine(readEnd));
        } catch (...) {
            close(readEnd);
            Stop();
            throw;
        }
        close(readEnd);
    }
    Sim(const Sim&) = delete;
    Sim& operator=(const Sim&) = delete;
    ~Sim() { Stop(); }
    const std::string& Pty() const { return pty_; }

private:
    static std::string PtyOf(const std::string& line)
    {
        std::istringstream words(line);
        std::string word;
        while (words >> word)
            if (word.rfind("pty=", 0) == 0) return word.substr(4);
        throw std::runtime_error("signsim gave no pty: " + line);
    }
    static std::string ReadyLine(int fd)
    {
        std::string line;
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < deadline) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 100) <= 0) continue;
            char c = 0;
            if (read(fd, &c, 1) != 1) throw std::runtime_error("signsim ended before it was ready");
            if (c != '\n') {
                line += c;
            } else if (line.rfind("signsim ready", 0) == 0) {
                return line;
            } else {
                line.clear();
            }
        }
        throw std::runtime_error("signsim did not get ready within 10 s");
    }
    void Stop()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

    pid_t pid_ = -1;
    std::string pty_;
};

// The window as the download loop sees it: the send path over the pty, monitor
// lines collected, no boxes or dialogs. Counts the wire bytes of every exchange.
class LoopHost : public shell::BenchHost, public links::Monitor {
public:
    LoopHost(const std::string& pty, int baud)
    {
        request_.link = links::Link::Rs232;
        request_.serial.device = pty;
        request_.serial.baudRate = baud;
        request_.serial.timeoutMs = 2000;
    }

    void AppendLine(const std::string& line) override
    {
        if (lastLines.size() == 12) lastLines.erase(lastLines.begin());
        lastLines.push_back(line);
    }
    std::vector<std::string> lastLines;  // the end of the monitor, shown when a download fails
    std::string SignIdText() const override { return "65278"; }
    void SetHexData(const std::string& frameText) override { hexData_ = frameText; }
    std::string HexData() const override { return hexData_; }
    void ShowFrameLayout(int layout) override { (void)layout; }
    void BtnSend1Click() override { SendFrameText(); }
    int SendFrameText() override
    {
        request_.frameText = hexData_;
        request_.serial.editHexData = hexData_;
        const int count = links::SendFrameText(request_, reply_, *this);
        sentBytes += protocol::FrameTextToBytes(hexData_).size();
        if (count > 0) receivedBytes += WireLength(count);
        ++pages;
        return count;
    }
    const links::ReplyBuffer& Reply() const override { return reply_; }
    int ExchangeBytes(std::span<const std::uint8_t> wire, bool log) override
    {
        return links::ExchangeBytes(request_, wire, log, reply_, *this);
    }
    void MonitorLog(const std::string& tag, const std::string& text, bool separator) override
    {
        links::MonitorLog(*this, tag, text, separator);
    }
    void SetStatusText(const std::string& text) override { (void)text; }
    platform::Profile Settings() const override { return platform::Profile("/nonexistent/setup.cfg"); }
    std::string HomeFolder() const override { return "/nonexistent"; }
    bool Confirm(const std::string& text) override
    {
        boxes.push_back(text);
        return true;
    }
    void Inform(const std::string& text) override { boxes.push_back(text); }
    void Warn(const std::string& text) override { boxes.push_back(text); }
    void ConversionError(const std::string& text) override { boxes.push_back(text); }
    std::string OpenFileName(const std::string&, const std::string&) override { return {}; }
    std::string OpenFileNameIn(const std::string&, const std::string&, const std::string&) override
    {
        return {};
    }
    std::string SaveFileName(const std::string&, const std::string&, const std::string&,
                             const std::string&) override
    {
        return {};
    }
    bool OpenWithDesktop(const std::string&) override { return false; }
    void ProcessEvents() override {}
    std::unique_ptr<shell::TransferProgress> BeginTransfer(const std::string&) override
    {
        return std::make_unique<shell::CountedTransfer>();
    }

    std::vector<std::string> boxes;
    std::size_t sentBytes = 0;
    std::size_t receivedBytes = 0;
    int pages = 0;

private:
    // The reply as it crossed the line: 7E 01, the escaped bytes between the markers,
    // 7E 00 (the 00 the bench appends stands for the one the sign sent).
    std::size_t WireLength(int count) const
    {
        const auto unescaped = static_cast<std::size_t>(count);
        std::size_t wire = unescaped;
        for (std::size_t k = 2; k + 2 < unescaped; ++k)
            if (reply_.bytes[k] == 0x7D || reply_.bytes[k] == 0x7E) ++wire;
        return wire;
    }

    std::string hexData_;
    links::SendRequest request_;
    links::ReplyBuffer reply_;
};

struct Conversion {
    const char* name;
    int width, height;
    double seconds = 0;
    std::size_t bytes = 0;
};

template <typename Convert>
void Time(Conversion& c, int rounds, Convert convert)
{
    const auto start = Clock::now();
    for (int r = 0; r < rounds; ++r) c.bytes = convert();
    c.seconds = SecondsSince(start) / rounds;
}

QImage Photo(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) row[x] = qRgb((x / 7) & 0xFF, (y / 5) & 0xFF, (x + y) / 11 & 0xFF);
    }
    return image;
}

std::string WriteFile(const std::string& path, std::size_t size)
{
    std::vector<char> bytes(size);
    for (std::size_t k = 0; k < size; ++k) bytes[k] = static_cast<char>(k * 31 + k / 248);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
    return path;
}

struct Download {
    double seconds = 0;
    double cpuSeconds = 0;  // this process's own share
    int pages = 0;
    std::size_t lineBytes = 0;
    bool complete = false;
};

Download Run(const std::string& simPath, const std::string& folder, const std::string& file,
             std::vector<std::string> simArgs, int baud)
{
    simArgs.insert(simArgs.begin(), {"--pty", folder + "/sign"});
    Sim sim(simPath, simArgs);
    LoopHost host(sim.Pty(), baud);
    images::DownloadOptions options;
    options.path = file;
    const auto start = Clock::now();
    const double cpu0 = ProcessCpuSeconds();
    const images::DownloadResult result = images::DownloadImageFile(host, options);
    Download d;
    d.seconds = SecondsSince(start);
    d.cpuSeconds = ProcessCpuSeconds() - cpu0;
    d.pages = host.pages;
    d.lineBytes = host.sentBytes + host.receivedBytes;
    d.complete = result.end == images::DownloadEnd::Complete;
    for (const std::string& box : host.boxes) std::cerr << "bench-images: box: " << box << '\n';
    if (!d.complete) {
        std::cerr << "bench-images: the download ended early; the monitor's last lines:\n";
        for (const std::string& line : host.lastLines) std::cerr << "  " << line.substr(0, 160) << '\n';
    }
    return d;
}

}  // namespace

int main(int argc, char** argv)
{
    int baud = 115200;
    std::size_t size = 100 * 1024;
    static const option kOptions[] = {{"baud", required_argument, nullptr, 'b'},
                                      {"bytes", required_argument, nullptr, 'n'},
                                      {"help", no_argument, nullptr, 'h'},
                                      {nullptr, 0, nullptr, 0}};
    int choice = 0;
    while ((choice = getopt_long(argc, argv, "h", kOptions, nullptr)) != -1) {
        if (choice == 'h') {
            std::cout << "Usage: bench-images [--baud N] [--bytes N]\n"
                         "Times the OBMP and XBMP converters in pixels per second, and a download to\n"
                         "a virtual sign (signsim beside this program) on a paced pty against the time\n"
                         "its bytes need on the line, and on an unpaced pty.\n"
                         "  --baud N     speed of the paced pty (default 115200)\n"
                         "  --bytes N    size of the downloaded file (default 102400)\n"
                         "  -h, --help   show this help and exit\n";
            return 0;
        }
        if (choice != 'b' && choice != 'n') {
            std::cerr << "Try 'bench-images --help' for more information.\n";
            return 2;
        }
        char* end = nullptr;
        const long value = std::strtol(optarg, &end, 10);
        if (*optarg == '\0' || *end != '\0' || value <= 0 || value > 100000000) {
            std::cerr << "bench-images: '" << optarg << "' is not a number from 1 to 100000000\n"
                      << "Try 'bench-images --help' for more information.\n";
            return 2;
        }
        if (choice == 'b') {
            baud = static_cast<int>(value);
        } else {
            size = static_cast<std::size_t>(value);
        }
    }
    if (optind < argc) {
        std::cerr << "bench-images: unexpected argument '" << argv[optind] << "'\n";
        return 2;
    }

    const QImage strip = Photo(1024, 128);
    const QImage tall = Photo(images::kXbmpMaxWidth, 2000);
    Conversion conversions[] = {{"OBMP 1024 x 128", 1024, 128},
                                {"XBMP 1365 x 2000 plain", images::kXbmpMaxWidth, 2000},
                                {"XBMP 1365 x 2000 compressed", images::kXbmpMaxWidth, 2000}};
    Time(conversions[0], 20, [&] {
        const QImage preview = images::SevenColourPreview(strip, {});
        return images::BuildObmpFile(preview, {preview.width(), preview.height()}).size();
    });
    Time(conversions[1], 3, [&] { return images::BuildXbmpFile(tall, {10, false}).size(); });
    Time(conversions[2], 3, [&] { return images::BuildXbmpFile(tall, {10, true}).size(); });
    std::printf("%-30s %12s %16s %12s\n", "conversion", "ms", "pixels/s", "file bytes");
    for (const Conversion& c : conversions) {
        std::printf("%-30s %12.2f %16.0f %12zu\n", c.name, c.seconds * 1e3, c.width * c.height / c.seconds,
                    c.bytes);
    }

    try {
        const std::string simPath = platform::DirectoryOf(platform::SelfPath()) + "/signsim";
        if (access(simPath.c_str(), X_OK) != 0) {
            std::cerr << "bench-images: no signsim beside this program (" << simPath << ")\n";
            return 1;
        }
        ScratchDir dir;
        const std::string file = WriteFile(dir.Path() + "/download.ogif", size);

        const Download paced = Run(simPath, dir.Path(), file, {"--baud", std::to_string(baud)}, baud);
        const double lineSeconds = static_cast<double>(paced.lineBytes) * 10.0 / baud;
        std::printf("\ndownload of %zu bytes, %d pages, to signsim --pty --baud %d:\n", size, paced.pages,
                    baud);
        std::printf("  took %.3f s; the line needs %.3f s for its %zu bytes both ways; ratio %.3f%s\n",
                    paced.seconds, lineSeconds, paced.lineBytes, paced.seconds / lineSeconds,
                    paced.complete ? "" : " (INCOMPLETE)");

        const Download unpaced = Run(simPath, dir.Path(), file, {}, baud);
        std::printf("  the bench's own CPU: %.3f ms a page\n", paced.cpuSeconds * 1e3 / paced.pages);
        std::printf("unpaced pty: %.3f s for %d pages, %.3f ms a page (the bench's own CPU %.3f ms)%s\n",
                    unpaced.seconds, unpaced.pages, unpaced.seconds * 1e3 / unpaced.pages,
                    unpaced.cpuSeconds * 1e3 / unpaced.pages, unpaced.complete ? "" : " (INCOMPLETE)");
        return paced.complete && unpaced.complete ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "bench-images: " << e.what() << '\n';
        return 1;
    }
}
