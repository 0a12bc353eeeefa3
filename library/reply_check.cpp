#include "library/reply_check.h"

#include "library/result_codes.h"
#include "protocol/check_sum.h"

namespace signlink {

bool IsCompleteReply(std::span<const std::uint8_t> raw)
{
    // 7E 00 alone counts: its start and its end marker share the two bytes.
    return raw.size() >= 2 && raw[0] == 0x7E && raw[1] <= 0x0F && raw[raw.size() - 2] == 0x7E &&
           raw[raw.size() - 1] == 0x00;
}

ReplyVerdict AcceptReply(std::span<const std::uint8_t> raw)
{
    if (raw.empty()) return {kNoReply, {}};
    if (!IsCompleteReply(raw) || raw.size() < 4) return {kReplyNotFramed, {}};

    std::vector<std::uint8_t> plain;
    const std::span<const std::uint8_t> inner = raw.subspan(2, raw.size() - 4);
    plain.reserve(inner.size());
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] != 0x7D) {
            plain.push_back(inner[i]);
            continue;
        }
        const bool hasNext = i + 1 < inner.size();
        plain.push_back(hasNext && inner[i + 1] == 0x01 ? 0x7D : 0x7E);
        if (hasNext) ++i;
    }
    if (plain.size() < 2) return {kReplyNotFramed, {}};

    const std::size_t body = plain.size() - 2;
    const std::uint16_t sum = protocol::FrameCheckSum(std::span<const std::uint8_t>(plain.data(), body));
    const std::uint8_t high = plain[body];
    const std::uint8_t low = plain[body + 1];
    if ((high != 0xFF && high != (sum >> 8)) || (low != 0xFF && low != (sum & 0xFF)))
        return {kReplyCheck, {}};
    plain.resize(body);
    return {kOk, std::move(plain)};
}

}  // namespace signlink
