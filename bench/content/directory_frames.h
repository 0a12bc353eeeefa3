#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bench/content/frame_build.h"
#include "bench/content/reply_fields.h"

namespace content {

// ALAS queries: 20 asks for the running program; a listing asks with 00 first
// (without "Use next ID") and 10 afterwards.
inline constexpr std::uint8_t kAliasRunning = 0x20;
inline constexpr std::uint8_t kAliasFirst = 0x00;
inline constexpr std::uint8_t kAliasNext = 0x10;
inline constexpr std::uint8_t kAliasUseStart = 0x55;

struct AliasRequest {
    std::uint8_t query = kAliasRunning;
    bool useStart = false;  // 55 and the start id, else 00 and FF FF
    std::uint16_t startId = 0;
};
FrameBuild BuildAliasFrame(std::uint16_t signId, const AliasRequest& request);

// Request k (0 for the first) of a listing: with "Use next ID" every request carries
// the start id (0, then one past the last listed id), without it FF FF.
AliasRequest ListingRequest(bool useNextId, int asked, std::uint16_t startId);

// The alias record of the ALAS and DELP replies.
struct AliasReply {
    ReplyState state = ReplyState::NoReply;
    std::uint16_t fileId = 0;
    std::string name;  // GBK, up to 16 bytes, ending at the first 00
    bool hidden = false;
};
AliasReply DecodeAliasReply(std::span<const std::uint8_t> buffer, int result);

// GETX: scale, 00, start id, 04 00 (the end, 1024).
FrameBuild BuildGetxFrame(std::uint16_t signId, std::uint8_t scale, std::uint16_t startId);
struct GetxReply {
    ReplyState state = ReplyState::NoReply;
    std::uint16_t fileId = 0;
};
GetxReply DecodeGetxReply(std::span<const std::uint8_t> buffer, int result);

FrameBuild BuildDelpFrame(std::uint16_t signId, std::uint16_t fileId);

// DALL always goes to every sign (FE FE) and carries no data.
inline constexpr const char* kDallFrameText = "7E 01 FE FE 00 04 44 41 4C 4C FF FF 7E 00 ";

std::vector<std::string> ScaleEntries();  // "1", "3", "5", "10", "15"

}  // namespace content
