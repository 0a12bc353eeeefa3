#include "sim/command_line.h"

#include <arpa/inet.h>
#include <getopt.h>

#include <algorithm>
#include <charconv>
#include <vector>

#include "sim/families.h"
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

CommandLine Fail(std::string message) { return {std::nullopt, std::move(message), false, false}; }

}  // namespace

std::string Usage()
{
    return "Usage: signsim [OPTION]...\n"
           "A virtual LED message sign: answers the frames of the signs' protocol like a\n"
           "sign, on loopback TCP and on a pseudo-terminal, and keeps a sign's state. When\n"
           "it listens it prints one line, \"signsim ready tcp=HOST:PORT pty=PATH\";\n"
           "SIGTERM or Ctrl-C ends it.\n"
           "\n"
           "Links:\n"
           "  --tcp ADDRESS:PORT    listen on TCP (default 127.0.0.1:2015 without --pty;\n"
           "                        port 0: a free port)\n"
           "  --pty LINK            offer a pseudo-terminal; LINK becomes a symlink to it\n"
           "  --baud N              pace the pty like a serial line at N baud (10 bits a byte)\n"
           "  --log FILE            write received frames and anomalies to FILE\n"
           "\n"
           "Faults:\n"
           "  --fault KIND          silent, late:MS, pieces:MS, badcheck, unframed, drop,\n"
           "                        status:XX, noend, flood:N, prefix:HEX (may be repeated)\n"
           "  --fault-count N       apply the faults to the first N frames only\n"
           "\n"
           "Settings of the sign:\n"
           "  --reply-data HEX      data of every plain acknowledgement, status first\n"
           "  --adc A1,A2,A3        the three analogue inputs (0 to 65535 each)\n"
           "  --store DIR           keep each downloaded image file in DIR, with a PNG picture\n"
           "  --ogif-answer KIND    bend the answers to image pages: same, done, skip,\n"
           "                        silent:K\n"
           "  --option NAME=VALUE   the same as --NAME VALUE for these settings\n"
           "\n"
           "  -h, --help            show this help and exit\n"
           "  -V, --version         show the version and exit\n"
           "\n"
           "Exit status: 0 after a stop request, 1 when a link or the log cannot be opened,\n"
           "2 for a wrong command line.\n";
}

CommandLine ParseCommandLine(std::span<const std::string> args)
{
    enum Id {
        Tcp = 1000,
        Pty,
        Log,
        Baud,
        Fault,
        FaultCount,
        ReplyData,
        Option,
        Help,
        Version,
        FamilySetting
    };
    const std::vector<std::string_view> settings = FamilySettingNames();
    std::vector<option> table = {
        {"tcp", required_argument, nullptr, Tcp},
        {"pty", required_argument, nullptr, Pty},
        {"log", required_argument, nullptr, Log},
        {"baud", required_argument, nullptr, Baud},
        {"fault", required_argument, nullptr, Fault},
        {"fault-count", required_argument, nullptr, FaultCount},
        {"reply-data", required_argument, nullptr, ReplyData},
        {"option", required_argument, nullptr, Option},
        {"help", no_argument, nullptr, Help},
        {"version", no_argument, nullptr, Version},
    };
    for (std::size_t i = 0; i < settings.size(); ++i)
        table.push_back(
            {settings[i].data(), required_argument, nullptr, FamilySetting + static_cast<int>(i)});
    table.push_back({nullptr, 0, nullptr, 0});

    std::vector<std::string> words{"signsim"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());
    // The option named by the word just read, without a "=value".
    const auto lastOption = [&] {
        const std::string word = argv[static_cast<std::size_t>(optind - 1)];
        return word.substr(0, word.find('='));
    };

    SimConfig config;
    CommandLine result;
    optind = 0;  // a fresh scan, also when parsed before
    opterr = 0;  // the message goes into the result
    const char* lastValue = nullptr;
    int id = 0;
    int index = 0;
    // '+': stop at the first word that is no option; ':': report a missing value.
    while ((id = getopt_long(argc, argv.data(), "+:hV", table.data(), &index)) != -1) {
        const std::string value = optarg ? optarg : "";
        lastValue = optarg;
        if (id == '?') return Fail("unknown or ambiguous option '" + lastOption() + "'");
        if (id == ':') return Fail(lastOption() + " needs a value");
        if (id == 'h' || id == Help) {
            result.help = true;
        } else if (id == 'V' || id == Version) {
            result.version = true;
        } else if (id == Tcp) {
            config.tcp = ParseEndpoint(value);
            if (!config.tcp) return Fail("--tcp wants ADDRESS:PORT with a dotted IPv4 address, not \"" + value + "\"");
        } else if (id == Pty) {
            if (value.empty()) return Fail("--pty needs a link path");
            config.ptyLink = value;
        } else if (id == Log) {
            if (value.empty()) return Fail("--log needs a file path");
            config.logFile = value;
        } else if (id == Baud) {
            const auto baud = ParseNumber(value, kMaxBaud);
            if (!baud || *baud == 0)
                return Fail("--baud wants a speed from 1 to 4000000, not \"" + value + "\"");
            config.baud = static_cast<long>(*baud);
        } else if (id == Fault) {
            if (std::string error = AddFault(value, config.faults); !error.empty()) return Fail(error);
        } else if (id == FaultCount) {
            config.faultCount = ParseNumber(value, 1LL << 40);
            if (!config.faultCount) return Fail("--fault-count wants a number, not \"" + value + "\"");
        } else if (id == ReplyData) {
            const auto bytes = ParseHexBytes(value);
            if (!bytes || bytes->empty()) return Fail("--reply-data wants hex bytes, not \"" + value + "\"");
            config.options[kReplyDataOption] = value;
        } else if (id == Option) {
            const std::size_t eq = value.find('=');
            if (eq == std::string::npos || eq == 0) return Fail("--option wants NAME=VALUE, not \"" + value + "\"");
            const std::string name = value.substr(0, eq);
            if (std::find(settings.begin(), settings.end(), name) == settings.end())
                return Fail("--option: unknown setting '" + name + "'");
            config.options[name] = value.substr(eq + 1);
        } else {
            config.options[std::string(settings[static_cast<std::size_t>(id - FamilySetting)])] = value;
        }
    }
    // "--" ends the options, but signsim takes no other arguments either.
    if (optind < argc)
        return Fail("unexpected argument \"" + std::string(argv[static_cast<std::size_t>(optind)]) + "\"");
    if (optind > 1 && std::string_view(argv[static_cast<std::size_t>(optind - 1)]) == "--" &&
        argv[static_cast<std::size_t>(optind - 1)] != lastValue)
        return Fail("unexpected argument \"--\"");
    if (result.help || result.version) return result;
    if (!config.tcp && config.ptyLink.empty()) config.tcp = TcpEndpoint{kDefaultTcpHost, kDefaultTcpPort};
    result.config = std::move(config);
    return result;
}

}  // namespace sim
