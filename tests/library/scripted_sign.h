#pragma once

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace librarytest {

// A sign on 127.0.0.1 that answers the frames of one connection with scripted raw
// bytes, one entry per frame received, for replies signsim never sends. Frames
// beyond the script get no answer. The port is free and chosen by the system.
class ScriptedTcpSign {
public:
    explicit ScriptedTcpSign(std::vector<std::vector<std::uint8_t>> replies);
    ~ScriptedTcpSign();
    ScriptedTcpSign(const ScriptedTcpSign&) = delete;
    ScriptedTcpSign& operator=(const ScriptedTcpSign&) = delete;

    std::uint16_t Port() const { return port_; }
    // Frames received so far.
    int FramesReceived() const { return received_; }

private:
    void Serve();

    std::vector<std::vector<std::uint8_t>> replies_;
    int listener_ = -1;
    int stopPipe_[2] = {-1, -1};
    std::uint16_t port_ = 0;
    std::atomic<int> received_{0};
    std::thread thread_;
};

}  // namespace librarytest
