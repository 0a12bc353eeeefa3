#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/frame_text.h"
#include "protocol/unescape.h"

namespace contenttest {

using Bytes = std::vector<std::uint8_t>;

// The unescaped bytes of a FrameText frame.
inline Bytes Unescaped(const std::string& frameText)
{
    Bytes bytes = protocol::FrameTextToBytes(frameText);
    if (bytes.empty()) return bytes;
    bytes.resize(protocol::UnescapeReply(bytes.data(), bytes.size()));
    return bytes;
}

// The data bytes of a FrameText frame: after the command, before the check.
inline Bytes DataOf(const std::string& frameText)
{
    const Bytes bytes = Unescaped(frameText);
    if (bytes.size() < 14) return {};
    return Bytes(bytes.begin() + 10, bytes.end() - 4);
}

// The length field of a FrameText frame.
inline int LengthOf(const std::string& frameText)
{
    const Bytes bytes = Unescaped(frameText);
    return bytes.size() < 6 ? -1 : bytes[4] * 256 + bytes[5];
}

// A reply as ReplyBuffer holds it: 7E 01, id, length, command, data, FF FF, 7E 00.
inline Bytes ReplyFrame(const std::string& command, const Bytes& data)
{
    Bytes reply;
    reply.reserve(14 + data.size());
    for (std::uint8_t b : {0x7E, 0x01, 0xFE, 0xFE, 0x00}) reply.push_back(b);
    reply.push_back(static_cast<std::uint8_t>(4 + data.size()));
    for (char c : command) reply.push_back(static_cast<std::uint8_t>(c));
    for (std::uint8_t b : data) reply.push_back(b);
    for (std::uint8_t b : {0xFF, 0xFF, 0x7E, 0x00}) reply.push_back(b);
    return reply;
}

}  // namespace contenttest
