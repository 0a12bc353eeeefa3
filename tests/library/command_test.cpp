#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/library/library_folder.h"

namespace librarytest {
namespace {

std::string BinaryFile(const testsupport::TempDir& dir, const std::string& name, std::size_t size)
{
    const std::string path = dir.File(name);
    std::ofstream out(path, std::ios::binary);
    for (std::size_t i = 0; i < size; ++i) out.put(static_cast<char>(i % 251));
    return path;
}

struct BuildCase {
    std::string name;
    std::string section;   // the command's parameters, without its header
    std::string expected;  // FrameInput.dat, whole
};

TEST(LibraryCmd2Frame, ParametersBecomeFrameContents)
{
    const std::vector<BuildCase> cases = {
        {"str and open-ended hex",
         "PARANUMB=2\nP01_TYPE=STR\nP01_BYTE=4\nP01_VALU=ABCD\nP02_TYPE=HEX\nP02_BYTE=0\nP02_VALU=1 2345\n",
         "[Output]\n0000_LONG=7\n0000_DATA=41 42 43 44 01 23 45 \nFRAMES=1\n"},
        {"hand-written int pads behind", "PARANUMB=1\nP01_TYPE=INT\nP01_BYTE=2\nP01_VALU=7\n",
         "[Output]\n0000_LONG=2\n0000_DATA=07 00 \nFRAMES=1\n"},
        {"str pads with zeros and drops the rest",
         "PARANUMB=2\nP01_TYPE=STR\nP01_BYTE=3\nP01_VALU=AB\nP02_TYPE=STR\nP02_BYTE=2\nP02_VALU=XYZ\n",
         "[Output]\n0000_LONG=5\n0000_DATA=41 42 00 58 59 \nFRAMES=1\n"},
        {"str byte 0 takes the value's length", "PARANUMB=1\nP01_TYPE=STR\nP01_BYTE=0\nP01_VALU=\" a \"\n",
         "[Output]\n0000_LONG=3\n0000_DATA=20 61 20 \nFRAMES=1\n"},
        {"digit rule reads any character", "PARANUMB=1\nP01_TYPE=HEX\nP01_BYTE=3\nP01_VALU=aFG z\n",
         "[Output]\n0000_LONG=3\n0000_DATA=AF 00 03 \nFRAMES=1\n"},
        {"lower-case type contributes nothing",
         "PARANUMB=2\nP01_TYPE=str\nP01_BYTE=4\nP01_VALU=ABCD\nP02_TYPE=STR\nP02_BYTE=1\nP02_VALU=Z\n",
         "[Output]\n0000_LONG=1\n0000_DATA=5A \nFRAMES=1\n"},
        {"tenth parameter is P0:",
         "PARANUMB=10\n"
         "P01_TYPE=X\nP01_BYTE=0\nP01_VALU=0\nP02_TYPE=X\nP02_BYTE=0\nP02_VALU=0\nP03_TYPE=X\nP03_BYTE="
         "0\nP03_VALU=0\n"
         "P04_TYPE=X\nP04_BYTE=0\nP04_VALU=0\nP05_TYPE=X\nP05_BYTE=0\nP05_VALU=0\nP06_TYPE=X\nP06_BYTE="
         "0\nP06_VALU=0\n"
         "P07_TYPE=X\nP07_BYTE=0\nP07_VALU=0\nP08_TYPE=X\nP08_BYTE=0\nP08_VALU=0\nP09_TYPE=X\nP09_BYTE="
         "0\nP09_VALU=0\n"
         "P0:_TYPE=STR\nP0:_BYTE=2\nP0:_VALU=OK\nP10_TYPE=STR\nP10_BYTE=2\nP10_VALU=NO\n",
         "[Output]\n0000_LONG=2\n0000_DATA=4F 4B \nFRAMES=1\n"},
    };
    for (const BuildCase& c : cases) {
        LibraryFolder folder("[CMD]\n" + c.section);
        folder.Open();
        EXPECT_EQ(folder.Lib().Cmd2Frame("cmd"), 0) << c.name;
        EXPECT_EQ(folder.Read("FrameInput.dat"), c.expected) << c.name;
    }
}

TEST(LibraryCmd2Frame, RefusalsLeaveFrameInputAsItWas)
{
    testsupport::TempDir files;
    const std::string small = BinaryFile(files, "small.bin", 10);
    const std::string big = BinaryFile(files, "big.bin", 10001);
    const std::string fifo = files.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"no PARANUMB", "P01_TYPE=STR\nP01_BYTE=1\nP01_VALU=A\n"},
        {"PARANUMB 0", "PARANUMB=0\n"},
        {"PARANUMB over 1024", "PARANUMB=1025\nP01_TYPE=STR\nP01_BYTE=1\nP01_VALU=A\n"},
        {"type absent", "PARANUMB=1\nP01_BYTE=1\nP01_VALU=A\n"},
        {"byte absent", "PARANUMB=1\nP01_TYPE=STR\nP01_VALU=A\n"},
        {"value absent", "PARANUMB=1\nP01_TYPE=STR\nP01_BYTE=1\n"},
        {"value @", "PARANUMB=1\nP01_TYPE=STR\nP01_BYTE=1\nP01_VALU=@\n"},
        {"second parameter incomplete", "PARANUMB=2\nP01_TYPE=STR\nP01_BYTE=1\nP01_VALU=A\nP02_TYPE=STR\n"},
        {"negative byte count", "PARANUMB=1\nP01_TYPE=STR\nP01_BYTE=-4\nP01_VALU=A\n"},
        {"missing file",
         "PARANUMB=1\nP01_TYPE=FILE\nP01_BYTE=4\nP01_VALU=" + files.File("absent.bin") + "\n"},
        {"a folder for a file", "PARANUMB=1\nP01_TYPE=FILE\nP01_BYTE=4\nP01_VALU=" + files.Path() + "\n"},
        {"a FIFO nobody writes to", "PARANUMB=1\nP01_TYPE=FILE\nP01_BYTE=4\nP01_VALU=" + fifo + "\n"},
        {"a device that never ends", "PARANUMB=1\nP01_TYPE=FILE\nP01_BYTE=4\nP01_VALU=/dev/zero\n"},
        {"a device that is empty", "PARANUMB=1\nP01_TYPE=FILE\nP01_BYTE=4\nP01_VALU=/dev/null\n"},
        {"head over 4", "PARANUMB=1\nP01_TYPE=FILE\nP01_BYTE=4\nP01_HEAD=5\nP01_VALU=" + small + "\n"},
        {"content over 20480",
         "PARANUMB=2\nP01_TYPE=STR\nP01_BYTE=20000\nP01_VALU=A\nP02_TYPE=STR\nP02_BYTE=481\nP02_VALU=B\n"},
        {"more than 10000 frames", "PARANUMB=1\nP01_TYPE=FILE\nP01_BYTE=1\nP01_VALU=" + big + "\n"},
        {"a file over 20480 in one frame", "PARANUMB=1\nP01_TYPE=FILE\nP01_BYTE=99999999999\nP01_VALU=" +
                                               BinaryFile(files, "over.bin", 20481) + "\n"},
        {"a str over 20480", "PARANUMB=1\nP01_TYPE=STR\nP01_BYTE=99999999999\nP01_VALU=A\n"},
        {"an int over 20480", "PARANUMB=1\nP01_TYPE=INT\nP01_BYTE=20481\nP01_VALU=1\n"},
    };
    for (const auto& [name, section] : cases) {
        LibraryFolder folder("[CMD]\n" + section);
        folder.Write("FrameInput.dat", "[Output]\nFRAMES=0\n");
        folder.Open();
        EXPECT_EQ(folder.Lib().Cmd2Frame("CMD"), 1) << name;
        EXPECT_EQ(folder.Read("FrameInput.dat"), "[Output]\nFRAMES=0\n") << name;
    }
    LibraryFolder folder("[CMD]\nPARANUMB=1\nP01_TYPE=STR\nP01_BYTE=1\nP01_VALU=A\n");
    folder.Open();
    EXPECT_EQ(folder.Lib().Cmd2Frame("OTHER"), 1) << "an absent command";
}

