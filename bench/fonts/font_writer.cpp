#include "bench/fonts/font_writer.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "bench/fonts/font_folder.h"
#include "bench/fonts/font_names.h"
#include "bench/fonts/sign_font_frames.h"
#include "bench/shell/bench_host.h"
#include "bench/shell/transfer_progress.h"

namespace fonts {

namespace fs = std::filesystem;

struct FontWriter::Run {
    std::unique_ptr<shell::TransferProgress> progress;
    std::size_t file = 0;  // 1-based, of files
    std::size_t files = 0;
    long long bytesSent = 0;
    long long bytesTotal = 0;
};

FontWriter::FontWriter(shell::BenchHost& host, std::uint16_t signId) : host_(host), signId_(signId) {}

FontWriter::Outcome FontWriter::WriteTempFontsToSign(const std::string& tempFolder,
                                                     const std::set<std::string>& made)
{
    const fs::path folder(tempFolder);
    const std::vector<std::string> names = PlainFiles(tempFolder);
    // Only the copies this download made are written; anything else lying in the
    // folder would go to whatever address its name happens to give.
    const auto ours = [&](const std::string& name) {
        return made.count(name) > 0 && IsDownloadFileName(name);
    };
    Run run;
    for (const std::string& name : names) {
        if (!ours(name)) continue;
        std::error_code error;
        const auto size = fs::file_size(folder / name, error);
        if (!error) run.bytesTotal += static_cast<long long>(size);
        ++run.files;
    }
    run.progress = host_.BeginTransfer("Send Font to LED");

    int written = 0;
    for (const std::string& name : names) {
        if (!ours(name)) {
            host_.MonitorLog("PASS", "Not made by this download, skip _temp/" + name, false);
            continue;
        }
        ++run.file;
        const std::string tag = DownloadAddressText(name);
        std::error_code error;
        const auto size = fs::file_size(folder / name, error);
        host_.MonitorLog(tag, std::to_string(error ? 0 : size) + " Bytes is writing... :" + tag, false);
        host_.ProcessEvents();
        const Outcome outcome = WriteFileToSignMemory(DownloadAddress(name), (folder / name).string(), run);
        if (outcome == Outcome::Failed) host_.MonitorLog(tag, "Error!", false);
        if (outcome != Outcome::Written) return outcome;
        ++written;
    }
    host_.MonitorLog("MWRD", "total " + std::to_string(written), false);
    host_.MonitorLog("MWRD", "[0,0]: 写了" + std::to_string(written) + "个BIN码", false);
    return Outcome::Written;
}

FontWriter::Outcome FontWriter::WriteFileToSignMemory(std::uint32_t address, const std::string& path,
                                                      Run& run)
{
    std::ifstream file(path, std::ios::binary);
    std::error_code error;
    const auto size = fs::file_size(path, error);
    if (!file || error) return Outcome::Failed;
    // k counts the pages of this file sent so far, T is the file's page count; an
    // empty file is one empty page.
    const long long pages = PageCount(size);
    host_.MonitorLog("FILE LEN", std::to_string(size), false);
    host_.MonitorLog("TIMES", std::to_string(pages), false);
    host_.SetStatusText("");
    host_.MonitorLog("MWRD", "Mode=0x55,Fast Flash Clear 4K", false);

    std::vector<std::uint8_t> page(kPageBytes);
    for (long long k = 1; k <= pages; ++k) {
        file.read(reinterpret_cast<char*>(page.data()), static_cast<std::streamsize>(page.size()));
        const auto n = static_cast<std::size_t>(file.gcount());
        const std::vector<std::uint8_t> wire = BuildPageWrite(signId_, address, std::span(page).first(n));
        run.progress->Show("file " + std::to_string(run.file) + " of " + std::to_string(run.files) +
                               ", page " + std::to_string(k) + " of " + std::to_string(pages),
                           run.bytesSent, run.bytesTotal);
        host_.MonitorLog("SEND", std::to_string(k) + "/" + std::to_string(pages) + ": " + std::to_string(n),
                         false);
        host_.SetHexData("Send binary");
        if (host_.ExchangeBytes(wire, false) < 4) return Outcome::Failed;
        run.bytesSent += static_cast<long long>(n);
        if (run.progress->PageAnswered()) {
            host_.MonitorLog("STOP", shell::CancelledText(k, pages), true);
            return Outcome::Cancelled;
        }
        address += kPageBytes;
    }
    return Outcome::Written;
}

}  // namespace fonts
