#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "sim/command_family.h"
#include "sim/fault.h"

namespace sim {

inline constexpr const char* kDefaultTcpHost = "127.0.0.1";
inline constexpr std::uint16_t kDefaultTcpPort = 2015;

struct TcpEndpoint {
    std::string host;  // dotted IPv4
    std::uint16_t port = 0;  // 0: any free port
};

// Everything the command line of signsim sets.
struct SimConfig {
    std::optional<TcpEndpoint> tcp;
    std::string ptyLink;  // empty: no pty
    std::string logFile;  // empty: no log
    long baud = 0;        // paces the pty at this many baud; 0: as fast as it goes
    Faults faults;
    std::optional<long long> faultCount;  // nullopt: every frame gets the faults
    SimOptions options;                   // --reply-data and the families' settings
};

struct CommandLine {
    std::optional<SimConfig> config;  // nullopt: see error, or help or version was asked
    std::string error;                // names the wrong option or value
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program name (GNU long options: "--name value",
// "--name=value", unambiguous abbreviations). Without --tcp and --pty the sign
// listens on 127.0.0.1:2015. Not reentrant: it uses the C library's option parser.
CommandLine ParseCommandLine(std::span<const std::string> args);

// The --help text.
std::string Usage();

}  // namespace sim
