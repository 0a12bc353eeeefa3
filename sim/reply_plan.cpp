#include "sim/reply_plan.h"

#include "protocol/check_sum.h"
#include "protocol/wire_frame.h"

namespace sim {
namespace {

constexpr std::size_t kPieceBytes = 3;

std::vector<std::uint8_t> ReplyBody(const Request& request, const std::vector<std::uint8_t>& data,
                                    int checkOffset)
{
    std::vector<std::uint8_t> body;
    const auto length = static_cast<std::uint16_t>(request.command.size() + data.size());
    body.push_back(static_cast<std::uint8_t>(request.signId >> 8));
    body.push_back(static_cast<std::uint8_t>(request.signId & 0xFF));
    body.push_back(static_cast<std::uint8_t>(length >> 8));
    body.push_back(static_cast<std::uint8_t>(length & 0xFF));
    body.insert(body.end(), request.command.begin(), request.command.end());
    body.insert(body.end(), data.begin(), data.end());
    const auto check = static_cast<std::uint16_t>(protocol::FrameCheckSum(body) + checkOffset);
    body.push_back(static_cast<std::uint8_t>(check >> 8));
    body.push_back(static_cast<std::uint8_t>(check & 0xFF));
    return protocol::EscapeBytes(body);
}

}  // namespace

std::vector<std::uint8_t> ReplyFrame(const Request& request, const std::vector<std::uint8_t>& data,
                                     int checkOffset)
{
    std::vector<std::uint8_t> frame{0x7E, 0x01};
    const std::vector<std::uint8_t> body = ReplyBody(request, data, checkOffset);
    frame.insert(frame.end(), body.begin(), body.end());
    frame.push_back(0x7E);
    frame.push_back(0x00);
    return frame;
}

ReplyPlan PlanReply(const Request& request, const Reply& reply, const Faults& faults)
{
    ReplyPlan plan;
    if (reply.silent || faults.silent) return plan;

    std::vector<std::uint8_t> data = reply.data;
    if (faults.status) {
        if (data.empty())
            data.push_back(*faults.status);
        else
            data.front() = *faults.status;
    }

    std::vector<std::uint8_t> bytes;
    if (faults.flood) {
        bytes = {0x7E, 0x01};
        bytes.insert(bytes.end(), *faults.flood, 0x41);
    } else if (faults.unframed) {
        bytes = ReplyBody(request, data, faults.badCheck ? 1 : 0);
    } else {
        bytes = ReplyFrame(request, data, faults.badCheck ? 1 : 0);
        if (faults.noEnd) bytes.resize(bytes.size() - 2);
    }
    bytes.insert(bytes.begin(), faults.prefix.begin(), faults.prefix.end());
    if (faults.drop) {
        bytes.resize(bytes.size() / 2);
        plan.closeAfter = true;
    }

    const int firstDelay = reply.delayMs + faults.lateMs.value_or(0);
    if (faults.piecesMs && !bytes.empty()) {
        for (std::size_t at = 0; at < bytes.size(); at += kPieceBytes) {
            const auto end = bytes.begin() + static_cast<std::ptrdiff_t>(std::min(at + kPieceBytes, bytes.size()));
            plan.pieces.push_back(
                {at == 0 ? firstDelay : *faults.piecesMs, {bytes.begin() + static_cast<std::ptrdiff_t>(at), end}});
        }
    } else {
        plan.pieces.push_back({firstDelay, std::move(bytes)});
    }
    return plan;
}

}  // namespace sim
