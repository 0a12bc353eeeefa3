#include "library/files_folder.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using signlink::FolderInputs;
using signlink::FolderSource;

TEST(FilesFolder, ChoosesByVariableThenWritableLibraryFolderThenConfigFolder)
{
    struct Case {
        const char* what;
        FolderInputs inputs;
        std::string folder;
        FolderSource source;
    };
    const std::string lib = "/usr/lib/x86_64-linux-gnu";
    const std::vector<Case> cases = {
        {"variable first", {"/srv/sign", lib, true, "/x", "/home/u"}, "/srv/sign", FolderSource::Variable},
        {"empty variable ignored",
         {"", lib, true, std::nullopt, "/home/u"},
         lib,
         FolderSource::BesideLibrary},
        {"writable library folder",
         {std::nullopt, lib, true, "/x", "/home/u"},
         lib,
         FolderSource::BesideLibrary},
        {"read-only: XDG",
         {std::nullopt, lib, false, "/x", "/home/u"},
         "/x/signlink",
         FolderSource::ConfigFolder},
        {"read-only: empty XDG",
         {std::nullopt, lib, false, "", "/home/u"},
         "/home/u/.config/signlink",
         FolderSource::ConfigFolder},
        {"read-only: relative XDG is invalid",
         {std::nullopt, lib, false, "cfg", "/home/u"},
         "/home/u/.config/signlink",
         FolderSource::ConfigFolder},
        {"read-only, no home at all",
         {std::nullopt, lib, false, std::nullopt, ""},
         lib,
         FolderSource::BesideLibrary},
    };
    for (const Case& c : cases) {
        const signlink::FilesFolder chosen = signlink::ChooseFilesFolder(c.inputs);
        EXPECT_EQ(chosen.folder, c.folder) << c.what;
        EXPECT_EQ(chosen.source, c.source) << c.what;
    }
}

TEST(FilesFolder, SeedingCopiesOnlyWhatIsMissingAndCreatesTheFolder)
{
    testsupport::TempDir dir;
    fs::create_directories(dir.File("samples"));
    testsupport::WriteTextFile(dir.File("samples/CmdSet.cfg"), "[NONE]\nPARANUMB=1\n");
    testsupport::WriteTextFile(dir.File("samples/SendFrame.cfg"), "[Setup]\nCommuPort=TCP\n");
    const std::string folder = dir.File("config/signlink");
    std::string error;
    ASSERT_TRUE(signlink::SeedFilesFolder(folder, dir.File("samples"), error)) << error;
    EXPECT_EQ(testsupport::ReadTextFile(folder + "/CmdSet.cfg"), "[NONE]\nPARANUMB=1\n");

    // An operator's edit survives the next opening.
    testsupport::WriteTextFile(folder + "/SendFrame.cfg", "[Setup]\nCommuPort=RS232\n");
    fs::remove(folder + "/CmdSet.cfg");
    ASSERT_TRUE(signlink::SeedFilesFolder(folder, dir.File("samples"), error)) << error;
    EXPECT_EQ(testsupport::ReadTextFile(folder + "/SendFrame.cfg"), "[Setup]\nCommuPort=RS232\n");
    EXPECT_TRUE(fs::exists(folder + "/CmdSet.cfg"));
}

TEST(FilesFolder, SeedingWithoutSamplesIsNoFailureButAnUncreatableFolderIs)
{
    testsupport::TempDir dir;
    std::string error;
    EXPECT_TRUE(signlink::SeedFilesFolder(dir.File("empty"), dir.File("no-samples"), error));
    EXPECT_TRUE(fs::is_directory(dir.File("empty")));
    EXPECT_TRUE(fs::is_empty(dir.File("empty")));

    testsupport::WriteTextFile(dir.File("plain"), "");
    EXPECT_FALSE(signlink::SeedFilesFolder(dir.File("plain/signlink"), dir.File("no-samples"), error));
    EXPECT_NE(error.find("plain/signlink"), std::string::npos) << error;
}

