#include "sim/sign.h"

#include "sim/hex_bytes.h"

namespace sim {

std::vector<std::uint8_t> PlainAcknowledgement(const SimOptions& options)
{
    if (const auto it = options.find(kReplyDataOption); it != options.end())
        if (auto bytes = ParseHexBytes(it->second); bytes && !bytes->empty()) return *bytes;
    return {0x00};
}

Sign::Sign(std::vector<std::unique_ptr<CommandFamily>> families, std::vector<std::uint8_t> acknowledgement)
    : families_(std::move(families)), acknowledgement_(std::move(acknowledgement))
{
}

Reply Sign::Answer(const Request& request)
{
    for (const auto& family : families_)
        if (std::optional<Reply> reply = family->Handle(request)) return *reply;
    return Reply{acknowledgement_, false};
}

bool Sign::Unframed(std::span<const std::uint8_t> bytes)
{
    for (const auto& family : families_)
        if (family->HandleUnframed(bytes)) return true;
    return false;
}

}  // namespace sim
