#include "tests/reliability/kill_rounds.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

namespace reliability {

bool RunAndKill(const std::function<void()>& work, std::chrono::microseconds delay)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        work();
        ::_exit(0);
    }
    std::this_thread::sleep_for(delay);
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status);
}

std::chrono::microseconds TimeOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
}

std::vector<std::chrono::microseconds> SpreadOver(std::chrono::microseconds run, int rounds)
{
    std::vector<std::chrono::microseconds> moments;
    for (int r = 0; r < rounds; ++r) moments.push_back(run * (2 * r + 1) / (2 * rounds));
    return moments;
}

std::vector<std::string> TemporaryFiles(const std::string& folder)
{
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename();
        if (name.find(".tmp-") != std::string::npos) found.push_back(name);
    }
    return found;
}

}  // namespace reliability
