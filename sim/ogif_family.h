#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/command_family.h"
#include "sim/content_family.h"

namespace sim {

// Paged downloads of image files (OGIF). The header page (page FE FE) opens a
// download and the sign asks for page 0; each data page in order is taken and
// answered with the next page wanted, FFFF once all T pages are in. The reply's
// data: status, program id, file type, then the page field (offsets 14-15 of the
// frame). A page out of order, or one that does not belong to the open download,
// gets status 03 and leaves the download as it was.
//
// A finished file becomes a program under its id (alias, mode and the 44 bytes of
// options from the header page), so ALAS lists it. "--store DIR" writes each
// finished file as DIR/<id>.<obmp|xbmp|ogif|xgif> and an OBMP or XBMP file also as
// the picture DIR/<id>.png. "--ogif-answer" bends the answers for tests: "same"
// answers each data page with its own number, "done" answers the header page with
// FFFF, "skip" asks for a page beyond the next, "silent:K" leaves data page K and
// every later page unanswered.
class OgifFamily : public CommandFamily {
public:
    static constexpr std::uint8_t kStatusRejected = 0x01;    // not an OGIF page
    static constexpr std::uint8_t kStatusOutOfOrder = 0x03;  // not the page the sign asked for
    static constexpr const char* kStoreOption = "store";
    static constexpr const char* kAnswerOption = "ogif-answer";

    struct StoredFile {
        std::uint8_t fileType = 0;
        std::vector<std::uint8_t> bytes;
    };

    OgifFamily(const SimOptions& options, ContentFamily& programs);

    std::optional<Reply> Handle(const Request& request) override;

    const std::map<std::uint16_t, StoredFile>& Files() const { return files_; }
    // The file's extension by its type byte and content: OBMP and XBMP files are
    // recognised, any other 86 file is OGIF and any other file XGIF.
    static std::string Extension(const StoredFile& file);

private:
    enum class Answer { Normal, Same, Done, Skip, Silent };
    struct Download {
        std::uint16_t programId = 0;
        std::uint16_t pages = 0;
        std::uint8_t fileType = 0;
        std::vector<std::uint8_t> options;  // the 44 bytes of the header page
        std::uint16_t next = 0;
        std::vector<std::uint8_t> bytes;
    };

    Reply Answered(std::uint8_t status, std::uint16_t programId, std::uint8_t fileType,
                   std::uint16_t page) const;
    void Finish(Download& download);
    void Store(std::uint16_t programId, const StoredFile& file) const;

    ContentFamily& programs_;
    std::string storeFolder_;
    Answer answer_ = Answer::Normal;
    long silentFrom_ = 0;
    std::optional<Download> download_;
    std::map<std::uint16_t, StoredFile> files_;
};

}  // namespace sim
