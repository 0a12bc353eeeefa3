#include "tests/library/library_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

namespace librarytest {

LibraryFolder::LibraryFolder(const std::string& cmdSet, const std::string& sendFrame, bool writeCmdSet,
                             bool writeSendFrame)
{
    const std::string copy = dir_.File("libsignlink.so");
    std::filesystem::copy_file(std::string(SIGN_BIN_DIR) + "/libsignlink.so", copy);
    if (writeCmdSet) Write("CmdSet.cfg", cmdSet);
    if (writeSendFrame) Write("SendFrame.cfg", sendFrame);
    std::string error;
    library_ = signlink::LoadedLibrary::Load(copy, error);
    if (!library_) throw std::runtime_error(error);
}

std::string LibraryFolder::Read(const std::string& name) const
{
    return testsupport::ReadTextFile(File(name));
}

void LibraryFolder::Write(const std::string& name, const std::string& text) const
{
    testsupport::WriteTextFile(File(name), text);
}

void LibraryFolder::Open() { ASSERT_EQ(library_->OpenSF(), 0); }

std::vector<std::string> LibraryFolder::ReturnKeys() const
{
    std::vector<std::string> keys;
    std::istringstream lines(Read("FrameReturn.dat"));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line.front() == '[') continue;
        const std::size_t last = line.find_last_not_of(' ');
        keys.push_back(line.substr(0, last + 1));
    }
    return keys;
}

std::string TcpSettings(std::uint16_t port)
{
    return "[Setup]\nCommuPort=TCP\n[Argv]\nScreenID=65278\nBroadCastId=127.0.0.1\nPort=" +
           std::to_string(port) + "\n";
}

std::string SerialSettings(const std::string& device, int screenId)
{
    return "[Setup]\nCommuPort=RS232\n[Argv]\nCOM=1\nScreenID=" + std::to_string(screenId) +
           "\n[ComPort]\nBaudRate=9600\nWaitTimeMs=100\n[SERIALPORTS]\nCOM1=" + device + "\n";
}

std::string LettersCommand(const std::string& name, const std::string& letters)
{
    return "[" + name + "]\nPARANUMB=1\nP01_TYPE=STR\nP01_BYTE=4\nP01_VALU=" + letters + "\n";
}

std::vector<std::string> LoggedFrames(const std::string& logFile)
{
    std::vector<std::string> frames;
    std::istringstream lines(testsupport::ReadTextFile(logFile));
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind("RX ", 0) == 0) frames.push_back(line.substr(3));
    return frames;
}

std::string Hex(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    char pair[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(pair, sizeof pair, "%02X ", b);
        text += pair;
    }
    return text;
}

}  // namespace librarytest
