// Writes a 1 MB font through the bench's font writer to a virtual sign on a pty paced
// like a serial line, compares the time with the line's own time for the same bytes,
// measures the bench's time per page on an unpaced pty (the writer alone, and the
// window running it from a batch script), and times the scan of a folder of 1,000
// font files.

#include <getopt.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "bench/fonts/font_folder.h"
#include "bench/fonts/font_writer.h"
#include "bench/fonts/sign_font_frames.h"
#include "bench/links/send_path.h"
#include "bench/shell/bench_host.h"
#include "bench/shell/transfer_progress.h"
#include "platform/self_path.h"
#include "protocol/wire_frame.h"
#include "sim_child.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kFontAddress = 0x00100000;
constexpr std::uint16_t kSignId = 0xFEFE;

// The window as far as the font writer needs it: pages go over the serial link to
// the sign's pty; monitor lines are counted, not shown.
class SerialHost : public shell::BenchHost, public links::Monitor {
public:
    SerialHost(const std::string& device, int baudRate, std::string home) : home_(std::move(home))
    {
        link_.link = links::Link::Rs232;
        link_.serial.device = device;
        link_.serial.port = 1;
        link_.serial.baudRate = baudRate;
        link_.serial.timeoutMs = 1000;
    }
    long long lines = 0;
    long long pagesFailed = 0;

    void AppendLine(const std::string&) override { ++lines; }
    std::string SignIdText() const override { return "65278"; }
    void SetHexData(const std::string& text) override { hexData_ = text; }
    std::string HexData() const override { return hexData_; }
    void ShowFrameLayout(int) override {}
    void BtnSend1Click() override { SendFrameText(); }
    int SendFrameText() override
    {
        link_.frameText = hexData_;
        return links::SendFrameText(link_, reply_, *this);
    }
    const links::ReplyBuffer& Reply() const override { return reply_; }
    int ExchangeBytes(std::span<const std::uint8_t> wire, bool log) override
    {
        const int result = links::ExchangeBytes(link_, wire, log, reply_, *this);
        if (result < 4) ++pagesFailed;
        return result;
    }
    void MonitorLog(const std::string& tag, const std::string& text, bool separator) override
    {
        links::MonitorLog(*this, tag, text, separator);
    }
    void SetStatusText(const std::string&) override {}
    platform::Profile Settings() const override { return platform::Profile(home_ + "/setup.cfg"); }
    std::string HomeFolder() const override { return home_; }
    bool Confirm(const std::string&) override { return true; }
    void Inform(const std::string&) override {}
    void Warn(const std::string&) override {}
    void ConversionError(const std::string&) override {}
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

private:
    std::string home_;
    std::string hexData_;
    links::ReplyBuffer reply_;
    links::SendRequest link_;
};

std::vector<std::uint8_t> FontBytes(std::size_t size, std::uint16_t id)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 131 + 7);
    const std::uint16_t pages = static_cast<std::uint16_t>((size + 255) / 256);
    const std::uint8_t header[20] = {'F',
                                     'T',
                                     'B',
                                     'E',
                                     'N',
                                     'C',
                                     'H',
                                     0,
                                     static_cast<std::uint8_t>(id),
                                     static_cast<std::uint8_t>(id >> 8),
                                     0,
                                     0,
                                     static_cast<std::uint8_t>(pages),
                                     static_cast<std::uint8_t>(pages >> 8),
                                     0,
                                     0,
                                     0,
                                     0,
                                     16,
                                     32};
    for (std::size_t i = 0; i < sizeof header && i < size; ++i) bytes[i] = header[i];
    return bytes;
}

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The bytes on the line for one file: every page frame and its acknowledgement.
long long LineBytes(const std::vector<std::uint8_t>& file)
{
    const std::uint8_t ackContent[] = {'M', 'W', 'R', 'D', 0x00};
    const auto ack = static_cast<long long>(protocol::WireFrame(kSignId, ackContent).size());
    long long total = 0;
    const long long pages = fonts::PageCount(file.size());
    for (long long k = 0; k < pages; ++k) {
        const std::size_t from = static_cast<std::size_t>(k) * fonts::kPageBytes;
        const std::size_t n = std::min(fonts::kPageBytes, file.size() - from);
        const auto page = fonts::BuildPageWrite(kSignId, kFontAddress + static_cast<std::uint32_t>(from),
                                                std::span(file).subspan(from, n));
        total += static_cast<long long>(page.size()) + ack;
    }
    return total;
}

