#include <signal.h>
#include <sys/signalfd.h>

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "sim/command_line.h"
#include "sim/families.h"
#include "sim/pty_link.h"
#include "sim/server.h"
#include "sim/sign.h"
#include "sim/sim_log.h"
#include "sim/tcp_listener.h"
#include "sim/unique_fd.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const sim::CommandLine commandLine = sim::ParseCommandLine(args);
    if (commandLine.help) {
        std::cout << sim::Usage();
        return 0;
    }
    if (commandLine.version) {
        std::cout << "signsim " SIGNTOOLS_VERSION "\n";
        return 0;
    }
    if (!commandLine.config) {
        std::cerr << "signsim: " << commandLine.error << "\nTry 'signsim --help' for more information.\n";
        return 2;
    }
    const sim::SimConfig& config = *commandLine.config;

    // A client that hangs up mid-reply must not end the sign; stop requests arrive
    // through a descriptor the poll loop watches.
    signal(SIGPIPE, SIG_IGN);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    const sim::UniqueFd stopFd(signalfd(-1, &stopSignals, SFD_CLOEXEC));
    if (!stopFd.Valid()) {
        std::perror("signsim: signalfd");
        return 1;
    }

    sim::SimLog log = config.logFile.empty() ? sim::SimLog() : sim::SimLog(config.logFile);
    if (!log.Ok()) {
        std::cerr << "signsim: cannot write the log " << config.logFile << '\n';
        return 1;
    }

    std::string error;
    std::optional<sim::TcpListener> listener;
    if (config.tcp) {
        listener = sim::TcpListener::Listen(config.tcp->host, config.tcp->port, error);
        if (!listener) {
            std::cerr << "signsim: " << error << '\n';
            return 1;
        }
    }
    if (listener && !sim::IsLoopbackAddress(listener->Host()))
        std::cerr << "signsim: warning: listening on " << listener->Host() << ":" << listener->Port()
                  << ", where other machines can reach this sign\n";
    std::optional<sim::PtyLink> pty =
        config.ptyLink.empty() ? std::nullopt : sim::PtyLink::Create(config.ptyLink, error);
    if (!config.ptyLink.empty()) {
        if (!pty) {
            std::cerr << "signsim: " << error << '\n';
            return 1;
        }
    }

    sim::Sign sign(sim::MakeFamilies(config.options), sim::PlainAcknowledgement(config.options));
    sim::Server::Settings settings;
    settings.ptyBaud = config.baud;
    sim::Server server(sign, log, config.faults, config.faultCount, settings);

    std::string ready = "signsim ready";
    if (listener) ready += " tcp=" + listener->Host() + ":" + std::to_string(listener->Port());
    if (pty) ready += " pty=" + pty->SlavePath();
    std::cout << ready << std::endl;

    error = server.Run(listener ? &*listener : nullptr, pty ? &*pty : nullptr, stopFd.Get());
    if (!error.empty()) {
        std::cerr << "signsim: " << error << '\n';
        return 1;
    }
    return 0;
}
