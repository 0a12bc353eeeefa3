#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "library/signlink_loader.h"
#include "tests/support/temp_dir.h"

namespace librarytest {

// A temporary folder holding a copy of libsignlink.so and its files, with that copy
// loaded. A copy (not a link) makes each folder its own instance of the library.
class LibraryFolder {
public:
    // Writes CmdSet.cfg and SendFrame.cfg with these texts unless told not to.
    explicit LibraryFolder(const std::string& cmdSet = "", const std::string& sendFrame = "",
                           bool writeCmdSet = true, bool writeSendFrame = true);

    signlink::LoadedLibrary& Lib() { return *library_; }
    std::string File(const std::string& name) const { return dir_.File(name); }
    std::string Read(const std::string& name) const;
    void Write(const std::string& name, const std::string& text) const;

    // Opens the library and fails the test when that does not give 0.
    void Open();

    // Values of FrameReturn.dat [Output] in file order, "Key=trimmed value".
    std::vector<std::string> ReturnKeys() const;

private:
    testsupport::TempDir dir_;
    std::unique_ptr<signlink::LoadedLibrary> library_;
};

// SendFrame.cfg for a TCP sign at 127.0.0.1:port through the all-signs id.
std::string TcpSettings(std::uint16_t port);
// SendFrame.cfg for the serial link on COM1 mapped to a device (a pty).
std::string SerialSettings(const std::string& device, int screenId = 1);

// CmdSet.cfg text of one command whose only parameter is its four letters.
std::string LettersCommand(const std::string& name, const std::string& letters);

// The frames signsim logged ("RX 7E 01 ..."), each as its hex text.
std::vector<std::string> LoggedFrames(const std::string& logFile);

// Bytes as "7E 01 FE FE " text.
std::string Hex(const std::vector<std::uint8_t>& bytes);

}  // namespace librarytest
