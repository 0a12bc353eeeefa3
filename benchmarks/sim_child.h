#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace benchsupport {

// A folder under $TMPDIR, removed with its content.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& prefix)
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + prefix + "-XXXXXX";
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

// A signsim child started with the given arguments, waited for until it prints its
// readiness line ("signsim ready tcp=... pty=..."), stopped by its process id.
class SimChild {
public:
    SimChild(const std::string& executable, const std::vector<std::string>& args)
    {
        int out[2];
        if (pipe(out) != 0) throw std::runtime_error("pipe failed");
        pid_ = fork();
        if (pid_ < 0) {
            close(out[0]);
            close(out[1]);
            throw std::runtime_error("fork failed");
        }
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv{const_cast<char*>(executable.c_str())};
            for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(executable.c_str(), argv.data());
            _exit(127);
        }
        close(out[1]);
        try {
            ready_ = ReadyLine(out[0]);
        } catch (...) {
            close(out[0]);
            Stop();
            throw;
        }
        close(out[0]);
    }
    SimChild(const SimChild&) = delete;
    SimChild& operator=(const SimChild&) = delete;
    ~SimChild() { Stop(); }

    // A field of the readiness line ("tcp", "pty").
    std::string Field(const std::string& name) const
    {
        std::istringstream words(ready_);
        std::string word;
        while (words >> word)
            if (word.rfind(name + "=", 0) == 0) return word.substr(name.size() + 1);
        return {};
    }

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
    std::string ready_;
};

}  // namespace benchsupport