TEST(LibraryCmd2Frame, ExactlyTenThousandFramesAndTwentyKilobytesAreAccepted)
{
    testsupport::TempDir files;
    const std::string file = BinaryFile(files, "exact.bin", 10000);
    LibraryFolder folder("[A]\nPARANUMB=1\nP01_TYPE=FILE\nP01_BYTE=1\nP01_VALU=" + file +
                         "\n[B]\nPARANUMB=1\nP01_TYPE=STR\nP01_BYTE=20480\nP01_VALU=A\n");
    folder.Open();
    EXPECT_EQ(folder.Lib().Cmd2Frame("A"), 0);
    EXPECT_NE(folder.Read("FrameInput.dat").find("\nFRAMES=10000\n"), std::string::npos);
    EXPECT_EQ(folder.Lib().Cmd2Frame("B"), 0);
    EXPECT_NE(folder.Read("FrameInput.dat").find("0000_LONG=20480\n"), std::string::npos);
}

TEST(LibraryCmd2Frame, ALargeByteCountAloneIsNoRefusal)
{
    // A FILE's BYTE is its share per frame; a file shorter than that is complete in
    // one frame. A type that contributes nothing has no size at all.
    testsupport::TempDir files;
    const std::string file = BinaryFile(files, "three.bin", 3);
    LibraryFolder folder("[F]\nPARANUMB=1\nP01_TYPE=FILE\nP01_BYTE=30000\nP01_VALU=" + file +
                         "\n[X]\nPARANUMB=2\nP01_TYPE=BITS\nP01_BYTE=99999\nP01_VALU=1\nP02_TYPE=STR\n"
                         "P02_BYTE=1\nP02_VALU=Z\n");
    folder.Open();
    ASSERT_EQ(folder.Lib().Cmd2Frame("F"), 0);
    EXPECT_EQ(folder.Read("FrameInput.dat"), "[Output]\n0000_LONG=3\n0000_DATA=00 01 02 \nFRAMES=1\n");
    ASSERT_EQ(folder.Lib().Cmd2Frame("X"), 0);
    EXPECT_EQ(folder.Read("FrameInput.dat"), "[Output]\n0000_LONG=1\n0000_DATA=5A \nFRAMES=1\n");
}

