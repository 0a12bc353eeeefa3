#include "platform/serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <thread>
#include <vector>

#include "platform/profile.h"
#include "platform/serial_port_map.h"
#include "tests/support/temp_dir.h"

namespace {

using platform::SerialPort;

// A pseudo-terminal: the slave is the "port", the test plays the sign on the master.
class PtyPair {
public:
    PtyPair()
    {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
        slavePath_ = ::ptsname(master_);
        // Held open and raw from the start, so bytes the test sends are neither lost nor echoed.
        holder_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
        termios tio{};
        ::tcgetattr(holder_, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(holder_, TCSANOW, &tio);
    }
    ~PtyPair()
    {
        CloseMaster();
        if (holder_ >= 0) ::close(holder_);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    void SignSends(const std::vector<std::uint8_t>& bytes)
    {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    std::vector<std::uint8_t> SignReceives(std::size_t count)
    {
        std::vector<std::uint8_t> bytes;
        while (bytes.size() < count) {
            pollfd entry{master_, POLLIN, 0};
            if (::poll(&entry, 1, 2000) <= 0) break;
            std::uint8_t buffer[256];
            ssize_t n = ::read(master_, buffer, std::min(sizeof buffer, count - bytes.size()));
            if (n <= 0) break;
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }
    void CloseMaster()
    {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    int holder_ = -1;
    std::string slavePath_;
};

TEST(SerialPort, RateForEverySpeedCode)
{
    const std::pair<int, int> table[] = {{10, 4800},   {12, 9600},   {13, 19200},  {14, 38400},  {15, 57600},
                                         {16, 115200}, {17, 230400}, {18, 460800}, {19, 921600}, {11, 9600},
                                         {0, 9600},    {20, 9600},   {-1, 9600}};
    for (auto [code, rate] : table) EXPECT_EQ(platform::RateForSpeedCode(code), rate) << "code " << code;
}

TEST(SerialPort, RefusesWhatIsNoPort)
{
    testsupport::TempDir dir;
    testsupport::WriteTextFile(dir.File("plain"), "not a terminal");
    EXPECT_FALSE(SerialPort::Open(dir.File("absent"), 9600));
    EXPECT_FALSE(SerialPort::Open(dir.File("plain"), 9600));
    EXPECT_FALSE(SerialPort::Open("", 9600));
    PtyPair pty;
    EXPECT_FALSE(SerialPort::Open(pty.SlavePath(), 12345));  // no such line speed
}

TEST(SerialPort, ExchangesBytesWithThePeer)
{
    PtyPair pty;
    auto port = SerialPort::Open(pty.SlavePath(), 115200);
    ASSERT_TRUE(port);
    // Every byte value passes untouched: raw mode, no CR/LF mapping, no flow-control bytes.
    std::vector<std::uint8_t> frame = {0x7E, 0x01, 0x0D, 0x0A, 0x11, 0x13, 0x03, 0x7F, 0xFF, 0x7E, 0x00};
    ASSERT_TRUE(port->Write(frame));
    EXPECT_EQ(pty.SignReceives(frame.size()), frame);

    pty.SignSends(frame);
    std::vector<std::uint8_t> got;
    while (auto byte = port->ReadByte(1000)) {
        got.push_back(*byte);
        if (got.size() == frame.size()) break;
    }
    EXPECT_EQ(got, frame);
}

// A sign answers some time after the request: the read must wait for it, not give up.
TEST(SerialPort, ReadByteWaitsForALateByte)
{
    PtyPair pty;
    auto port = SerialPort::Open(pty.SlavePath(), 9600);
    ASSERT_TRUE(port);
    std::thread sign([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        pty.SignSends({0x7E});
    });
    auto byte = port->ReadByte(5000);
    sign.join();
    EXPECT_EQ(byte, std::optional<std::uint8_t>(0x7E));
}

TEST(SerialPort, ReadByteGivesUpWhenNothingComes)
{
    PtyPair pty;
    auto port = SerialPort::Open(pty.SlavePath(), 9600);
    ASSERT_TRUE(port);
    EXPECT_FALSE(port->ReadByte(30));
    pty.CloseMaster();  // a hung-up line must not turn into a busy loop or a hang
    EXPECT_FALSE(port->ReadByte(30));
}

TEST(SerialPort, StaleBytesAreDiscardedOnOpenAndFlush)
{
    PtyPair pty;
    pty.SignSends({0x7E, 0x01, 0xAA});  // left over from an earlier exchange
    auto port = SerialPort::Open(pty.SlavePath(), 9600);
    ASSERT_TRUE(port);
    EXPECT_FALSE(port->ReadByte(30));

    pty.SignSends({0x55});
    port->Flush();
    EXPECT_FALSE(port->ReadByte(30));
    pty.SignSends({0x42});
    EXPECT_EQ(port->ReadByte(1000), std::optional<std::uint8_t>(0x42));
}

TEST(SerialPort, MovedPortStaysUsable)
{
    PtyPair pty;
    auto opened = SerialPort::Open(pty.SlavePath(), 9600);
    ASSERT_TRUE(opened);
    SerialPort port = std::move(*opened);
    pty.SignSends({0x01});
    EXPECT_EQ(port.ReadByte(1000), std::optional<std::uint8_t>(0x01));
}

TEST(SerialPortMap, DeviceForPortNumber)
{
    testsupport::TempDir dir;
    testsupport::WriteTextFile(dir.File("setup.cfg"),
                               "[PORT]\nCOM2=/dev/wrong\n"
                               "[serialports]\ncom3= /dev/ttyUSB0 \nCOM4=\nCOM10=/tmp/sign-pty\n");
    platform::Profile settings(dir.File("setup.cfg"));
    const std::pair<int, const char*> table[] = {
        {1, "/dev/ttyS0"}, {2, "/dev/ttyS1"}, {3, "/dev/ttyUSB0"}, {4, "/dev/ttyS3"}, {10, "/tmp/sign-pty"},
        {0, ""},           {-2, ""},
    };
    for (auto [port, device] : table)
        EXPECT_EQ(platform::SerialDeviceForPort(settings, port), device) << port;

    platform::Profile missing(dir.File("none.cfg"));
    EXPECT_EQ(platform::SerialDeviceForPort(missing, 5), "/dev/ttyS4");
}

}  // namespace
