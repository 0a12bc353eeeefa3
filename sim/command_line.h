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
    SimOptions options;                   // --option NAME=VALUE, --reply-data and unknown --name value pairs
};

struct CommandLine {
    std::optional<SimConfig> config;  // nullopt: see error
    std::string error;
};

// Reads the arguments after the program name. Without --tcp and --pty the sign
// listens on 127.0.0.1:2015.
CommandLine ParseCommandLine(std::span<const std::string> args);

// One line per option, for --help and for errors.
std::string Usage();

}  // namespace sim