// An installed tree in a temporary folder: the library in <libdir>, the samples
// in <datadir>/signlink, as the packages lay them out.
class InstalledTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Every folder on the way must be open to the unprivileged user below.
        ::chmod(dir.Path().c_str(), 0755);
        fs::create_directories(LibDir());
        fs::create_directories(Samples());
        fs::copy_file(std::string(SIGN_BIN_DIR) + "/libsignlink.so", LibDir() + "/libsignlink.so.1");
        fs::create_symlink("libsignlink.so.1", LibDir() + "/libsignlink.so");
        fs::copy_file(std::string(SIGN_DATA_DIR) + "/CmdSet.cfg", Samples() + "/CmdSet.cfg");
        fs::copy_file(std::string(SIGN_DATA_DIR) + "/SendFrame.cfg", Samples() + "/SendFrame.cfg");
        fs::create_directories(dir.File("home"));
        fs::create_directories(dir.File("variable"));
    }

    std::string LibDir() const { return dir.File(SIGN_INSTALL_LIBDIR); }
    std::string Samples() const { return dir.File(SIGN_INSTALL_DATADIR "/signlink"); }

    // Runs signlink-cli ARGS in a child with this environment; as root, the child
    // runs as the unprivileged user "nobody", because root may write into any
    // folder whatever its mode. Output goes to <dir>/out.txt. 77: cannot drop.
    int RunCli(const std::vector<std::string>& args, const std::vector<std::string>& environment)
    {
        for (const std::string& folder : {LibDir(), dir.File("home"), dir.File("variable")})
            GiveToUser(folder);
        const std::string out = dir.File("out.txt");
        const std::string cli = std::string(SIGN_BIN_DIR) + "/signlink-cli";
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
            if (fd < 0) ::_exit(78);
            if (::geteuid() == 0 &&
                (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
                ::_exit(77);
            ::dup2(fd, 1);
            ::dup2(fd, 2);
            std::vector<char*> argv{const_cast<char*>(cli.c_str())};
            for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            std::vector<char*> env;
            for (const std::string& entry : environment) env.push_back(const_cast<char*>(entry.c_str()));
            env.push_back(nullptr);
            ::execve(cli.c_str(), argv.data(), env.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        output = fs::exists(out) ? testsupport::ReadTextFile(out) : "";
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // As root, hands a file or folder to the user the child runs as.
    static void GiveToUser(const std::string& path)
    {
        if (::geteuid() == 0) {
            EXPECT_EQ(::chown(path.c_str(), kNobody, kNobody), 0) << path;
        }
    }

    static constexpr uid_t kNobody = 65534;
    testsupport::TempDir dir;
    std::string output;
};

TEST_F(InstalledTree, AReadOnlyLibraryFolderFallsBackToTheConfigFolderSeededFromTheSamples)
{
    ::chmod(LibDir().c_str(), 0555);
    const std::string config = dir.File("home/.config/signlink");
    const int status =
        RunCli({"--library", LibDir() + "/libsignlink.so", "show"}, {"HOME=" + dir.File("home")});
    ::chmod(LibDir().c_str(), 0755);
    if (status == 77) GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find("folder=" + config + " (config folder)\n"), std::string::npos) << output;
    EXPECT_NE(output.find("BroadCastId=127.0.0.1\n"), std::string::npos) << output;
    EXPECT_EQ(testsupport::ReadTextFile(config + "/CmdSet.cfg"),
              testsupport::ReadTextFile(Samples() + "/CmdSet.cfg"));
    EXPECT_NE(testsupport::ReadTextFile(config + "/SendFrame.cfg").find("[TechServer]"), std::string::npos);
    EXPECT_FALSE(fs::exists(LibDir() + "/SendFrame.cfg"));
}

TEST_F(InstalledTree, XdgConfigHomeNamesTheConfigFolder)
{
    ::chmod(LibDir().c_str(), 0555);
    const int status = RunCli({"--library", LibDir() + "/libsignlink.so", "set-id", "7"},
                              {"HOME=/nonexistent", "XDG_CONFIG_HOME=" + dir.File("home")});
    ::chmod(LibDir().c_str(), 0755);
    if (status == 77) GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(testsupport::ReadTextFile(dir.File("home/signlink/SendFrame.cfg")).find("ScreenID=7"),
              std::string::npos);
}

TEST_F(InstalledTree, AWritableLibraryFolderIsUsedAsItIsAndNeverSeeded)
{
    const int status =
        RunCli({"--library", LibDir() + "/libsignlink.so", "show"}, {"HOME=" + dir.File("home")});
    if (status == 77) GTEST_SKIP() << "cannot run as an unprivileged user here";
    // Owned by the user the child runs as, so writable.
    EXPECT_EQ(status, 1) << output;
    EXPECT_NE(output.find("folder=" + LibDir() + " (beside the library)\n"), std::string::npos) << output;
    EXPECT_NE(output.find("OpenSF: 1010"), std::string::npos) << output;
    EXPECT_FALSE(fs::exists(dir.File("home/.config")));
}

TEST_F(InstalledTree, SignlinkDirWinsAndIsNeverSeeded)
{
    ::chmod(LibDir().c_str(), 0555);
    const std::string variable = dir.File("variable");
    int status = RunCli({"--library", LibDir() + "/libsignlink.so", "show"},
                        {"HOME=" + dir.File("home"), "SIGNLINK_DIR=" + variable});
    if (status == 77) GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(status, 1) << output;
    EXPECT_NE(output.find("folder=" + variable + " (SIGNLINK_DIR)\n"), std::string::npos) << output;
    EXPECT_NE(output.find("OpenSF: 1010"), std::string::npos) << output;
    EXPECT_TRUE(fs::is_empty(variable));

    testsupport::WriteTextFile(variable + "/CmdSet.cfg", "");
    testsupport::WriteTextFile(variable + "/SendFrame.cfg", "[Argv]\nScreenID=12\n");
    GiveToUser(variable + "/CmdSet.cfg");
    GiveToUser(variable + "/SendFrame.cfg");
    status = RunCli({"--library", LibDir() + "/libsignlink.so", "show"},
                    {"HOME=" + dir.File("home"), "SIGNLINK_DIR=" + variable});
    ::chmod(LibDir().c_str(), 0755);
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find("ScreenID=12\n"), std::string::npos) << output;
    EXPECT_FALSE(fs::exists(dir.File("home/.config")));
}

}  // namespace
