#include "library/command_builder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "library/frame_input.h"
#include "library/library_files.h"
#include "library/param_value.h"
#include "platform/profile_text.h"
#include "protocol/frame_text.h"

namespace signlink {
namespace {

constexpr int kMaxParameters = 1024;
constexpr int kMaxHead = 4;

// Owns a descriptor and closes it.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// The parameter that goes on over further frames: the last FILE of the command.
struct FileChunks {
    std::string path;
    int head = 0;
    std::uint32_t start = 0;
    std::size_t position = 0;  // where its bytes begin in the content
    std::size_t chunk = 0;     // 0 when the file is complete
};

void AppendAddress(std::vector<std::uint8_t>& out, std::uint32_t address, int head)
{
    for (int i = head - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(address >> (8 * i)));
}

std::uint32_t StartAddress(std::optional<std::string> init)
{
    std::uint32_t address = 0;
    if (!init) return address;
    for (char c : *init) {
        if (c == '@') break;
        if (c == ' ' || c == '\t') continue;
        address = (address << 4) | static_cast<std::uint32_t>(DigitValue(static_cast<unsigned char>(c)));
    }
    return address;
}

// Reads up to `count` bytes at `offset` of a regular file; nullopt when it is none or
// cannot be read. A FIFO would block and a device may never end (or change state
// when opened), so neither is opened at all; the descriptor is opened without
// blocking and checked again, in case the name changed in between.
std::optional<std::vector<std::uint8_t>> ReadChunk(const std::string& path, long offset, std::size_t count)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    const Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    std::vector<std::uint8_t> bytes(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::pread(fd.Get(), bytes.data() + got, count - got,
                                  static_cast<off_t>(offset) + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

}  // namespace

BuiltFrames BuildCommandFrames(const ProfileSnapshot& definitions, std::string_view command)
{
    BuiltFrames result;
    auto fail = [&](std::string why) {
        result.frames.clear();
        result.error = std::move(why);
        return result;
    };
    const long long count = definitions.Int(command, "PARANUMB").value_or(0);
    if (count <= 0 || count > kMaxParameters) return fail("PARANUMB absent, 0 or over 1024");

    std::vector<std::uint8_t> content;
    std::optional<FileChunks> chunks;
    for (int n = 1; n <= count; ++n) {
        const std::string prefix = FrameParamPrefix(n);
        const auto type = definitions.Text(command, prefix + "_TYPE");
        const auto byteText = definitions.Text(command, prefix + "_BYTE");
        const auto value = definitions.Text(command, prefix + "_VALU");
        if (!type || !byteText || !value) return fail(prefix + ": TYPE, BYTE or VALU absent");
        const auto declared = DecimalValue(*byteText);
        if (!declared || *declared < 0) return fail(prefix + "_BYTE is no byte count");
        // A large BYTE alone is no fault: only a content past its limit is, and a
        // FILE may hold fewer bytes than one frame's share.
        const bool fills = *type == "STR" || *type == "INT" || *type == "HEX";
        if (fills && *declared > kMaxContentBytes) return fail("content over 20480 bytes");
        const std::size_t limit = kMaxContentBytes + 1;  // one byte more shows the overflow
        const std::size_t fileBytes = static_cast<std::size_t>(std::min<long long>(*declared, limit));
        int bytes = static_cast<int>(std::min<long long>(*declared, kMaxContentBytes));

        if (*type == "STR") {
            if (bytes == 0) bytes = static_cast<int>(value->size());
            for (int i = 0; i < bytes; ++i)
                content.push_back(i < static_cast<int>(value->size()) ? static_cast<std::uint8_t>((*value)[i])
                                                                      : 0);
        } else if (*type == "INT" || *type == "HEX") {
            const auto converted = LeftAlignedBytes(*value, bytes);
            content.insert(content.end(), converted.begin(), converted.end());
        } else if (*type == "FILE") {
            FileChunks file{*value};
            file.head = static_cast<int>(definitions.Int(command, prefix + "_HEAD").value_or(0));
            if (file.head < 0 || file.head > kMaxHead) return fail(prefix + "_HEAD over 4");
            file.start = StartAddress(definitions.Text(command, prefix + "_INIT"));
            file.position = content.size();
            const auto first = ReadChunk(file.path, 0, fileBytes);
            if (!first) return fail("cannot read " + file.path);
            AppendAddress(content, file.start, file.head);
            content.insert(content.end(), first->begin(), first->end());
            file.chunk = static_cast<long long>(first->size()) == *declared ? first->size() : 0;
            chunks = file;
        }
        if (content.size() > static_cast<std::size_t>(kMaxContentBytes))
            return fail("content over 20480 bytes");
    }

    result.frames.push_back(content);
    if (!chunks || chunks->chunk == 0) return result;

    std::size_t offset = chunks->chunk;
    for (;;) {
        const auto piece = ReadChunk(chunks->path, static_cast<long>(offset), chunks->chunk);
        if (!piece) return fail("cannot read " + chunks->path);
        if (piece->empty()) break;
        if (result.frames.size() >= static_cast<std::size_t>(kMaxFrames))
            return fail("more than 10000 frames");
        std::vector<std::uint8_t> address;
        AppendAddress(address, chunks->start + static_cast<std::uint32_t>(offset), chunks->head);
        std::copy(address.begin(), address.end(),
                  content.begin() + static_cast<std::ptrdiff_t>(chunks->position));
        const std::size_t dataAt = chunks->position + address.size();
        std::copy(piece->begin(), piece->end(), content.begin() + static_cast<std::ptrdiff_t>(dataAt));
        offset += piece->size();
        const bool last = piece->size() < chunks->chunk;
        if (last) content.resize(dataAt + piece->size());
        result.frames.push_back(content);
        if (last) break;
    }
    return result;
}

std::string FrameInputSection(const std::vector<std::vector<std::uint8_t>>& frames)
{
    std::string text = "[" + std::string(kOutput) + "]\n";
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const std::string number = FrameNumber(static_cast<int>(k));
        text += number;
        text += "_LONG=" + std::to_string(frames[k].size()) + "\n";
        text += number;
        text += "_DATA=" + protocol::HexText(frames[k]) + "\n";
    }
    text += std::string(kKeyFrames) + "=" + std::to_string(frames.size()) + "\n";
    return text;
}

std::string ReplaceOutputSection(std::string_view oldText, std::string_view section)
{
    platform::ProfileText text(oldText);
    text.EraseSection(kOutput);
    std::string out = text.Render();
    if (!out.empty() && out.back() != '\n') out += '\n';
    return out + std::string(section);
}

}  // namespace signlink
