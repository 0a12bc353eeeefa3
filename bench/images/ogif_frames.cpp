#include "bench/images/ogif_frames.h"

#include <algorithm>

#include "bench/content/reply_fields.h"
#include "protocol/hex_byte.h"

namespace images {
namespace {

constexpr std::uint8_t kOgifLetters[] = {0x4F, 0x47, 0x49, 0x46};
constexpr std::uint16_t kHeaderLength = 0x0038;
constexpr std::uint8_t kHeaderMark = 0x20;

class FrameText {
public:
    void Byte(std::uint8_t value) { text_ += protocol::HexByte(value, false).text; }
    void Word(std::uint16_t value)
    {
        Byte(static_cast<std::uint8_t>(value >> 8));
        Byte(static_cast<std::uint8_t>(value & 0xFF));
    }
    void Bytes(std::span<const std::uint8_t> bytes)
    {
        for (const std::uint8_t b : bytes) Byte(b);
    }
    std::string Finish() { return text_ + "FF FF 7E 00 "; }

private:
    std::string text_ = "7E 01 ";
};

FrameText PageStart(const OgifFile& file, std::uint16_t length, std::uint16_t page)
{
    FrameText frame;
    frame.Word(file.signId);
    frame.Word(length);
    frame.Bytes(kOgifLetters);
    frame.Word(file.programId);
    frame.Word(page);
    frame.Word(file.pages);
    frame.Byte(file.fileType);
    return frame;
}

}  // namespace

std::uint64_t OgifPageCount(std::uint64_t size) { return size == 0 ? 1 : (size - 1) / kOgifPageBytes + 1; }

std::uint8_t OgifFileTypeByte(int typeIndex)
{
    switch (typeIndex) {
        case 1:
            return 0x87;
        case 2:
            return 0x85;
        default:
            return 0x86;
    }
}

std::vector<std::uint8_t> OgifHeaderData(const OgifProgram& program)
{
    std::vector<std::uint8_t> d(kOgifHeaderDataBytes, 0);
    d[0] = 0x55;
    d[1] = program.mode;
    d[8] = static_cast<std::uint8_t>(program.totalSeconds >> 8);
    d[9] = static_cast<std::uint8_t>(program.totalSeconds & 0xFF);
    d[10] = static_cast<std::uint8_t>((program.loopTimes - 1) & 0xFF);
    const std::size_t aliasBytes = std::min(program.alias.size(), kOgifAliasBytes);
    std::copy_n(program.alias.begin(), aliasBytes, d.begin() + 11);
    d[27] = 1;
    d[36] = program.stay;
    d[37] = program.holdFlash ? 1 : program.action;
    d[38] = program.holdFlash ? 4 : 0;
    d[39] = program.speed;
    return d;
}

std::string OgifHeaderFrame(const OgifFile& file, const OgifProgram& program)
{
    FrameText frame = PageStart(file, kHeaderLength, kOgifHeaderPage);
    frame.Byte(kHeaderMark);
    frame.Bytes(OgifHeaderData(program));
    return frame.Finish();
}

std::string OgifDataFrame(const OgifFile& file, std::uint16_t page, std::span<const std::uint8_t> bytes)
{
    const std::span<const std::uint8_t> data = bytes.first(std::min(bytes.size(), kOgifPageBytes));
    FrameText frame = PageStart(file, static_cast<std::uint16_t>(data.size() + 12), page);
    frame.Byte(static_cast<std::uint8_t>(data.size()));
    frame.Bytes(data);
    return frame.Finish();
}

OgifAnswer ReadOgifAnswer(std::span<const std::uint8_t> buffer, int result)
{
    const content::ReplyView reply(buffer, result);
    OgifAnswer answer;
    answer.replied = reply.State() != content::ReplyState::NoReply;
    answer.accepted = reply.State() == content::ReplyState::Ok;
    answer.page = reply.WordAt(14);
    return answer;
}

}  // namespace images