TEST(LibraryCmd2Frame, FilePagesCarryTheirAddresses)
{
    testsupport::TempDir files;
    const std::string file = BinaryFile(files, "page.bin", 250);
    LibraryFolder folder(
        "[MWRD]\nPARANUMB=3\nP01_TYPE=STR\nP01_BYTE=4\nP01_VALU=MWRD\nP02_TYPE=FILE\nP02_BYTE=100\n"
        "P02_HEAD=2\nP02_INIT=10 00@5\nP02_VALU=" +
        file + "\nP03_TYPE=HEX\nP03_BYTE=1\nP03_VALU=EE\n");
    folder.Open();
    ASSERT_EQ(folder.Lib().Cmd2Frame("MWRD"), 0);
    const std::string text = folder.Read("FrameInput.dat");
    std::vector<std::uint8_t> page(100);
    auto expected = [&](std::uint8_t high, std::uint8_t low, std::size_t from, std::size_t count, bool tail) {
        std::vector<std::uint8_t> bytes{'M', 'W', 'R', 'D', high, low};
        for (std::size_t i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>((from + i) % 251));
        if (tail) bytes.push_back(0xEE);
        return bytes;
    };
    const auto frame0 = expected(0x10, 0x00, 0, 100, true);
    const auto frame1 = expected(0x10, 0x64, 100, 100, true);
    const auto frame2 = expected(0x10, 0xC8, 200, 50, false);
    EXPECT_NE(text.find("0000_LONG=107\n0000_DATA=" + Hex(frame0) + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("0001_LONG=107\n0001_DATA=" + Hex(frame1) + "\n"), std::string::npos);
    EXPECT_NE(text.find("0002_LONG=56\n0002_DATA=" + Hex(frame2) + "\nFRAMES=3\n"), std::string::npos);
}

TEST(LibraryCmd2Frame, FileFrameCounts)
{
    struct Case {
        std::size_t size;
        int chunk;
        int frames;
    };
    testsupport::TempDir files;
    for (const Case& c : {Case{200, 100, 2}, Case{201, 100, 3}, Case{0, 100, 1}, Case{99, 100, 1},
                          Case{100, 100, 1}, Case{5, 0, 1}}) {
        const std::string file = BinaryFile(files, "f" + std::to_string(c.size) + ".bin", c.size);
        LibraryFolder folder("[F]\nPARANUMB=1\nP01_TYPE=FILE\nP01_HEAD=4\nP01_BYTE=" +
                             std::to_string(c.chunk) + "\nP01_VALU=" + file + "\n");
        folder.Open();
        ASSERT_EQ(folder.Lib().Cmd2Frame("F"), 0);
        EXPECT_NE(folder.Read("FrameInput.dat").find("FRAMES=" + std::to_string(c.frames) + "\n"),
                  std::string::npos)
            << c.size << "/" << c.chunk;
    }
}

TEST(LibraryCmd2Frame, OtherSectionsOfFrameInputAreKept)
{
    LibraryFolder folder(LettersCommand("NONE", "NONE"));
    folder.Write("FrameInput.dat", "[Note]\nby=hand\n[Output]\n0007_LONG=1\nFRAMES=8\n");
    folder.Open();
    ASSERT_EQ(folder.Lib().Cmd2Frame("none"), 0);
    EXPECT_EQ(folder.Read("FrameInput.dat"),
              "[Note]\nby=hand\n[Output]\n0000_LONG=4\n0000_DATA=4E 4F 4E 45 \nFRAMES=1\n");
}

TEST(LibraryCmd2Frame, AnUnwritableFrameInputGivesTheWriteCode)
{
    LibraryFolder folder(LettersCommand("NONE", "NONE"));
    std::filesystem::create_directory(folder.File("FrameInput.dat"));
    folder.Open();
    EXPECT_EQ(folder.Lib().Cmd2Frame("NONE"), SF_ERR_FILE_WRITE);
}

std::string ParamSection(const std::string& type, const std::string& bytes, const std::string& value)
{
    return "[CMD]\nPARANUMB=1\nP01_TYPE=" + type + "\nP01_BYTE=" + bytes + "\nP01_VALU=" + value + "\n";
}

TEST(LibraryCmdSet, StoresValuesByType)
{
    struct Case {
        std::string type;
        std::string bytes;
        std::string value;
        int isAddress;
        std::string storedLine;
    };
    const std::vector<Case> cases = {
        {"INT", "2", "123456", 0, "P01_VALU=34 56 \n"},
        {"INT", "0", "123456", 0, "P01_VALU=12 34 56 \n"},
        {"HEX", "0", "123", 0, "P01_VALU=01 23 \n"},
        {"INT", "2", "7", 0, "P01_VALU=00 07 \n"},
        {"HEX", "3", "a b", 0, "P01_VALU=00 0A 0B \n"},
        {"STR", "0", " lead", 0, "P01_VALU=\" lead\"\n"},
        {"FILE", "16", "/tmp/x.bin", 0, "P01_VALU=/tmp/x.bin\n"},
        {"FILE", "16", "8000", 1, "P01_INIT=8000\n"},
        {"FILE", "16", "8000", 0x100, "P01_VALU=8000\n"},  // only the low byte of isAddress counts
    };
    for (const Case& c : cases) {
        LibraryFolder folder(ParamSection(c.type, c.bytes, "old"));
        folder.Open();
        EXPECT_EQ(folder.Lib().CmdSet("cmd", 1, c.value.c_str(), c.isAddress), 0) << c.type << " " << c.value;
        EXPECT_NE(folder.Read("CmdSet.cfg").find(c.storedLine), std::string::npos)
            << c.type << " " << c.value << "\n"
            << folder.Read("CmdSet.cfg");
    }
}

TEST(LibraryCmdSet, ValueSetForIntIsBigEndianInTheFrame)
{
    LibraryFolder folder(ParamSection("INT", "2", "7"));
    folder.Open();
    ASSERT_EQ(folder.Lib().CmdSet("CMD", 1, "7", 0), 0);
    ASSERT_EQ(folder.Lib().Cmd2Frame("CMD"), 0);
    EXPECT_NE(folder.Read("FrameInput.dat").find("0000_DATA=00 07 \n"), std::string::npos);
}

TEST(LibraryCmdSet, StrKeepsItsBlanksThroughCmd2Frame)
{
    LibraryFolder folder(ParamSection("STR", "0", "x"));
    folder.Open();
    ASSERT_EQ(folder.Lib().CmdSet("CMD", 1, " A ", 0), 0);
    ASSERT_EQ(folder.Lib().Cmd2Frame("CMD"), 0);
    EXPECT_NE(folder.Read("FrameInput.dat").find("0000_LONG=3\n0000_DATA=20 41 20 \n"), std::string::npos);
}

TEST(LibraryCmdSet, RefusalsLeaveCmdSetAsItWas)
{
    struct Case {
        std::string file;
        int number;
        std::string value;
        int expected;
    };
    const std::vector<Case> cases = {
        {ParamSection("INT", "2", "1"), 1, "12G4", 1012},
        {ParamSection("INT", "2", "1"), 100, "1", 1012},
        {ParamSection("INT", "2", "1"), -1, "1", 1012},
        {"[CMD]\nP01_TYPE=INT\nP01_VALU=1\n", 1, "1", 1011},
        {ParamSection("INT", "1024", "1"), 1, "1", 1011},
        {ParamSection("INT", "-1", "1"), 1, "1", 1011},
        {"[CMD]\nP01_TYPE=INT\nP01_BYTE=1\n", 1, "1", 1011},
        {"[CMD]\nP01_BYTE=1\nP01_VALU=1\n", 1, "1", 1011},
        {ParamSection("STR", "0", "1"), 2, "1", 1011},
        {ParamSection("STR", "0", "1"), 1, "two\nlines", SF_ERR_BAD_ARGUMENT},
    };
    for (const Case& c : cases) {
        LibraryFolder folder(c.file);
        folder.Open();
        EXPECT_EQ(folder.Lib().CmdSet("CMD", c.number, c.value.c_str(), 0), c.expected) << c.file << c.value;
        EXPECT_EQ(folder.Read("CmdSet.cfg"), c.file);
    }
}

TEST(LibraryCmdSet, TenthParameterIsAddressedAsP10)
{
    LibraryFolder folder(
        "[CMD]\nP0:_TYPE=INT\nP0:_BYTE=1\nP0:_VALU=1\nP10_TYPE=INT\nP10_BYTE=1\nP10_VALU=1\n");
    folder.Open();
    ASSERT_EQ(folder.Lib().CmdSet("CMD", 10, "AB", 0), 0);
    EXPECT_NE(folder.Read("CmdSet.cfg").find("P0:_VALU=1\nP10_TYPE=INT\nP10_BYTE=1\nP10_VALU=AB \n"),
              std::string::npos);
}

TEST(LibraryCmdSet, OtherTypesWriteNothing)
{
    const std::string file = ParamSection("BITS", "1", "1");
    LibraryFolder folder(file);
    folder.Open();
    EXPECT_EQ(folder.Lib().CmdSet("CMD", 1, "zz", 0), 0);
    EXPECT_EQ(folder.Read("CmdSet.cfg"), file);
}

}  // namespace
}  // namespace librarytest
