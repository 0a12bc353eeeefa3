#pragma once

#include <cstdint>
#include <string>

#include "bench/images/ogif_frames.h"

namespace shell {
class BenchHost;
}

namespace images {

inline constexpr char kEmptyFileText[] = " Empty File !";
inline constexpr char kRejectedText[] = "Error in got AA";
inline constexpr char kSamePageText[] = "Error in Times";
inline constexpr char kDownloadTitle[] = "Send Image";

// What one download sends: the file, where it goes and the program's options.
struct DownloadOptions {
    std::string path;
    std::uint16_t signId = 0xFEFE;
    std::uint16_t programId = 200;
    std::uint8_t fileType = 0x86;
    OgifProgram program;
};

enum class DownloadEnd {
    CannotRead,  // the file could not be opened, or has too many pages: nothing sent
    NoReply,     // a page got no reply (the send path reported it)
    Rejected,    // "Error in got AA"
    SamePage,    // "Error in Times"
    Complete,    // the sign's page field said FFFF
    AllSent,     // every page went out and none was answered with FFFF
    Cancelled,   // the operator pressed Cancel
};

// Pages count the header page: pagesSent are the frames that went out, pagesTotal
// is T + 1 for the file's T data pages.
struct DownloadResult {
    DownloadEnd end = DownloadEnd::CannotRead;
    std::uint64_t pagesSent = 0;
    std::uint64_t pagesTotal = 0;
};

// The paged download: the header page, then the file's pages of 248 bytes, each
// shown in the protocol view, sent through the send path and answered before the
// next goes out. It stops at the first page without a reply, with a status other
// than 00 or with the page just sent in the answer's page field, and ends quietly
// when the sign's page field says FFFF. Nothing is resent. Between pages the window
// paints and a progress with Cancel shows "page k of T".
DownloadResult DownloadImageFile(shell::BenchHost& host, const DownloadOptions& options);

}  // namespace images
