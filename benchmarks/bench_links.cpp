// Times NONE exchanges with a virtual sign over a pty and over loopback TCP, or with
// --show runs one over each link and prints the monitor lines.

#include <fcntl.h>
#include <getopt.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/links/collecting_monitor.h"
#include "bench/links/monitor.h"
#include "bench/links/send_path.h"
#include "platform/self_path.h"

namespace {

const std::string kNoneText = "7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00 ";

// A file descriptor closed when it goes away.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd()
    {
        if (fd_ >= 0) close(fd_);
    }
    int Get() const { return fd_; }

private:
    int fd_;
};

// A folder under $TMPDIR for the pty link, removed with its content.
class ScratchDir {
public:
    ScratchDir()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/bench-links-XXXXXX";
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string Field(const std::string& line, const std::string& name)
{
    std::istringstream words(line);
    std::string word;
    while (words >> word)
        if (word.rfind(name + "=", 0) == 0) return word.substr(name.size() + 1);
    return {};
}

// signsim from beside this program, on a free loopback port and a pty; stopped by
// its process id when the object goes away.
class Sim {
public:
    Sim(const std::string& executable, const std::string& ptyLink)
    {
        int out[2];
        if (pipe(out) != 0) throw std::runtime_error("pipe failed");
        Fd readEnd(out[0]);
        pid_ = fork();
        if (pid_ < 0) {
            close(out[1]);
            throw std::runtime_error("fork failed");
        }
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            execl(executable.c_str(), executable.c_str(), "--tcp", "127.0.0.1:0", "--pty", ptyLink.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(out[1]);
        try {
            const std::string line = ReadyLine(readEnd.Get());
            const std::string tcp = Field(line, "tcp");
            const auto colon = tcp.rfind(':');
            if (colon == std::string::npos) throw std::runtime_error("signsim gave no TCP address: " + line);
            host_ = tcp.substr(0, colon);
            port_ = static_cast<std::uint16_t>(std::stoi(tcp.substr(colon + 1)));
            pty_ = Field(line, "pty");
        } catch (...) {
            Stop();
            throw;
        }
    }
    Sim(const Sim&) = delete;
    Sim& operator=(const Sim&) = delete;
    ~Sim() { Stop(); }

    const std::string& Host() const { return host_; }
    std::uint16_t Port() const { return port_; }
    const std::string& Pty() const { return pty_; }

private:
    static std::string ReadyLine(int fd)
    {
        std::string line;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 100) <= 0) continue;
            char c = 0;
            if (read(fd, &c, 1) != 1) throw std::runtime_error("signsim ended before it was ready");
            if (c != '\n') {
                line += c;
            } else if (line.rfind("signsim ready", 0) == 0) {
                return line;
            } else {
                line.clear();
            }
        }
        throw std::runtime_error("signsim did not get ready within 10 s");
    }
    void Stop()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

    pid_t pid_ = -1;
    std::string host_;
    std::uint16_t port_ = 0;
    std::string pty_;
};

class PrintingMonitor : public links::Monitor {
public:
    void AppendLine(const std::string& line) override { std::cout << line << '\n'; }
};

links::SendRequest NoneRequest(const Sim& sim, links::Link link)
{
    links::SendRequest request;
    request.frameText = kNoneText;
    request.link = link;
    request.serial.device = sim.Pty();
    request.serial.port = 1;
    request.tcp.address = sim.Host();
    request.tcp.port = sim.Port();
    return request;
}

double ProcessCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Figures {
    int exchanges = 0;
    int failures = 0;
    double wallSeconds = 0;
    double cpuSeconds = 0;
};

Figures Run(const links::SendRequest& request, int count)
{
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
    Figures f;
    f.exchanges = count;
    const double cpu0 = ProcessCpuSeconds();
    const auto wall0 = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) {
        if (links::SendFrameText(request, reply, monitor) != 15) ++f.failures;
        monitor.Clear();
    }
    f.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    f.cpuSeconds = ProcessCpuSeconds() - cpu0;
    return f;
}

void Print(const char* name, const Figures& f)
{
    const double n = f.exchanges > 0 ? f.exchanges : 1;
    std::printf("%-24s %6d %10.1f %14.3f %16.1f %9d\n", name, f.exchanges, f.exchanges / f.wallSeconds,
                f.wallSeconds * 1e3 / n, f.cpuSeconds * 1e6 / n, f.failures);
}

