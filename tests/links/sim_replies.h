#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/frame_text.h"
#include "protocol/unescape.h"
#include "protocol/wire_frame.h"
#include "tests/support/sim_process.h"

namespace linkstest {

// Options for a virtual sign: loopback TCP unless tcp is off, a pty when a link path
// is given, and the extra arguments (faults, reply data).
inline testsupport::SimProcess::Options SimOptions(std::vector<std::string> args, std::string ptyLink = {},
                                                   bool tcp = true, std::string logFile = {})
{
    testsupport::SimProcess::Options options;
    options.tcp = tcp;
    options.ptyLink = std::move(ptyLink);
    options.logFile = std::move(logFile);
    options.extraArgs = std::move(args);
    return options;
}

// The NONE probe as the bench builds it (check FF FF), as text and as bytes.
inline const std::string kNoneText = "7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00 ";

inline std::vector<std::uint8_t> NoneBytes() { return protocol::FrameTextToBytes(kNoneText); }

// What the virtual sign sends back for a NONE probe: a wire frame with the probe's id
// and command, the given data (status first) and FrameCheckSum.
inline std::vector<std::uint8_t> NoneReply(std::vector<std::uint8_t> data = {0x00})
{
    std::vector<std::uint8_t> content{'N', 'O', 'N', 'E'};
    content.insert(content.end(), data.begin(), data.end());
    return protocol::WireFrame(protocol::kAllSignsId, content);
}

inline std::vector<std::uint8_t> Unescaped(std::vector<std::uint8_t> bytes)
{
    bytes.resize(protocol::UnescapeReply(bytes.data(), bytes.size()));
    return bytes;
}

inline std::vector<std::uint8_t> Join(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// n bytes of 0x41 ("A"), as bytes and as the hex text the virtual sign takes.
inline std::vector<std::uint8_t> Letters(std::size_t n) { return std::vector<std::uint8_t>(n, 0x41); }
inline std::string LettersText(std::size_t n)
{
    std::string text;
    for (std::size_t i = 0; i < n; ++i) text += i ? " 41" : "41";
    return text;
}

// The reply without the end marker's 00: what a reader sees up to the closing 7E.
inline std::vector<std::uint8_t> WithoutLast(std::vector<std::uint8_t> bytes, std::size_t n = 1)
{
    bytes.resize(bytes.size() - n);
    return bytes;
}

}  // namespace linkstest
