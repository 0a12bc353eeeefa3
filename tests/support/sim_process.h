#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// A signsim child process for one test. It is started with the given arguments
// (plus "--tcp 127.0.0.1:0" unless tcp is off), waited for until it prints its
// readiness line, and stopped by its process id when the object goes away.
class SimProcess {
public:
    struct Options {
        bool tcp = true;
        std::string tcpAddress = "127.0.0.1:0";  // port 0: the sim picks a free port
        std::string ptyLink;                     // empty: no pty
        std::string logFile;                     // empty: no log
        std::vector<std::string> extraArgs;      // faults and state, e.g. {"--fault", "silent"}
    };

    explicit SimProcess(const Options& options);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const std::string& TcpHost() const { return tcpHost_; }
    std::uint16_t TcpPort() const { return tcpPort_; }
    const std::string& PtyPath() const { return ptyPath_; }
    int Pid() const { return pid_; }

    // The path of signsim in the build tree.
    static std::string Executable();

private:
    int pid_ = -1;
    std::string tcpHost_;
    std::uint16_t tcpPort_ = 0;
    std::string ptyPath_;
};

}  // namespace testsupport
