#include "bench/content/directory_frames.h"

#include <vector>

#include "protocol/wire_frame.h"

namespace content {

FrameBuild BuildAliasFrame(std::uint16_t signId, const AliasRequest& request)
{
    std::uint8_t data[] = {request.query, 0x00, 0xFF, 0xFF};
    if (request.useStart) {
        data[1] = kAliasUseStart;
        data[2] = static_cast<std::uint8_t>(request.startId >> 8);
        data[3] = static_cast<std::uint8_t>(request.startId);
    }
    return {*protocol::BenchFrameText(signId, "ALAS", data), {}};
}

AliasRequest ListingRequest(bool useNextId, int asked, std::uint16_t startId)
{
    AliasRequest request;
    request.query = (useNextId || asked > 0) ? kAliasNext : kAliasFirst;
    request.useStart = useNextId;
    request.startId = startId;
    return request;
}

AliasReply DecodeAliasReply(std::span<const std::uint8_t> buffer, int result)
{
    const ReplyView reply(buffer, result);
    AliasReply out;
    out.state = reply.State();
    if (out.state != ReplyState::Ok) return out;
    out.fileId = reply.WordAt(11);
    for (std::size_t i = 14; i < 30 && i < reply.DataEnd() && reply.At(i) != 0x00; ++i) {
        out.name.push_back(static_cast<char>(reply.At(i)));
    }
    out.hidden = reply.At(30) != 0x00;
    return out;
}

FrameBuild BuildGetxFrame(std::uint16_t signId, std::uint8_t scale, std::uint16_t startId)
{
    const std::uint8_t data[] = {
        scale, 0x00, static_cast<std::uint8_t>(startId >> 8), static_cast<std::uint8_t>(startId), 0x04, 0x00};
    return {*protocol::BenchFrameText(signId, "GETX", data), {}};
}

GetxReply DecodeGetxReply(std::span<const std::uint8_t> buffer, int result)
{
    const ReplyView reply(buffer, result);
    GetxReply out;
    out.state = reply.State();
    if (out.state == ReplyState::Ok) out.fileId = reply.WordAt(12);
    return out;
}

FrameBuild BuildDelpFrame(std::uint16_t signId, std::uint16_t fileId)
{
    const std::uint8_t data[] = {0x00, 0x00, static_cast<std::uint8_t>(fileId >> 8),
                                 static_cast<std::uint8_t>(fileId)};
    return {*protocol::BenchFrameText(signId, "DELP", data), {}};
}

std::vector<std::string> ScaleEntries() { return {"1", "3", "5", "10", "15"}; }

}  // namespace content