struct WriteFigures {
    double seconds = 0;
    long long pages = 0;
    long long failed = 0;
    bool written = false;
};

WriteFigures WriteThroughWriter(const std::string& simPath, const std::string& scratch,
                                const std::string& name, const std::vector<std::uint8_t>& file, int baud,
                                bool paced)
{
    std::vector<std::string> args = {"--pty", scratch + "/" + name + ".pty"};
    if (paced) args.insert(args.end(), {"--baud", std::to_string(baud)});
    benchsupport::SimChild sim(simPath, args);
    const fs::path temp = fs::path(scratch) / (name + "_temp");
    fs::create_directories(temp);
    WriteFile(temp / "_00100000.bin", file);
    SerialHost host(sim.Field("pty"), baud, scratch);
    const auto start = std::chrono::steady_clock::now();
    const auto outcome = fonts::FontWriter(host, kSignId)
                             .WriteTempFontsToSign(temp.string(), std::set<std::string>{"_00100000.bin"});
    WriteFigures f;
    f.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    f.pages = fonts::PageCount(file.size());
    f.failed = host.pagesFailed;
    f.written = outcome == fonts::FontWriter::Outcome::Written;
    return f;
}

// The same write through the window: signbench runs a batch script that opens the
// font and sends it on COM1, mapped to the sign's pty. The window's time is that of
// the script minus the same script without the send.
double WindowSeconds(const std::string& binFolder, const std::string& scratch, const std::string& name,
                     const std::vector<std::uint8_t>& file, int baud, bool paced, bool& ok)
{
    std::vector<std::string> args = {"--pty", scratch + "/" + name + ".pty"};
    if (paced) args.insert(args.end(), {"--baud", std::to_string(baud)});
    benchsupport::SimChild sim(binFolder + "/signsim", args);
    const fs::path home = fs::path(scratch) / (name + "_home");
    fs::create_directories(home / "_font");
    WriteFile(home / "_font" / "font.bin", file);
    std::ofstream(home / "setup.cfg") << "[SERIALPORTS]\nCOM1=" << sim.Field("pty") << "\n";
    const auto run = [&](bool send) {
        std::ofstream(home / "script.txt")
            << "choose CBComBaud1 " << baud << "\nfile " << (home / "_font" / "font.bin").string()
            << "\nclick BtnOpenFont\nclick Button2\nselect StringGridWriteFont 1\n"
            << (send ? "click suiButton21\n" : "");
        const std::string command = "'" + binFolder + "/signbench' --home '" + home.string() + "' --batch '" +
                                    (home / "script.txt").string() + "' > '" + (home / "out.txt").string() +
                                    "' 2>/dev/null";
        const auto start = std::chrono::steady_clock::now();
        const int status = std::system(command.c_str());
        ok = ok && status == 0;
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    ok = true;
    const double without = run(false);
    const double with = run(true);
    std::ifstream out(home / "out.txt");
    const std::string text((std::istreambuf_iterator<char>(out)), std::istreambuf_iterator<char>());
    ok = ok && text.find("[MWRD]: total 1") != std::string::npos;
    return with - without;
}

constexpr const char* kUsage =
    "Usage: bench-fonts [--size BYTES] [--baud N] [--files N] [--window-paced]\n"
    "Writes a font through the bench's font writer to a virtual sign (signsim beside\n"
    "this program) on a pty paced like a serial line and on an unpaced one, and\n"
    "through the window (signbench --batch); compares the time with the line's own\n"
    "time for the same bytes, and times the scan of a folder of font files.\n"
    "  --size BYTES     size of the font (default 1048576)\n"
    "  --baud N         speed of the paced pty (default 115200)\n"
    "  --files N        font files in the scanned folder (default 1000)\n"
    "  --window-paced   also time the window's write on the paced pty\n"
    "  -h, --help       show this help and exit\n";

int BadUsage()
{
    std::cerr << "Try 'bench-fonts --help' for more information.\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::size_t size = 1 << 20;
    int baud = 115200;
    int files = 1000;
    bool windowPaced = false;
    static const option kOptions[] = {
        {"size", required_argument, nullptr, 's'},  {"baud", required_argument, nullptr, 'b'},
        {"files", required_argument, nullptr, 'f'}, {"window-paced", no_argument, nullptr, 'w'},
        {"help", no_argument, nullptr, 'h'},        {nullptr, 0, nullptr, 0}};
    int choice = 0;
    while ((choice = getopt_long(argc, argv, "h", kOptions, nullptr)) != -1) {
        if (choice == 'h') {
            std::cout << kUsage;
            return 0;
        }
        if (choice == 'w') {
            windowPaced = true;
            continue;
        }
        if (choice != 's' && choice != 'b' && choice != 'f') return BadUsage();
        char* end = nullptr;
        const long value = std::strtol(optarg, &end, 10);
        if (*optarg == '\0' || *end != '\0' || value <= 0 || value > 100000000) {
            std::cerr << "bench-fonts: '" << optarg << "' is not a number from 1 to 100000000\n";
            return BadUsage();
        }
        if (choice == 's') size = static_cast<std::size_t>(value);
        if (choice == 'b') baud = static_cast<int>(value);
        if (choice == 'f') files = static_cast<int>(value);
    }
    if (optind < argc) {
        std::cerr << "bench-fonts: unexpected argument '" << argv[optind] << "'\n";
        return BadUsage();
    }
    try {
        const std::string binFolder = platform::DirectoryOf(platform::SelfPath());
        const std::string simPath = binFolder + "/signsim";
        if (access(simPath.c_str(), X_OK) != 0) {
            std::cerr << "bench-fonts: no signsim beside this program (" << simPath << ")\n";
            return 1;
        }
        benchsupport::ScratchDir scratch("bench-fonts");
        const std::vector<std::uint8_t> font = FontBytes(size, 0x0200);

        const WriteFigures unpaced =
            WriteThroughWriter(simPath, scratch.Path(), "unpaced", font, baud, false);
        std::printf("font writer, %zu bytes in %lld pages, unpaced pty: %.2f s, %.3f ms per page%s\n", size,
                    unpaced.pages, unpaced.seconds,
                    unpaced.seconds * 1e3 / static_cast<double>(unpaced.pages),
                    unpaced.written ? "" : " (FAILED)");

        const WriteFigures paced = WriteThroughWriter(simPath, scratch.Path(), "paced", font, baud, true);
        const double lineSeconds = static_cast<double>(LineBytes(font)) * 10.0 / baud;
        std::printf(
            "font writer, same font, pty paced at %d baud: %.2f s; line time %.2f s; ratio %.3f "
            "(goal at most 1.05)%s\n",
            baud, paced.seconds, lineSeconds, paced.seconds / lineSeconds, paced.written ? "" : " (FAILED)");

        bool windowOk = access((binFolder + "/signbench").c_str(), X_OK) == 0;
        if (windowOk) {
            const double window =
                WindowSeconds(binFolder, scratch.Path(), "window", font, baud, false, windowOk);
            std::printf(
                "the window's font download (signbench --batch), unpaced pty: %.2f s, %.3f ms per page%s\n",
                window, window * 1e3 / static_cast<double>(unpaced.pages), windowOk ? "" : " (FAILED)");
            if (windowPaced) {
                const double windowLine =
                    WindowSeconds(binFolder, scratch.Path(), "windowpaced", font, baud, true, windowOk);
                std::printf("the window's font download, pty paced at %d baud: %.2f s; ratio %.3f%s\n", baud,
                            windowLine, windowLine / lineSeconds, windowOk ? "" : " (FAILED)");
            }
        }

        const fs::path folder = fs::path(scratch.Path()) / "folder";
        fs::create_directories(folder);
        for (int i = 0; i < files; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "[%08X]_FT%04X_BENCH_32x16.bin", 0x100000 + i * 0x1000, i);
            WriteFile(folder / name, FontBytes(4096, static_cast<std::uint16_t>(i)));
        }
        const auto scan0 = std::chrono::steady_clock::now();
        const fonts::FileRows rows = fonts::ScanFontFolder(folder.string());
        const double scanSeconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - scan0).count();
        std::printf("scan of a folder of %zu font files: %.1f ms (%.1f us per file)\n", rows.size(),
                    scanSeconds * 1e3, scanSeconds * 1e6 / static_cast<double>(rows.size()));
        return unpaced.written && paced.written && windowOk && static_cast<int>(rows.size()) == files ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "bench-fonts: " << e.what() << '\n';
        return 1;
    }
}
