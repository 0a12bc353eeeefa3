#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace signlink {

// Defaults that Send applies (the reading exports report 0 for absent keys).
inline constexpr int kDefaultBaudRate = 9600;
inline constexpr int kDefaultWaitTimeMs = 100;
inline constexpr std::string_view kDefaultBroadcastId = "192.168.1.250";
inline constexpr std::string_view kDefaultIpHead = "192.168";
inline constexpr int kDefaultTcpPort = 2015;
inline constexpr long long kAllSignsScreenId = 65278;

// [Setup] CommuPort: "RS232" in any case (the default when absent) is the serial link.
bool IsSerialLink(const std::optional<std::string>& commuPort);

// The serial-port library's speed code of a rate in bits per second; 12 (9600) for
// a rate outside the table.
int BaudCodeForRate(long long rate);

// The sign's IPv4 address: BroadCastId for the all-signs id 65278, else IPHead,
// ".", id / 256, ".", id % 256.
std::string SignAddress(long long screenId, std::string_view broadcastId, std::string_view ipHead);

// [Argv] BroadCastId as four numbers: absent gives 0.0.0.0, a text that is no
// address 255.255.255.255.
std::array<std::int32_t, 4> IpPartsFromText(const std::optional<std::string>& text);

// The dotted text of the low 8 bits of each number.
std::string DottedFromParts(const std::array<std::int32_t, 4>& parts);

}  // namespace signlink
