#include <getopt.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/files_folder.h"
#include "library/result_codes.h"
#include "library/signlink_loader.h"

namespace {

constexpr int kReplyBytes = 20480;
constexpr const char* kTryHelp = "Try 'signlink-cli --help' for more information.\n";

void Usage()
{
    std::fputs(
        "Usage: signlink-cli [--library PATH] COMMAND [ARGUMENT...]\n"
        "Drive LED message signs through libsignlink: set the link settings, fill in\n"
        "command definitions, build their frames, send them and read the replies.\n"
        "\n"
        "Options:\n"
        "  -l, --library PATH   use this copy of libsignlink.so\n"
        "  -h, --help           show this help and exit\n"
        "  -V, --version        show the version and exit\n"
        "\n"
        "Commands (each opens the library, runs, and closes it):\n"
        "  set-com COM BAUD WAITMS          write the serial settings\n"
        "  set-link rs232|tcp               choose the link\n"
        "  set-id N                         write the sign id (ScreenID)\n"
        "  set-ip A.B.C.D                   write the broadcast address\n"
        "  show                             print the library, its folder and the settings\n"
        "  cmdset NAME N VALUE [--address]  set parameter N of command NAME\n"
        "  frame NAME                       build the frames of command NAME\n"
        "  send [START [TIMEOUTMS]]         send the frames\n"
        "  reply N                          show the reply of frame N\n"
        "\n"
        "Environment:\n"
        "  SIGNLINK_LIBRARY   the library when --library is not given; else\n"
        "                     libsignlink.so beside this program, else the installed\n"
        "                     libsignlink.so.1\n"
        "  SIGNLINK_DIR       the folder of the library's files; else the library's\n"
        "                     own folder when writable, else $XDG_CONFIG_HOME/signlink\n"
        "                     (~/.config/signlink), seeded from the installed samples\n"
        "\n"
        "Exit status: 0 when the library answered 0, 1 when it answered another code\n"
        "or could not be loaded, 2 for a wrong command line.\n",
        stdout);
}

std::string DefaultLibraryPath()
{
    if (const char* fromEnv = std::getenv("SIGNLINK_LIBRARY"); fromEnv && *fromEnv) return fromEnv;
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n > 0) {
        std::string self(buffer.data(), static_cast<std::size_t>(n));
        const std::string beside = self.substr(0, self.rfind('/') + 1) + "libsignlink.so";
        if (access(beside.c_str(), F_OK) == 0) return beside;
    }
    // Installed: the loader finds the library by its SONAME.
    return "libsignlink.so.1";
}

