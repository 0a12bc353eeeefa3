#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "library/send_engine.h"

namespace signlink {

// The library's one process-wide state: the path of the library file, captured at
// load, and the four file bindings while it is open. No lock: hosts call one
// export at a time.
class Library {
public:
    explicit Library(std::string libraryPath);

    int Open();
    int Close();
    bool IsOpen() const { return files_.has_value(); }

    // The setting exports; each returns 1000 when not open.
    int RetComPort(std::array<std::int32_t, 3>& comBaudWait) const;
    int SetComPort(std::int32_t com, std::int32_t baudRate, std::int32_t waitTimeMs);
    int RetComSelect(std::int32_t& link) const;
    int SetComSelect(std::int32_t link);
    int RetBroadcastIp(std::array<std::int32_t, 4>& parts) const;
    int SetBroadcastIp(const std::array<std::int32_t, 4>& parts);
    int RetScreenId(std::int32_t& screenId) const;
    int SetScreenId(std::int32_t screenId);

    int Cmd2Frame(std::string_view command);
    int CmdSet(std::string_view command, std::int32_t number, std::string_view value, bool isAddress);
    int Send(std::int32_t startFrame, std::int32_t readTimeoutMs);
    // FramesSuccess; frame receives Frames, length the bytes written to `bytes`.
    int GetReturnValue(std::int32_t& frame, std::int32_t& length, std::uint8_t* bytes);

    const std::string& LibraryPath() const { return libraryPath_; }

private:
    std::string libraryPath_;
    std::optional<LibraryFiles> files_;
};

}  // namespace signlink
