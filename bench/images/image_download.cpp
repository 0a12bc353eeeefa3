#include "bench/images/image_download.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bench/shell/bench_host.h"

namespace images {
namespace {

// Layout 0 of the protocol view: the plain frame.
constexpr int kFrameLayout = 0;

std::string PageText(std::uint64_t page, std::uint64_t pages)
{
    return "page " + std::to_string(page) + " of " + std::to_string(pages);
}

}  // namespace

DownloadResult DownloadImageFile(shell::BenchHost& host, const DownloadOptions& options)
{
    DownloadResult result;
    std::error_code error;
    if (!std::filesystem::is_regular_file(options.path, error)) {
        host.Warn("Cannot open " + options.path + ": " + (error ? error.message() : "not a file"));
        return result;
    }
    std::ifstream in(options.path, std::ios::binary | std::ios::ate);
    const std::streamoff end = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (end < 0) {
        host.Warn("Cannot open " + options.path + ": " + std::strerror(errno));
        return result;
    }
    const auto size = static_cast<std::uint64_t>(end);
    in.seekg(0);
    const std::uint64_t dataPages = OgifPageCount(size);
    if (dataPages > kOgifMaxPages) {
        host.Warn("The file " + options.path + " is " + std::to_string(size) + " bytes long; at most " +
                  std::to_string(kOgifMaxPages * kOgifPageBytes) + " bytes can be sent.");
        return result;
    }

    const OgifFile file{options.signId, options.programId, static_cast<std::uint16_t>(dataPages),
                        options.fileType};
    // k counts the pages sent, the header page as page 1; the total is T + 1.
    result.pagesTotal = dataPages + 1;
    const auto progress = host.BeginTransfer(kDownloadTitle);
    std::vector<std::uint8_t> chunk(kOgifPageBytes);
    std::uint64_t bytesSent = 0;
    for (std::int64_t p = -1; p < static_cast<std::int64_t>(dataPages); ++p) {
        host.ProcessEvents();
        progress->Show(PageText(result.pagesSent + 1, result.pagesTotal), static_cast<long long>(bytesSent),
                       static_cast<long long>(size));
        std::size_t n = 0;
        if (p < 0) {
            host.SetHexData(OgifHeaderFrame(file, options.program));
        } else {
            in.read(reinterpret_cast<char*>(chunk.data()), static_cast<std::streamsize>(chunk.size()));
            n = static_cast<std::size_t>(in.gcount());
            host.SetHexData(OgifDataFrame(file, static_cast<std::uint16_t>(p), std::span(chunk).first(n)));
        }
        host.ShowFrameLayout(kFrameLayout);
        const int count = host.SendFrameText();
        ++result.pagesSent;
        bytesSent += n;

        const OgifAnswer answer = ReadOgifAnswer(host.Reply().bytes, count);
        if (!answer.replied) {
            result.end = DownloadEnd::NoReply;
            return result;
        }
        if (!answer.accepted) {
            host.Inform(kRejectedText);
            result.end = DownloadEnd::Rejected;
            return result;
        }
        if (answer.page == kOgifComplete) {
            result.end = DownloadEnd::Complete;
            return result;
        }
        if (p >= 0 && answer.page == static_cast<std::uint16_t>(p)) {
            host.Inform(kSamePageText);
            result.end = DownloadEnd::SamePage;
            return result;
        }
        // Cancel takes effect once the page in flight is answered, before the next.
        const bool more = p + 1 < static_cast<std::int64_t>(dataPages);
        if (more && progress->PageAnswered()) {
            host.MonitorLog("STOP",
                            shell::CancelledText(static_cast<long long>(result.pagesSent),
                                                 static_cast<long long>(result.pagesTotal)),
                            true);
            result.end = DownloadEnd::Cancelled;
            return result;
        }
    }
    result.end = DownloadEnd::AllSent;
    return result;
}

}  // namespace images
