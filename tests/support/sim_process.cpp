#include "tests/support/sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <sstream>
#include <stdexcept>

namespace testsupport {
namespace {

// Reads the readiness line "signsim ready tcp=HOST:PORT pty=PATH" within a deadline.
std::string ReadReadyLine(int fd, int timeoutMs)
{
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) throw std::runtime_error("signsim did not get ready: " + line);
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        char c = 0;
        if (read(fd, &c, 1) != 1) throw std::runtime_error("signsim ended before it was ready: " + line);
        if (c == '\n') {
            if (line.rfind("signsim ready", 0) == 0) return line;
            line.clear();
        } else {
            line += c;
        }
    }
}

std::string Field(const std::string& line, const std::string& name)
{
    std::istringstream words(line);
    std::string word;
    while (words >> word)
        if (word.rfind(name + "=", 0) == 0) return word.substr(name.size() + 1);
    return {};
}

}  // namespace

std::string SimProcess::Executable() { return std::string(SIGN_BIN_DIR) + "/signsim"; }

SimProcess::SimProcess(const Options& options)
{
    std::vector<std::string> args{Executable()};
    if (options.tcp) args.insert(args.end(), {"--tcp", options.tcpAddress});
    if (!options.ptyLink.empty()) args.insert(args.end(), {"--pty", options.ptyLink});
    if (!options.logFile.empty()) args.insert(args.end(), {"--log", options.logFile});
    args.insert(args.end(), options.extraArgs.begin(), options.extraArgs.end());

    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    try {
        const std::string line = ReadReadyLine(out[0], 10000);
        const std::string tcp = Field(line, "tcp");
        if (const auto colon = tcp.rfind(':'); colon != std::string::npos) {
            tcpHost_ = tcp.substr(0, colon);
            tcpPort_ = static_cast<std::uint16_t>(std::stoi(tcp.substr(colon + 1)));
        }
        ptyPath_ = Field(line, "pty");
    } catch (...) {
        close(out[0]);
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        throw;
    }
    // Keep draining nothing: the sim writes only its readiness line to stdout.
    close(out[0]);
}

SimProcess::~SimProcess()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

}  // namespace testsupport
