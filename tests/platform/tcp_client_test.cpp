#include "platform/tcp_client.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace {

using platform::TcpClient;

// A descriptor closed when the test ends.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    void Reset()
    {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

// A listening socket on 127.0.0.1 with a free port, standing in for a sign.
class Listener {
public:
    Listener() : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(fd_.Get(), reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(fd_.Get(), 4) != 0 ||
            ::getsockname(fd_.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
            fd_.Reset();
        port_ = ntohs(address.sin_port);
    }
    std::uint16_t Port() const { return port_; }
    int Accept() { return ::accept(fd_.Get(), nullptr, nullptr); }
    void Close() { fd_.Reset(); }

private:
    Fd fd_;
    std::uint16_t port_ = 0;
};

// A client connected to a peer socket that the test drives.
struct Connected {
    Listener listener;
    std::optional<TcpClient> client = TcpClient::Connect("127.0.0.1", listener.Port(), 1000);
    Fd peer{client ? listener.Accept() : -1};

    void PeerSends(const std::vector<std::uint8_t>& bytes)
    {
        ASSERT_EQ(::send(peer.Get(), bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
    }
};

TEST(TcpClient, AddressesAreDottedIpv4Only)
{
    const std::pair<const char*, bool> table[] = {
        {"127.0.0.1", true},  {"192.168.1.250", true}, {"0.0.0.0", true},     {"255.255.255.255", true},
        {"", false},          {"127.0.0", false},      {"256.1.1.1", false},  {"1.2.3.4.5", false},
        {"localhost", false}, {"::1", false},          {" 127.0.0.1", false}, {"127.0.0.1 ", false},
    };
    for (auto [address, valid] : table) EXPECT_EQ(platform::IsDottedIpv4(address), valid) << address;
    // A malformed address fails before any socket is made; nothing is contacted.
    EXPECT_FALSE(TcpClient::Connect("192.168.1", 2015, 10));
    EXPECT_FALSE(TcpClient::Connect("sign.local", 2015, 10));
}

TEST(TcpClient, RefusedConnectionFails)
{
    Listener listener;
    const std::uint16_t port = listener.Port();
    listener.Close();
    EXPECT_FALSE(TcpClient::Connect("127.0.0.1", port, 1000));
}

TEST(TcpClient, ExchangesBytesBothWays)
{
    Connected link;
    ASSERT_TRUE(link.client);
    ASSERT_GE(link.peer.Get(), 0);
    EXPECT_TRUE(link.client->IsOpen());

    const std::vector<std::uint8_t> frame = {0x7E, 0x01, 0xFE, 0xFE, 0x00, 0x7E, 0x00};
    EXPECT_EQ(link.client->Write(frame, 1000), frame.size());
    std::vector<std::uint8_t> got(frame.size());
    ASSERT_EQ(::recv(link.peer.Get(), got.data(), got.size(), MSG_WAITALL), static_cast<ssize_t>(got.size()));
    EXPECT_EQ(got, frame);

    link.PeerSends({0x7E, 0x01, 0x02, 0x03});
    EXPECT_TRUE(link.client->WaitReadable(1000));
    EXPECT_EQ(link.client->ReadByte(1000), std::optional<std::uint8_t>(0x7E));
    std::vector<std::uint8_t> rest(16);
    std::size_t n = link.client->Read(rest, 1000);
    rest.resize(n);
    EXPECT_EQ(rest, (std::vector<std::uint8_t>{0x01, 0x02, 0x03}));
}

TEST(TcpClient, SilentPeerMakesEveryWaitEndAtItsDeadline)
{
    Connected link;
    ASSERT_TRUE(link.client);
    EXPECT_FALSE(link.client->WaitReadable(30));
    EXPECT_FALSE(link.client->ReadByte(30));
    std::vector<std::uint8_t> buffer(8);
    EXPECT_EQ(link.client->Read(buffer, 30), 0u);
    EXPECT_TRUE(link.client->IsOpen());
}

TEST(TcpClient, PeerThatClosesEndsReadingAndWritingWithoutASignal)
{
    Connected link;
    ASSERT_TRUE(link.client);
    link.PeerSends({0x42});
    link.peer.Reset();
    EXPECT_EQ(link.client->ReadByte(1000), std::optional<std::uint8_t>(0x42));
    EXPECT_TRUE(link.client->WaitReadable(1000));  // the close itself is readable
    EXPECT_FALSE(link.client->ReadByte(1000));

    // Writing to a closed peer soon fails; SIGPIPE would end this test program.
    const std::vector<std::uint8_t> chunk(4096, 0x55);
    std::size_t written = chunk.size();
    for (int i = 0; i < 50 && written == chunk.size(); ++i) written = link.client->Write(chunk, 200);
    EXPECT_LT(written, chunk.size());
}

TEST(TcpClient, ShutdownMakesEveryLaterOperationFail)
{
    Connected link;
    ASSERT_TRUE(link.client);
    link.PeerSends({0x01, 0x02});  // pending data must not be delivered after the cut
    link.client->Shutdown();
    EXPECT_FALSE(link.client->IsOpen());
    EXPECT_FALSE(link.client->WaitReadable(1000));
    EXPECT_FALSE(link.client->ReadByte(1000));
    std::vector<std::uint8_t> buffer(4);
    EXPECT_EQ(link.client->Read(buffer, 1000), 0u);
    EXPECT_EQ(link.client->Write(buffer, 1000), 0u);
    link.client->Shutdown();  // twice is harmless
}

TEST(TcpClient, WriteStopsAtItsDeadlineWhenThePeerDoesNotRead)
{
    Connected link;
    ASSERT_TRUE(link.client);
    // Far more than the socket buffers hold: the peer never reads, so the write must give up.
    const std::vector<std::uint8_t> big(64 * 1024 * 1024, 0xAA);
    std::size_t written = link.client->Write(big, 100);
    EXPECT_GT(written, 0u);
    EXPECT_LT(written, big.size());
}

TEST(TcpClient, MovedClientKeepsTheConnection)
{
    Connected link;
    ASSERT_TRUE(link.client);
    TcpClient moved = std::move(*link.client);
    EXPECT_FALSE(link.client->IsOpen());
    link.PeerSends({0x09});
    EXPECT_EQ(moved.ReadByte(1000), std::optional<std::uint8_t>(0x09));
}

}  // namespace
