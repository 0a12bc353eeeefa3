#include "bench/links/port_scan.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench/links/collecting_monitor.h"
#include "platform/profile.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using links::MappedPort;
using links::PresentDevice;

struct Listed {
    int number;
    std::string device;
    bool operator==(const Listed&) const = default;
};

std::vector<Listed> ListedPorts(const links::PortScan& scan)
{
    std::vector<Listed> listed;
    for (const auto& port : scan.ports) {
        EXPECT_EQ(port.name, "COM" + std::to_string(port.number));
        listed.push_back({port.number, port.device});
    }
    return listed;
}

PresentDevice Node(const std::string& device) { return {device, device}; }

TEST(ScanSerialPorts, NumbersDevicesByMappingDefaultOrLowestFreeNumber)
{
    struct Case {
        const char* what;
        std::vector<PresentDevice> present;
        std::vector<MappedPort> mapped;
        std::vector<Listed> listed;
        std::vector<std::pair<int, std::string>> newMappings;
    } cases[] = {
        {"nothing present, nothing mapped", {}, {}, {}, {}},
        {"ttyS<k> is COM<k+1> without a mapping",
         {Node("/dev/ttyS0"), Node("/dev/ttyS2")},
         {},
         {{1, "/dev/ttyS0"}, {3, "/dev/ttyS2"}},
         {}},
        {"an adapter gets the lowest number no ttyS and no mapping holds",
         {Node("/dev/ttyS0"), Node("/dev/ttyUSB0"), Node("/dev/ttyACM0")},
         {{2, "/dev/gone", std::nullopt}},
         {{1, "/dev/ttyS0"}, {3, "/dev/ttyUSB0"}, {4, "/dev/ttyACM0"}},
         {{3, "/dev/ttyUSB0"}, {4, "/dev/ttyACM0"}}},
        {"a mapped adapter keeps its number and gets no new mapping",
         {Node("/dev/ttyUSB0")},
         {{7, "/dev/serial/by-id/usb-x", "/dev/ttyUSB0"}},
         {{7, "/dev/serial/by-id/usb-x"}},
         {}},
        {"mapped paths that exist are listed though the system does not show them (a pty)",
         {},
         {{1, "/tmp/sign-a", "/dev/pts/3"}, {4, "/tmp/sign-b", "/dev/pts/4"}},
         {{1, "/tmp/sign-a"}, {4, "/tmp/sign-b"}},
         {}},
        {"a ttyS whose default number is mapped elsewhere is given a free number",
         {Node("/dev/ttyS0")},
         {{1, "/tmp/sign-a", "/dev/pts/3"}},
         {{1, "/tmp/sign-a"}, {2, "/dev/ttyS0"}},
         {{2, "/dev/ttyS0"}}},
        {"the mapping is written under the adapter's stable name",
         {{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_A1-port0"}},
         {},
         {{1, "/dev/serial/by-id/usb-FTDI_A1-port0"}},
         {{1, "/dev/serial/by-id/usb-FTDI_A1-port0"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto scan = links::ScanSerialPorts(c.present, c.mapped);
        EXPECT_EQ(ListedPorts(scan), c.listed);
        EXPECT_EQ(scan.newMappings, c.newMappings);
    }
}

TEST(ScanSerialPorts, ListsAtMost49PortsAndHandsOutNoNumberAbove255)
{
    std::vector<MappedPort> mapped;
    for (int n = 1; n <= 254; ++n) mapped.push_back({n, "/x" + std::to_string(n), "/x" + std::to_string(n)});
    const auto scan = links::ScanSerialPorts({Node("/dev/ttyUSB0"), Node("/dev/ttyUSB1")}, mapped);
    ASSERT_EQ(scan.ports.size(), links::kMaxScannedPorts);
    EXPECT_EQ(scan.ports.front().number, 1);
    EXPECT_EQ(scan.ports.back().number, 49);
    const std::vector<std::pair<int, std::string>> only255{{255, "/dev/ttyUSB0"}};
    EXPECT_EQ(scan.newMappings, only255);
}

TEST(LogPortScan, WritesFoundAndPortNumberLinesThenTheSeparator)
{
    links::CollectingMonitor monitor;
    links::LogPortScan(monitor, {{"COM1", 1, "/dev/ttyS0"}, {"COM3", 3, "/dev/ttyS2"}});
    links::LogPortScan(monitor, {});
    const std::vector<std::string> expected = {
        "[FOUND]: COM1 COM3 ", "[PORT#]: 1 3 ", std::string(33, '-'),
        "[FOUND]: ",           "[PORT#]: ",     std::string(33, '-'),
    };
    EXPECT_EQ(monitor.Lines(), expected);
}

// A sysfs-like folder and a /dev-like folder in a temporary folder.
class PortSourceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        source.sysClassTty = dir.File("sys");
        source.devFolder = dir.File("dev");
        fs::create_directories(source.devFolder + "/serial/by-id");
    }
    // A tty entry; driver and type as the kernel shows them for ttyS ports.
    void Tty(const std::string& name, bool device, bool driver = false, const char* type = nullptr,
             bool node = true)
    {
        const std::string entry = source.sysClassTty + "/" + name;
        fs::create_directories(entry);
        if (device) fs::create_directories(entry + (driver ? "/device/driver" : "/device"));
        if (type) testsupport::WriteTextFile(entry + "/type", type);
        if (node) testsupport::WriteTextFile(Dev(name), "");
    }
    std::string Dev(const std::string& name) const
    {
        return fs::canonical(source.devFolder).string() + "/" + name;
    }

    testsupport::TempDir dir;
    links::PortSource source;
};

TEST_F(PortSourceTest, ListsRealSerialDevicesOnly)
{
    Tty("ttyS0", true, true, "4\n");  // a real 16550A
    Tty("ttyS1", true, true, "0\n");  // a placeholder of the 8250 driver
    Tty("ttyS2", true, false);        // no driver bound
    Tty("ttyUSB10", true);
    Tty("ttyUSB2", true);
    Tty("ttyACM0", true);
    Tty("ttyUSB3", true, false, nullptr, false);  // no node in /dev
    Tty("tty5", true, true);
    Tty("console", false);
    fs::create_symlink("../../ttyUSB2", source.devFolder + "/serial/by-id/usb-FTDI_A1-if00-port0");

    std::vector<std::string> devices;
    std::vector<std::string> names;
    for (const auto& device : links::ListSerialDevices(source)) {
        devices.push_back(device.device);
        names.push_back(device.stableName);
    }
    const std::vector<std::string> expected = {Dev("ttyACM0"), Dev("ttyS0"), Dev("ttyUSB2"), Dev("ttyUSB10")};
    EXPECT_EQ(devices, expected);
    const std::string byId =
        fs::canonical(source.devFolder).string() + "/serial/by-id/usb-FTDI_A1-if00-port0";
    EXPECT_EQ(names[2], byId);
    EXPECT_EQ(names[0], Dev("ttyACM0"));
}

TEST_F(PortSourceTest, NewMappingsAreWrittenAndStayStableAcrossScans)
{
    Tty("ttyUSB0", true);
    Tty("ttyUSB1", true);
    const std::string pty = dir.File("sign-link");
    testsupport::WriteTextFile(dir.File("sign-device"), "");
    fs::create_symlink(dir.File("sign-device"), pty);
    testsupport::WriteTextFile(dir.File("setup.cfg"), "[PORT]\nCOM=0\n[SERIALPORTS]\nCOM1=" + pty +
                                                          "\nCOM2=  \nCOM3=" + dir.File("unplugged") + "\n");
    platform::Profile settings(dir.File("setup.cfg"));

    const auto first = links::RunPortScan(source, settings);
    EXPECT_EQ(first.error, "");
    const std::vector<Listed> expected = {{1, pty}, {2, Dev("ttyUSB0")}, {4, Dev("ttyUSB1")}};
    EXPECT_EQ(ListedPorts(first.scan), expected);
    EXPECT_EQ(settings.ReadText("SERIALPORTS", "COM2", ""), Dev("ttyUSB0"));
    EXPECT_EQ(settings.ReadText("SERIALPORTS", "COM4", ""), Dev("ttyUSB1"));
    EXPECT_EQ(settings.ReadInt("PORT", "COM", -1), 0);

    // The first adapter goes away; the second keeps COM4 and nothing new is written.
    fs::remove(Dev("ttyUSB0"));
    fs::remove_all(source.sysClassTty + "/ttyUSB0");
    const std::string before = testsupport::ReadTextFile(dir.File("setup.cfg"));
    const auto second = links::RunPortScan(source, settings);
    const std::vector<Listed> after = {{1, pty}, {4, Dev("ttyUSB1")}};
    EXPECT_EQ(ListedPorts(second.scan), after);
    EXPECT_TRUE(second.scan.newMappings.empty());
    EXPECT_EQ(testsupport::ReadTextFile(dir.File("setup.cfg")), before);
}

TEST_F(PortSourceTest, MissingFoldersAndSettingsGiveAnEmptyScan)
{
    source.sysClassTty = dir.File("no-sys");
    platform::Profile settings(dir.File("absent.cfg"));
    const auto run = links::RunPortScan(source, settings);
    EXPECT_TRUE(run.scan.ports.empty());
    EXPECT_EQ(run.error, "");
    EXPECT_FALSE(settings.Exists());
}

}  // namespace