constexpr const char* kUsage =
    "Usage: bench-links [--count N] [--pause-count N] [--show]\n"
    "Times NONE exchanges with a virtual sign (signsim beside this program) over its\n"
    "pty and over loopback TCP, and prints exchanges per second and time per exchange.\n"
    "  --count N         exchanges per link (default 200)\n"
    "  --pause-count N   exchanges of the run with a pause between them (default 20)\n"
    "  --show            run one exchange over each link and print its monitor lines\n"
    "  -h, --help        show this help and exit\n";

int BadUsage()
{
    std::cerr << "Try 'bench-links --help' for more information.\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    int count = 200;
    int pauseCount = 20;
    bool show = false;
    static const option kOptions[] = {{"count", required_argument, nullptr, 'c'},
                                      {"pause-count", required_argument, nullptr, 'p'},
                                      {"show", no_argument, nullptr, 's'},
                                      {"help", no_argument, nullptr, 'h'},
                                      {nullptr, 0, nullptr, 0}};
    int choice = 0;
    while ((choice = getopt_long(argc, argv, "h", kOptions, nullptr)) != -1) {
        if (choice == 'h') {
            std::cout << kUsage;
            return 0;
        }
        if (choice == 's') {
            show = true;
        } else if (choice == 'c' || choice == 'p') {
            char* end = nullptr;
            const long value = std::strtol(optarg, &end, 10);
            if (*optarg == '\0' || *end != '\0' || value <= 0 || value > 1000000) {
                std::cerr << "bench-links: '" << optarg << "' is not a count from 1 to 1000000\n";
                return BadUsage();
            }
            (choice == 'c' ? count : pauseCount) = static_cast<int>(value);
        } else {
            return BadUsage();
        }
    }
    if (optind < argc) {
        std::cerr << "bench-links: unexpected argument '" << argv[optind] << "'\n";
        return BadUsage();
    }

    try {
        const std::string simPath = platform::DirectoryOf(platform::SelfPath()) + "/signsim";
        if (access(simPath.c_str(), X_OK) != 0) {
            std::cerr << "bench-links: no signsim beside this program (" << simPath << ")\n";
            return 1;
        }
        ScratchDir dir;
        Sim sim(simPath, dir.Path() + "/sign");

        if (show) {
            PrintingMonitor monitor;
            links::ReplyBuffer reply;
            std::cout << "RS232 over the virtual sign's pty " << sim.Pty() << " (COM1, 57600):\n";
            const int serial = links::SendFrameText(NoneRequest(sim, links::Link::Rs232), reply, monitor);
            std::cout << "result " << serial << "\n\nTCP/IP to the virtual sign at " << sim.Host() << ":"
                      << sim.Port() << ":\n";
            const int tcp = links::SendFrameText(NoneRequest(sim, links::Link::Tcpip), reply, monitor);
            std::cout << "result " << tcp << '\n';
            return serial > 0 && tcp > 0 ? 0 : 1;
        }

        links::SendRequest tcpNoPause = NoneRequest(sim, links::Link::Tcpip);
        tcpNoPause.tcp.pauseAfterCloseMs = 0;
        const Figures serial = Run(NoneRequest(sim, links::Link::Rs232), count);
        const Figures tcp = Run(tcpNoPause, count);
        const Figures tcpPaused = Run(NoneRequest(sim, links::Link::Tcpip), pauseCount);

        std::printf("NONE exchanges with signsim (pty %s, tcp %s:%u)\n", sim.Pty().c_str(),
                    sim.Host().c_str(), static_cast<unsigned>(sim.Port()));
        std::printf("%-24s %6s %10s %14s %16s %9s\n", "link", "count", "per second", "wall ms each",
                    "our CPU us each", "failures");
        Print("RS232 (pty)", serial);
        Print("TCP/IP, no pause", tcp);
        Print("TCP/IP, 100 ms pause", tcpPaused);
        const double pauseMs =
            tcpPaused.wallSeconds * 1e3 / tcpPaused.exchanges - tcp.wallSeconds * 1e3 / tcp.exchanges;
        std::printf("fixed pause after close on TCP/IP: %.1f ms per exchange (with pause minus without)\n",
                    pauseMs);
        std::printf("TCP/IP exchange without its pause: %.3f ms; our CPU share: %.1f us\n",
                    tcp.wallSeconds * 1e3 / tcp.exchanges, tcp.cpuSeconds * 1e6 / tcp.exchanges);
        return serial.failures + tcp.failures + tcpPaused.failures == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "bench-links: " << e.what() << '\n';
        return 1;
    }
}
