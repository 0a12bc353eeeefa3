#include "platform/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "tests/support/temp_dir.h"

namespace {

using platform::Profile;
using testsupport::ReadTextFile;
using testsupport::TempDir;
using testsupport::WriteTextFile;

class ProfileTest : public ::testing::Test {
protected:
    Profile WithText(const std::string& text)
    {
        WriteTextFile(path_, text);
        return Profile(path_);
    }
    std::string Text() const { return ReadTextFile(path_); }

    TempDir dir_;
    std::string path_ = dir_.File("setup.cfg");
};

const char* const kSample =
    "Orphan=before any section\n"
    "; a comment that must survive\n"
    "[Port]\n"
    "Baud=9600\n"
    "Hex=0x1F\n"
    "HexUpper=0XfF\n"
    "Negative=-12\n"
    "Word=fast\n"
    "Partly=12ab\n"
    "Spaced=  7  \n"
    "Empty=\n"
    "[Argv]\n"
    "Quoted=  \"192.168.1.250\"  \n"
    "At=@\n"
    "QuotedAt=\"@\"\n"
    "Inner=a \"b\" c\n"
    "[port]\n"
    "Baud=115200\n";

struct ReadCase {
    const char* section;
    const char* key;
    const char* text;     // bench flavour, nullptr: absent (the fallback "dflt")
    long long number;     // bench flavour with fallback -1
    const char* libText;  // library flavour, nullptr: absent
    long long libNumber;  // library flavour with fallback -1
};

TEST_F(ProfileTest, ReadsBothFlavours)
{
    Profile profile = WithText(kSample);
    const ReadCase cases[] = {
        {"PORT", "baud", "9600", 9600, "9600", 9600},  // names without regard to case; first section wins
        {"Port", "Hex", "0x1F", 31, "0x1F", -1},       // hex only in the bench's flavour
        {"Port", "HexUpper", "0XfF", 255, "0XfF", -1},
        {"Port", "Negative", "-12", -12, "-12", -12},
        {"Port", "Word", "fast", -1, "fast", -1},
        {"Port", "Partly", "12ab", -1, "12ab", -1},
        {"Port", "Spaced", "  7  ", 7, "7", 7},
        {"Port", "Empty", "", -1, "", -1},
        {"Argv", "Quoted", "  \"192.168.1.250\"  ", -1, "192.168.1.250", -1},
        {"Argv", "At", "@", -1, nullptr, -1},
        {"Argv", "QuotedAt", "\"@\"", -1, nullptr, -1},
        {"Argv", "Inner", "a \"b\" c", -1, "a \"b\" c", -1},
        {"Argv", "Missing", nullptr, -1, nullptr, -1},
        {"Nowhere", "Baud", nullptr, -1, nullptr, -1},
        {"", "Orphan", nullptr, -1, nullptr, -1},  // keys before any section belong to none
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(profile.ReadText(c.section, c.key, "dflt"), c.text ? c.text : "dflt");
        EXPECT_EQ(profile.ReadInt(c.section, c.key, -1), c.number);
        auto lib = profile.ReadLibText(c.section, c.key);
        EXPECT_EQ(lib.has_value(), c.libText != nullptr);
        if (lib && c.libText) {
            EXPECT_EQ(*lib, c.libText);
        }
        EXPECT_EQ(profile.ReadLibInt(c.section, c.key, -1), c.libNumber);
    }
}

TEST_F(ProfileTest, MissingFileReadsDefaults)
{
    Profile profile(dir_.File("absent.cfg"));
    EXPECT_FALSE(profile.Exists());
    EXPECT_EQ(profile.ReadText("A", "B", "x"), "x");
    EXPECT_EQ(profile.ReadInt("A", "B", 5), 5);
    EXPECT_FALSE(profile.ReadLibText("A", "B"));
}

TEST_F(ProfileTest, WriteReplacesInPlaceAndKeepsEverythingElse)
{
    Profile profile = WithText(
        "; head comment\n"
        "[Port]\n"
        "  Baud = 9600\n"
        "\n"
        "odd line\n"
        "[Other]\n"
        "Baud=1\n");
    ASSERT_TRUE(profile.Write("PORT", "baud", "19200"));
    EXPECT_EQ(Text(),
              "; head comment\n"
              "[Port]\n"
              "  Baud =19200\n"
              "\n"
              "odd line\n"
              "[Other]\n"
              "Baud=1\n");
}

TEST_F(ProfileTest, WriteAppendsAfterTheLastKeyOfAMiddleSection)
{
    Profile profile = WithText(
        "[First]\n"
        "A=1\n"
        "B=2\n"
        "; trailing comment\n"
        "\n"
        "[Last]\n"
        "Z=9\n");
    ASSERT_TRUE(profile.WriteInt("first", "C", 3));
    EXPECT_EQ(Text(),
              "[First]\n"
              "A=1\n"
              "B=2\n"
              "C=3\n"
              "; trailing comment\n"
              "\n"
              "[Last]\n"
              "Z=9\n");
}

TEST_F(ProfileTest, WriteCreatesSectionAndFile)
{
    Profile profile(path_);
    ASSERT_TRUE(profile.Write("Setup", "CommuPort", "TCP"));
    EXPECT_EQ(Text(), "[Setup]\nCommuPort=TCP\n");

    WithText("[Setup]\nCommuPort=TCP");  // no line end on the last line
    ASSERT_TRUE(profile.Write("Argv", "COM", "3"));
    EXPECT_EQ(Text(), "[Setup]\nCommuPort=TCP\n[Argv]\nCOM=3\n");
    ASSERT_TRUE(profile.Write("setup", "Extra", "1"));
    EXPECT_EQ(Text(), "[Setup]\nCommuPort=TCP\nExtra=1\n[Argv]\nCOM=3\n");
    EXPECT_EQ(profile.ReadLibInt("ARGV", "com", 0), 3);
}

TEST_F(ProfileTest, DuplicateSectionsUseTheFirst)
{
    Profile profile = WithText("[A]\nK=1\n[B]\n[a]\nK=2\nL=5\n");
    EXPECT_EQ(profile.ReadInt("A", "K", 0), 1);
    EXPECT_EQ(profile.ReadInt("A", "L", 0), 0);
    ASSERT_TRUE(profile.Write("A", "L", "6"));
    EXPECT_EQ(Text(), "[A]\nK=1\nL=6\n[B]\n[a]\nK=2\nL=5\n");
}

TEST_F(ProfileTest, EraseSectionRemovesEveryCopyWithItsKeys)
{
    Profile profile = WithText("; top\n[Keep]\nA=1\n[Gone]\nB=2\n; inside\n[KEEP2]\nC=3\n[gone]\nD=4\n");
    ASSERT_TRUE(profile.EraseSection("GONE"));
    EXPECT_EQ(Text(), "; top\n[Keep]\nA=1\n[KEEP2]\nC=3\n");
    EXPECT_TRUE(profile.EraseSection("Gone"));  // nothing left to erase is no failure
    EXPECT_EQ(Text(), "; top\n[Keep]\nA=1\n[KEEP2]\nC=3\n");
}

TEST_F(ProfileTest, CrlfFilesAreReadAndKeepTheirLineEnds)
{
    Profile profile = WithText("; dos\r\n[Port]\r\nBaud=9600\r\nName=Sign A\r\n[Tail]\r\nX=1\r\n");
    EXPECT_EQ(profile.ReadText("Port", "Name", ""), "Sign A");
    EXPECT_EQ(profile.ReadInt("Port", "Baud", 0), 9600);
    ASSERT_TRUE(profile.Write("Port", "Baud", "4800"));
    ASSERT_TRUE(profile.Write("Port", "New", "1"));
    ASSERT_TRUE(profile.Write("Fresh", "Y", "2"));
    EXPECT_EQ(Text(),
              "; dos\r\n[Port]\r\nBaud=4800\r\nName=Sign A\r\nNew=1\r\n[Tail]\r\nX=1\r\n[Fresh]\r\nY=2\r\n");
}

TEST_F(ProfileTest, RefusesTextThatWouldBreakTheFile)
{
    const std::string before = "[A]\nK=1\n";
    Profile profile = WithText(before);
    EXPECT_FALSE(profile.Write("A", "K", "two\nlines"));
    EXPECT_FALSE(profile.Write("A", "K", "cr\r"));
    EXPECT_FALSE(profile.Write("A", "K=x", "1"));
    EXPECT_FALSE(profile.Write("A]", "K", "1"));
    EXPECT_FALSE(profile.Write("A", "", "1"));
    EXPECT_EQ(Text(), before);
}

TEST_F(ProfileTest, KeepsTheFilesPermissions)
{
    Profile profile = WithText("[A]\nK=1\n");
    ASSERT_EQ(::chmod(path_.c_str(), 0640), 0);
    ASSERT_TRUE(profile.Write("A", "K", "2"));
    struct stat info {};
    ASSERT_EQ(::stat(path_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// Root writes into read-only folders, so the write runs in a child as an ordinary user.
TEST_F(ProfileTest, FailedWriteLeavesTheOldFile)
{
    const std::string before = "[A]\nK=1\n";
    Profile profile = WithText(before);
    ASSERT_EQ(::chmod(path_.c_str(), 0644), 0);
    ASSERT_EQ(::chmod(dir_.Path().c_str(), 0555), 0);
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(3);
            bool wrote = profile.Write("A", "K", "2");
            bool erased = profile.EraseSection("A");
            ::_exit(wrote || erased ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    ASSERT_EQ(::chmod(dir_.Path().c_str(), 0755), 0);
    EXPECT_EQ(Text(), before);
}

// A reader must see the old or the new file, never half of one.
TEST_F(ProfileTest, ReadersNeverSeeAPartialFile)
{
    std::string padding;
    for (int i = 0; i < 400; ++i) padding += "Pad" + std::to_string(i) + "=some text to make the file long\n";
    const std::string head = "[Head]\nFirst=1\n";
    const std::string tail = "[Tail]\nLast=1\n";
    Profile profile = WithText(head + "[Body]\nCounter=0\n" + padding + tail);

    std::atomic<bool> done{false};
    std::atomic<int> reads{0};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!done) {
            std::string text = ReadTextFile(path_);
            if (text.rfind(head, 0) != 0 || text.size() < tail.size() ||
                text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
                ++torn;
            ++reads;
        }
    });
    for (int i = 1; i <= 300; ++i) ASSERT_TRUE(profile.WriteInt("Body", "Counter", i));
    while (reads < 10) std::this_thread::yield();
    done = true;
    reader.join();
    EXPECT_EQ(torn.load(), 0);
    EXPECT_EQ(profile.ReadInt("Body", "Counter", 0), 300);
}

}  // namespace

// Names in the file are read trimmed, so a name asked for with blanks around it is
// the same name: it is found, and a write replaces it instead of adding a copy.
TEST(ProfileNames, BlanksAroundANameDoNotMakeAnotherName)
{
    TempDir dir;
    const std::string path = dir.File("setup.cfg");
    WriteTextFile(path, "[Port]\nBaud=9600\n");
    Profile profile(path);
    EXPECT_EQ(profile.ReadInt(" port ", "baud\t", 0), 9600);
    ASSERT_TRUE(profile.Write("PORT ", " Baud", "19200"));
    ASSERT_TRUE(profile.Write(" New ", " Key ", "1"));
    EXPECT_EQ(ReadTextFile(path), "[Port]\nBaud=19200\n[New]\nKey=1\n");
}