bool ParseInt(std::string_view text, int32_t& value)
{
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseIp(const std::string& text, SfIpRecord& ip)
{
    int used = 0;
    return std::sscanf(text.c_str(), "%d.%d.%d.%d%n", &ip.part[0], &ip.part[1], &ip.part[2], &ip.part[3],
                       &used) == 4 &&
           used == static_cast<int>(text.size());
}

// A command and its arguments, checked before the library is touched.
struct Command {
    std::string name;
    std::vector<std::string> args;
    int32_t a = 0, b = 0, c = 0;
    SfIpRecord ip{};
};

// The command, or nullopt with a message that names what is wrong.
std::optional<Command> ParseCommand(const std::vector<std::string>& words, std::string& error)
{
    Command command{words[0], {words.begin() + 1, words.end()}};
    const std::string& name = command.name;
    const std::vector<std::string>& args = command.args;
    const std::size_t n = args.size();
    const auto number = [&](std::size_t i, int32_t& value) {
        if (ParseInt(args[i], value)) return true;
        error = name + ": '" + args[i] + "' is not a whole number";
        return false;
    };
    const auto count = [&](std::size_t low, std::size_t high) {
        if (n >= low && n <= high) return true;
        error = name + ": " + (n < low ? "missing argument" : "extra argument '" + args[high] + "'");
        return false;
    };

    bool ok = false;
    if (name == "set-com") {
        ok = count(3, 3) && number(0, command.a) && number(1, command.b) && number(2, command.c);
    } else if (name == "set-link") {
        ok = count(1, 1);
        if (ok && args[0] != "rs232" && args[0] != "tcp") {
            error = "set-link: '" + args[0] + "' is neither rs232 nor tcp";
            ok = false;
        }
    } else if (name == "set-id") {
        ok = count(1, 1) && number(0, command.a);
    } else if (name == "set-ip") {
        ok = count(1, 1);
        if (ok && !ParseIp(args[0], command.ip)) {
            error = "set-ip: '" + args[0] + "' is not a dotted address A.B.C.D";
            ok = false;
        }
    } else if (name == "show") {
        ok = count(0, 0);
    } else if (name == "cmdset") {
        ok = count(3, 4) && number(1, command.a);
        if (ok && n == 4 && args[3] != "--address") {
            error = "cmdset: '" + args[3] + "' is not --address";
            ok = false;
        }
    } else if (name == "frame") {
        ok = count(1, 1);
    } else if (name == "send") {
        ok = count(0, 2) && (n < 1 || number(0, command.a)) && (n < 2 || number(1, command.b));
    } else if (name == "reply") {
        ok = count(1, 1) && number(0, command.a);
    } else {
        error = "unknown command '" + name + "'";
    }
    return ok ? std::optional<Command>(std::move(command)) : std::nullopt;
}

// Prints "NAME: CODE (meaning)" and tells whether the code is a success.
bool Report(const char* name, int32_t code)
{
    std::printf("%s: %d (%s)\n", name, code, signlink::ResultMeaning(code));
    return code == signlink::kOk;
}

// Runs one command between OpenSF and CloseSF; returns the exit status.
int Run(signlink::LoadedLibrary& lib, const Command& command)
{
    const std::string& name = command.name;
    const std::vector<std::string>& args = command.args;
    if (name == "set-com")
        return Report("SF_SetComPort", lib.SF_SetComPort(command.a, command.b, command.c)) ? 0 : 1;
    if (name == "set-link")
        return Report("SF_SetComSelect", lib.SF_SetComSelect(args[0] == "rs232" ? 0 : 1)) ? 0 : 1;
    if (name == "set-id") return Report("SF_SetScreenId", lib.SF_SetScreenId(command.a)) ? 0 : 1;
    if (name == "set-ip") return Report("SF_SetBroadcastIp", lib.SF_SetBroadcastIp(&command.ip)) ? 0 : 1;
    if (name == "show") {
        SfComPortRecord com{};
        SfComSelectRecord link{};
        SfIpRecord ip{};
        int32_t id = 0;
        const bool ok = Report("SF_RetComPort", lib.SF_RetComPort(&com)) &
                        Report("SF_RetComSelect", lib.SF_RetComSelect(&link)) &
                        Report("SF_RetBroadcastIp", lib.SF_RetBroadcastIp(&ip)) &
                        Report("SF_RetScreenId", lib.SF_RetScreenId(&id));
        std::printf("COM=%d\nBaudRate=%d\nWaitTimeMs=%d\n", com.com, com.baudRate, com.waitTimeMs);
        std::printf("link=%s\n", link.link == 0 ? "rs232" : "tcp");
        std::printf("BroadCastId=%d.%d.%d.%d\n", ip.part[0], ip.part[1], ip.part[2], ip.part[3]);
        std::printf("ScreenID=%d\n", id);
        return ok ? 0 : 1;
    }
    if (name == "cmdset")
        return Report("CmdSet",
                      lib.CmdSet(args[0].c_str(), command.a, args[2].c_str(), args.size() == 4 ? 1 : 0))
                   ? 0
                   : 1;
    if (name == "frame") return Report("Cmd2Frame", lib.Cmd2Frame(args[0].c_str())) ? 0 : 1;
    if (name == "send") return Report("Send", lib.Send(command.a, command.b)) ? 0 : 1;
    // reply
    int32_t frame = command.a;
    int32_t length = 0;
    std::vector<uint8_t> bytes(kReplyBytes);
    const int32_t success = lib.SF_GetReturnValue(&frame, &length, bytes.data());
    if (success == signlink::kNotOpen || success == signlink::kBadArgument) {
        Report("SF_GetReturnValue", success);
        return 1;
    }
    std::printf("SF_GetReturnValue: FramesSuccess=%d Frames=%d\nlength=%d\ndata=", success, frame, length);
    for (int32_t i = 0; i < length; ++i) std::printf("%02X ", bytes[static_cast<std::size_t>(i)]);
    std::printf("\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    static const option kOptions[] = {{"library", required_argument, nullptr, 'l'},
                                      {"help", no_argument, nullptr, 'h'},
                                      {"version", no_argument, nullptr, 'V'},
                                      {nullptr, 0, nullptr, 0}};
    std::string path;
    int choice = 0;
    // '+': options end at the command, so "cmdset ... --address" stays the command's.
    while ((choice = getopt_long(argc, argv, "+l:hV", kOptions, nullptr)) != -1) {
        switch (choice) {
            case 'l':
                path = optarg;
                break;
            case 'h':
                Usage();
                return 0;
            case 'V':
                std::printf("signlink-cli %s\nbuilt with signlink.h %s\n", SIGNTOOLS_VERSION,
                            SIGNLINK_VERSION);
                return 0;
            default:  // getopt_long has named the option
                std::fputs(kTryHelp, stderr);
                return 2;
        }
    }
    if (optind >= argc) {
        std::fprintf(stderr, "signlink-cli: no command given\n%s", kTryHelp);
        return 2;
    }
    std::string error;
    const std::optional<Command> command = ParseCommand({argv + optind, argv + argc}, error);
    if (!command) {
        std::fprintf(stderr, "signlink-cli: %s\n%s", error.c_str(), kTryHelp);
        return 2;
    }
    if (path.empty()) path = DefaultLibraryPath();
    auto lib = signlink::LoadedLibrary::Load(path, error);
    if (!lib) {
        std::fprintf(stderr, "signlink-cli: %s\n", error.c_str());
        return 1;
    }
    // The same rule as the library's, so the folder shows even when OpenSF fails.
    const signlink::FilesFolder where =
        signlink::ChooseFilesFolder(signlink::FolderInputsFromProcess(lib->Path()));
    if (command->name == "show")
        std::printf("library=%s\nfolder=%s (%s)\n", lib->Path().c_str(), where.folder.c_str(),
                    signlink::FolderSourceName(where.source));
    if (!Report("OpenSF", lib->OpenSF())) {
        std::fprintf(stderr, "signlink-cli: the library's folder is %s (%s)\n", where.folder.c_str(),
                     signlink::FolderSourceName(where.source));
        return 1;
    }
    const int status = Run(*lib, *command);
    lib->CloseSF();
    return status;
}
