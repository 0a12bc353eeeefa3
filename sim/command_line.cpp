#include "sim/command_line.h"

#include <arpa/inet.h>

#include <charconv>

#include "sim/hex_bytes.h"
#include "sim/sign.h"

namespace sim {
namespace {

constexpr long long kMaxBaud = 4'000'000;

std::optional<long long> ParseNumber(std::string_view text, long long max)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > max)
        return std::nullopt;
    return value;
}

std::optional<TcpEndpoint> ParseEndpoint(const std::string& text)
{
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos) return std::nullopt;
    TcpEndpoint endpoint{text.substr(0, colon), 0};
    in_addr address{};
    if (inet_pton(AF_INET, endpoint.host.c_str(), &address) != 1) return std::nullopt;
    const auto port = ParseNumber(std::string_view(text).substr(colon + 1), 65535);
    if (!port) return std::nullopt;
    endpoint.port = static_cast<std::uint16_t>(*port);
    return endpoint;
}

CommandLine Fail(std::string message) { return {std::nullopt, std::move(message)}; }

}  // namespace

std::string Usage()
{
    return "Usage: signsim [OPTION]...\n"
           "  --tcp ADDRESS:PORT    listen on TCP (default 127.0.0.1:2015 without --pty; port 0: a free "
           "port)\n"
           "  --pty LINK            offer a pseudo-terminal; LINK becomes a symlink to its device\n"
           "  --log FILE            write received frames and anomalies to FILE\n"
           "  --baud N              pace the pty like a serial line at N baud (10 bits a byte)\n"
           "  --fault KIND          silent, late:MS, pieces:MS, badcheck, unframed, drop, status:XX,\n"
           "                        noend, flood:N, prefix:HEX (may be given more than once)\n"
           "  --fault-count N       apply the faults to the first N frames only\n"
           "  --reply-data HEX      data of every plain acknowledgement, status first\n"
           "  --option NAME=VALUE   a setting for the command families\n"
           "  --NAME VALUE          any other pair is a setting for the command families too\n";
}

CommandLine ParseCommandLine(std::span<const std::string> args)
{
    SimConfig config;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0 || arg.size() == 2) return Fail("unexpected argument \"" + arg + "\"");
        std::string name = arg.substr(2);
        std::string value;
        if (const std::size_t eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        } else if (name == "help") {
            return Fail("");
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return Fail("--" + name + " needs a value");
        }

        if (name == "tcp") {
            config.tcp = ParseEndpoint(value);
            if (!config.tcp) return Fail("--tcp wants ADDRESS:PORT with a dotted IPv4 address, not \"" + value + "\"");
        } else if (name == "pty") {
            if (value.empty()) return Fail("--pty needs a link path");
            config.ptyLink = value;
        } else if (name == "log") {
            if (value.empty()) return Fail("--log needs a file path");
            config.logFile = value;
        } else if (name == "baud") {
            const auto baud = ParseNumber(value, kMaxBaud);
            if (!baud || *baud == 0)
                return Fail("--baud wants a speed from 1 to 4000000, not \"" + value + "\"");
            config.baud = static_cast<long>(*baud);
        } else if (name == "fault") {
            if (std::string error = AddFault(value, config.faults); !error.empty()) return Fail(error);
        } else if (name == "fault-count") {
            config.faultCount = ParseNumber(value, 1LL << 40);
            if (!config.faultCount) return Fail("--fault-count wants a number, not \"" + value + "\"");
        } else if (name == "reply-data") {
            const auto bytes = ParseHexBytes(value);
            if (!bytes || bytes->empty()) return Fail("--reply-data wants hex bytes, not \"" + value + "\"");
            config.options[kReplyDataOption] = value;
        } else if (name == "option") {
            const std::size_t eq = value.find('=');
            if (eq == std::string::npos || eq == 0) return Fail("--option wants NAME=VALUE, not \"" + value + "\"");
            config.options[value.substr(0, eq)] = value.substr(eq + 1);
        } else {
            config.options[name] = value;
        }
    }
    if (!config.tcp && config.ptyLink.empty()) config.tcp = TcpEndpoint{kDefaultTcpHost, kDefaultTcpPort};
    return {std::move(config), {}};
}

}  // namespace sim
