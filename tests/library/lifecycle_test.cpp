#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "tests/library/library_folder.h"

namespace librarytest {
namespace {

TEST(LibraryLifecycle, OpenTwiceCloseTwiceAndReopen)
{
    LibraryFolder folder;
    auto& lib = folder.Lib();
    EXPECT_EQ(lib.CloseSF(), 1002);
    EXPECT_EQ(lib.OpenSF(), 0);
    EXPECT_EQ(lib.OpenSF(), 1001);
    int32_t id = -1;
    EXPECT_EQ(lib.SF_RetScreenId(&id), 0) << "the first opening stays intact";
    EXPECT_EQ(lib.CloseSF(), 0);
    EXPECT_EQ(lib.CloseSF(), 1002);
    EXPECT_EQ(lib.OpenSF(), 0);
}

TEST(LibraryLifecycle, OpenNeedsBothFilesBesideTheLibrary)
{
    struct Case {
        bool cmdSet;
        bool sendFrame;
        int expected;
    };
    for (const Case& c :
         {Case{true, true, 0}, Case{true, false, 1010}, Case{false, true, 1010}, Case{false, false, 1010}}) {
        LibraryFolder folder("", "", c.cmdSet, c.sendFrame);
        EXPECT_EQ(folder.Lib().OpenSF(), c.expected) << c.cmdSet << c.sendFrame;
        int32_t id = 0;
        if (c.expected != 0) {
            EXPECT_EQ(folder.Lib().SF_RetScreenId(&id), 1000) << "a failed open leaves the library closed";
            if (!c.sendFrame) {
                EXPECT_FALSE(std::filesystem::exists(folder.File("SendFrame.cfg")));
            }
        }
    }
}

TEST(LibraryLifecycle, OpenIgnoresTheWorkingFolder)
{
    LibraryFolder folder;
    testsupport::TempDir elsewhere;  // holds no files: only the library's own folder counts
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere.Path());
    EXPECT_EQ(folder.Lib().OpenSF(), 0);
    std::filesystem::current_path(previous);
}

TEST(LibraryLifecycle, OpenWritesTheContactAddress)
{
    LibraryFolder folder("", "[Argv]\nScreenID=7\n");
    folder.Open();
    const std::string text = folder.Read("SendFrame.cfg");
    EXPECT_NE(text.find("[TechServer]"), std::string::npos);
    EXPECT_NE(text.find("Email="), std::string::npos);
    EXPECT_NE(text.find("ScreenID=7"), std::string::npos) << "existing settings are kept";
}

TEST(LibraryLifecycle, EveryExportButOpenAndCloseNeedsTheLibraryOpen)
{
    LibraryFolder folder("", "[Argv]\nScreenID=7\n");
    auto& lib = folder.Lib();
    SfComPortRecord com{};
    SfComSelectRecord link{};
    SfIpRecord ip{};
    int32_t value = 0;
    uint8_t bytes[16];
    const std::string before = folder.Read("SendFrame.cfg");
    EXPECT_EQ(lib.SF_RetComPort(&com), 1000);
    EXPECT_EQ(lib.SF_SetComPort(1, 2, 3), 1000);
    EXPECT_EQ(lib.SF_RetComSelect(&link), 1000);
    EXPECT_EQ(lib.SF_SetComSelect(1), 1000);
    EXPECT_EQ(lib.SF_RetBroadcastIp(&ip), 1000);
    EXPECT_EQ(lib.SF_SetBroadcastIp(&ip), 1000);
    EXPECT_EQ(lib.SF_RetScreenId(&value), 1000);
    EXPECT_EQ(lib.SF_SetScreenId(9), 1000);
    EXPECT_EQ(lib.Cmd2Frame("NONE"), 1000);
    EXPECT_EQ(lib.CmdSet("NONE", 1, "x", 0), 1000);
    EXPECT_EQ(lib.Send(0, 0), 1000);
    EXPECT_EQ(lib.SF_GetReturnValue(&value, &value, bytes), 1000);
    EXPECT_EQ(folder.Read("SendFrame.cfg"), before);
    EXPECT_FALSE(std::filesystem::exists(folder.File("FrameInput.dat")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("FrameReturn.dat")));
}

TEST(LibraryLifecycle, NullPointersGiveTheBadArgumentCode)
{
    LibraryFolder folder;
    folder.Open();
    auto& lib = folder.Lib();
    int32_t value = 0;
    uint8_t bytes[4];
    EXPECT_EQ(lib.SF_RetComPort(nullptr), SF_ERR_BAD_ARGUMENT);
    EXPECT_EQ(lib.SF_RetComSelect(nullptr), SF_ERR_BAD_ARGUMENT);
    EXPECT_EQ(lib.SF_RetBroadcastIp(nullptr), SF_ERR_BAD_ARGUMENT);
    EXPECT_EQ(lib.SF_SetBroadcastIp(nullptr), SF_ERR_BAD_ARGUMENT);
    EXPECT_EQ(lib.SF_RetScreenId(nullptr), SF_ERR_BAD_ARGUMENT);
    EXPECT_EQ(lib.Cmd2Frame(nullptr), SF_ERR_BAD_ARGUMENT);
    EXPECT_EQ(lib.CmdSet(nullptr, 1, "1", 0), SF_ERR_BAD_ARGUMENT);
    EXPECT_EQ(lib.CmdSet("NONE", 1, nullptr, 0), SF_ERR_BAD_ARGUMENT);
    EXPECT_EQ(lib.SF_GetReturnValue(nullptr, &value, bytes), SF_ERR_BAD_ARGUMENT);
    EXPECT_EQ(lib.SF_GetReturnValue(&value, nullptr, bytes), SF_ERR_BAD_ARGUMENT);
    EXPECT_EQ(lib.SF_GetReturnValue(&value, &value, nullptr), SF_ERR_BAD_ARGUMENT);
    EXPECT_EQ(lib.Send(-1, 0), SF_ERR_BAD_ARGUMENT);
    EXPECT_EQ(lib.Send(0, -5), SF_ERR_BAD_ARGUMENT);
}

TEST(LibrarySettings, ComPortReadsZeroForAbsentKeysAndWritesThreeKeys)
{
    LibraryFolder folder("", "[Setup]\nCommuPort=RS232\n");
    folder.Open();
    auto& lib = folder.Lib();
    SfComPortRecord com{9, 9, 9, 9};
    ASSERT_EQ(lib.SF_RetComPort(&com), 0);
    EXPECT_EQ(com.com, 0);
    EXPECT_EQ(com.baudRate, 0);
    EXPECT_EQ(com.waitTimeMs, 0);
    EXPECT_EQ(com.reserved, 0);

    ASSERT_EQ(lib.SF_SetComPort(3, 57600, -100), 0) << "no range test";
    ASSERT_EQ(lib.SF_RetComPort(&com), 0);
    EXPECT_EQ(com.com, 3);
    EXPECT_EQ(com.baudRate, 57600);
    EXPECT_EQ(com.waitTimeMs, -100);
    const std::string text = folder.Read("SendFrame.cfg");
    EXPECT_NE(text.find("[Argv]\nCOM=3\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[ComPort]\nBaudRate=57600\nWaitTimeMs=-100\n"), std::string::npos) << text;
}

TEST(LibrarySettings, ComSelectReadsTheLinkName)
{
    struct Case {
        std::string file;
        int32_t link;
    };
    for (const Case& c : {Case{"", 0}, Case{"[Setup]\nCommuPort=RS232\n", 0},
                          Case{"[Setup]\nCommuPort=rs232\n", 0}, Case{"[setup]\ncommuport= \"Rs232\" \n", 0},
                          Case{"[Setup]\nCommuPort=\n", 1}, Case{"[Setup]\nCommuPort=TCP\n", 1},
                          Case{"[Setup]\nCommuPort=@\n", 0}, Case{"[Setup]\nCommuPort=UDP\n", 1}}) {
        LibraryFolder folder("", c.file);
        folder.Open();
        SfComSelectRecord record{7, 7};
        ASSERT_EQ(folder.Lib().SF_RetComSelect(&record), 0);
        EXPECT_EQ(record.link, c.link) << c.file;
        EXPECT_EQ(record.reserved, 0);
    }
}

TEST(LibrarySettings, ComSelectWritesRs232OnlyForZero)
{
    for (const auto& [link, name] : {std::pair{0, "RS232"}, {1, "TCP"}, {5, "TCP"}, {-1, "TCP"}}) {
        LibraryFolder folder;
        folder.Open();
        ASSERT_EQ(folder.Lib().SF_SetComSelect(link), 0);
        EXPECT_NE(folder.Read("SendFrame.cfg").find(std::string("CommuPort=") + name + "\n"),
                  std::string::npos);
        SfComSelectRecord record{};
        folder.Lib().SF_RetComSelect(&record);
        EXPECT_EQ(record.link, link == 0 ? 0 : 1);
    }
}

TEST(LibrarySettings, BroadcastIpReadsDottedText)
{
    struct Case {
        std::string file;
        std::array<int32_t, 4> parts;
    };
    for (const Case& c : {Case{"", {0, 0, 0, 0}}, Case{"[Argv]\nBroadCastId=10.0.0.7\n", {10, 0, 0, 7}},
                          Case{"[ARGV]\nbroadcastid=192.168.1.250\n", {192, 168, 1, 250}},
                          Case{"[Argv]\nBroadCastId=letters\n", {255, 255, 255, 255}},
                          Case{"[Argv]\nBroadCastId=@\n", {0, 0, 0, 0}}}) {
        LibraryFolder folder("", c.file);
        folder.Open();
        SfIpRecord ip{{9, 9, 9, 9}};
        ASSERT_EQ(folder.Lib().SF_RetBroadcastIp(&ip), 0);
        EXPECT_EQ((std::array<int32_t, 4>{ip.part[0], ip.part[1], ip.part[2], ip.part[3]}), c.parts)
            << c.file;
    }
}

TEST(LibrarySettings, BroadcastIpWritesLowBytesAndTheWholeHeads)
{
    LibraryFolder folder;
    folder.Open();
    const SfIpRecord ip{{300, 1, 2, 3}};
    ASSERT_EQ(folder.Lib().SF_SetBroadcastIp(&ip), 0);
    const std::string text = folder.Read("SendFrame.cfg");
    EXPECT_NE(text.find("IPHEAD0=300\nIPHEAD1=1\nBroadCastId=44.1.2.3\n"), std::string::npos) << text;
    SfIpRecord back{};
    folder.Lib().SF_RetBroadcastIp(&back);
    EXPECT_EQ(back.part[0], 44);
    EXPECT_EQ(back.part[3], 3);
}

TEST(LibrarySettings, ScreenIdRoundTripsWithoutRangeTestAndSeesHandEdits)
{
    LibraryFolder folder("", "[argv]\nscreenid=258\n");
    folder.Open();
    int32_t id = 0;
    ASSERT_EQ(folder.Lib().SF_RetScreenId(&id), 0);
    EXPECT_EQ(id, 258) << "names match without regard to case";
    ASSERT_EQ(folder.Lib().SF_SetScreenId(70000), 0);
    folder.Lib().SF_RetScreenId(&id);
    EXPECT_EQ(id, 70000);
    folder.Write("SendFrame.cfg", "[Argv]\nScreenID=12\n");
    folder.Lib().SF_RetScreenId(&id);
    EXPECT_EQ(id, 12) << "nothing is cached";
}

TEST(LibrarySettings, AFileThatCannotBeWrittenGivesTheWriteCode)
{
    LibraryFolder folder;
    folder.Open();
    // A folder where the settings file should be: no one can write it, root included.
    std::filesystem::remove(folder.File("SendFrame.cfg"));
    std::filesystem::create_directory(folder.File("SendFrame.cfg"));
    EXPECT_EQ(folder.Lib().SF_SetScreenId(5), SF_ERR_FILE_WRITE);
    EXPECT_EQ(folder.Lib().SF_SetComPort(1, 2, 3), SF_ERR_FILE_WRITE);
    EXPECT_EQ(folder.Lib().SF_SetComSelect(1), SF_ERR_FILE_WRITE);
    const SfIpRecord ip{{127, 0, 0, 1}};
    EXPECT_EQ(folder.Lib().SF_SetBroadcastIp(&ip), SF_ERR_FILE_WRITE);
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("SendFrame.cfg")));
}

}  // namespace
}  // namespace librarytest
