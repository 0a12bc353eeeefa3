#include "sim/ogif_family.h"

#include <charconv>
#include <fstream>
#include <iostream>

#include "sim/image_decode.h"
#include "sim/png_file.h"

namespace sim {
namespace {

constexpr std::uint16_t kHeaderPage = 0xFEFE;
constexpr std::uint16_t kComplete = 0xFFFF;
constexpr std::size_t kPageFields = 8;  // program id, page, T, type, mark or n
constexpr std::size_t kHeaderData = 44;
constexpr std::size_t kPageBytes = 248;
constexpr std::size_t kAliasAt = 11;
constexpr std::size_t kAliasBytes = 16;

std::uint16_t Word(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

OgifFamily::OgifFamily(const SimOptions& options, ContentFamily& programs) : programs_(programs)
{
    if (const auto it = options.find(kStoreOption); it != options.end()) storeFolder_ = it->second;
    if (const auto it = options.find(kAnswerOption); it != options.end()) {
        const std::string& kind = it->second;
        long from = 0;
        const char* digits = kind.data() + 7;
        if (kind == "same") {
            answer_ = Answer::Same;
        } else if (kind == "done") {
            answer_ = Answer::Done;
        } else if (kind == "skip") {
            answer_ = Answer::Skip;
        } else if (kind.rfind("silent:", 0) == 0 && kind.size() > 7 &&
                   std::from_chars(digits, kind.data() + kind.size(), from).ptr ==
                       kind.data() + kind.size()) {
            answer_ = Answer::Silent;
            silentFrom_ = from;
        } else {
            std::cerr << "signsim: --ogif-answer wants same, done, skip or silent:K, not \"" << kind
                      << "\"\n";
        }
    }
}

Reply OgifFamily::Answered(std::uint8_t status, std::uint16_t programId, std::uint8_t fileType,
                           std::uint16_t page) const
{
    return Reply{{status, static_cast<std::uint8_t>(programId >> 8), static_cast<std::uint8_t>(programId),
                  fileType, static_cast<std::uint8_t>(page >> 8), static_cast<std::uint8_t>(page)}};
}

std::optional<Reply> OgifFamily::Handle(const Request& request)
{
    if (request.command != "OGIF") return std::nullopt;
    const std::vector<std::uint8_t>& data = request.data;
    if (data.size() < kPageFields) return Reply{{kStatusRejected}};
    const std::uint16_t programId = Word(data, 0);
    const std::uint16_t page = Word(data, 2);
    const std::uint16_t pages = Word(data, 4);
    const std::uint8_t fileType = data[6];

    if (page == kHeaderPage) {
        if (data.size() != kPageFields + kHeaderData || data[7] != 0x20 || data[8] != 0x55 || pages == 0 ||
            programId >= ContentFamily::kFileIds)
            return Answered(kStatusRejected, programId, fileType, kHeaderPage);
        // A new header page starts the download afresh.
        download_ = Download{programId, pages, fileType, {data.begin() + kPageFields, data.end()}, 0, {}};
        return Answered(0x00, programId, fileType, answer_ == Answer::Done ? kComplete : 0);
    }

    const std::size_t n = data[7];
    if (data.size() != kPageFields + n || n > kPageBytes)
        return Answered(kStatusRejected, programId, fileType, page);
    if (answer_ == Answer::Silent && page >= silentFrom_) return Reply{{}, true};
    if (!download_ || download_->programId != programId || download_->pages != pages ||
        download_->fileType != fileType)
        return Answered(kStatusOutOfOrder, programId, fileType, kHeaderPage);
    Download& d = *download_;
    if (page != d.next) return Answered(kStatusOutOfOrder, programId, fileType, d.next);
    // Every page but the last is full.
    if (page + 1 < pages && n != kPageBytes) return Answered(kStatusRejected, programId, fileType, d.next);

    d.bytes.insert(d.bytes.end(), data.begin() + kPageFields, data.end());
    d.next = static_cast<std::uint16_t>(page + 1);
    if (d.next == d.pages) {
        Finish(d);
        download_.reset();
        return Answered(0x00, programId, fileType, answer_ == Answer::Same ? page : kComplete);
    }
    if (answer_ == Answer::Skip) d.next = static_cast<std::uint16_t>(d.next + 1);
    return Answered(0x00, programId, fileType, answer_ == Answer::Same ? page : d.next);
}

void OgifFamily::Finish(Download& download)
{
    ContentFamily::Program program;
    program.type = download.options[1] == 1 ? 1 : 0;
    std::string alias(download.options.begin() + kAliasAt, download.options.begin() + kAliasAt + kAliasBytes);
    alias.resize(alias.find('\0') == std::string::npos ? alias.size() : alias.find('\0'));
    program.alias = alias;
    program.options = download.options;
    program.text = download.bytes;
    programs_.StoreProgram(download.programId, std::move(program));

    StoredFile& file = files_[download.programId];
    file.fileType = download.fileType;
    file.bytes = std::move(download.bytes);
    if (!storeFolder_.empty()) Store(download.programId, file);
}

std::string OgifFamily::Extension(const StoredFile& file)
{
    if (file.fileType == 0x86) return DecodeObmp(file.bytes) ? "obmp" : "ogif";
    if (file.fileType == 0x85 && DecodeXbmp(file.bytes)) return "xbmp";
    return "xgif";
}

void OgifFamily::Store(std::uint16_t programId, const StoredFile& file) const
{
    const std::string base = storeFolder_ + "/" + std::to_string(programId);
    const std::string extension = Extension(file);
    if (!WriteFile(base + "." + extension, file.bytes))
        std::cerr << "signsim: cannot write " << base << "." << extension << '\n';
    std::optional<RgbPicture> picture;
    if (extension == "obmp") picture = DecodeObmp(file.bytes);
    if (extension == "xbmp") picture = DecodeXbmp(file.bytes);
    if (!picture) return;
    const std::vector<std::uint8_t> png = EncodePng(*picture);
    if (png.empty()) return;  // a picture without pixels has no PNG
    if (!WriteFile(base + ".png", png)) std::cerr << "signsim: cannot write " << base << ".png\n";
}

}  // namespace sim
