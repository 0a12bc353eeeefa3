#include "library/network_link.h"

#include <chrono>

#include "library/library_files.h"
#include "library/reply_check.h"
#include "library/result_codes.h"

namespace signlink {

std::variant<NetworkLink, int> NetworkLink::Open(const std::string& address, long long port, int limitMs)
{
    if (port <= 0 || port > 65535) return kNetConnect;
    auto client = platform::TcpClient::Connect(address, static_cast<std::uint16_t>(port), limitMs);
    if (!client) return kNetConnect;
    return NetworkLink(std::move(*client), limitMs);
}

int NetworkLink::Exchange(std::span<const std::uint8_t> wireFrame, std::vector<std::uint8_t>& reply)
{
    reply.clear();
    if (!client_.IsOpen()) return kNetSend;
    if (client_.Write(wireFrame, limitMs_) != wireFrame.size()) {
        client_.Shutdown();
        return kNetSend;
    }

    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs_);
    reply.resize(kReplyBufferBytes);
    std::size_t got = 0;
    bool whole = false;
    while (got < reply.size()) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) break;
        const std::size_t n = client_.Read(std::span(reply).subspan(got), static_cast<int>(left));
        if (n == 0) break;
        got += n;
        if (IsCompleteReply(std::span(reply).first(got))) {
            whole = true;
            break;
        }
    }
    reply.resize(got);
    if (!whole) client_.Shutdown();
    return 0;
}

}  // namespace signlink
