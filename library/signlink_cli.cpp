#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "library/result_codes.h"
#include "library/signlink_loader.h"

namespace {

constexpr int kReplyBytes = 20480;

void Usage()
{
    std::fputs(
        "usage: signlink-cli [--library PATH] COMMAND ...\n"
        "  set-com COM BAUD WAITMS        write the serial settings\n"
        "  set-link rs232|tcp             choose the link\n"
        "  set-id N                       write the sign id (ScreenID)\n"
        "  set-ip A.B.C.D                 write the broadcast address\n"
        "  show                           read the settings back\n"
        "  cmdset NAME N VALUE [--address] set parameter N of command NAME\n"
        "  frame NAME                     build the frames of command NAME\n"
        "  send [START [TIMEOUTMS]]       send the frames\n"
        "  reply N                        show the reply of frame N\n"
        "The library is --library PATH, else $SIGNLINK_LIBRARY, else libsignlink.so\n"
        "beside this program; its four files lie beside the library.\n",
        stderr);
}

std::string DefaultLibraryPath()
{
    if (const char* fromEnv = std::getenv("SIGNLINK_LIBRARY"); fromEnv && *fromEnv) return fromEnv;
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return "libsignlink.so";
    std::string self(buffer.data(), static_cast<std::size_t>(n));
    return self.substr(0, self.rfind('/') + 1) + "libsignlink.so";
}

bool ParseInt(std::string_view text, int32_t& value)
{
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    return error == std::errc() && end == text.data() + text.size();
}

// Prints "NAME: CODE (meaning)" and tells whether the code is a success.
bool Report(const char* name, int32_t code)
{
    std::printf("%s: %d (%s)\n", name, code, signlink::ResultMeaning(code));
    return code == signlink::kOk;
}

// Runs one command between OpenSF and CloseSF; returns the exit status.
int Run(signlink::LoadedLibrary& lib, const std::vector<std::string>& args)
{
    const std::string& command = args[0];
    const std::size_t n = args.size();
    int32_t a = 0, b = 0, c = 0;

    if (command == "set-com" && n == 4 && ParseInt(args[1], a) && ParseInt(args[2], b) &&
        ParseInt(args[3], c))
        return Report("SF_SetComPort", lib.SF_SetComPort(a, b, c)) ? 0 : 1;
    if (command == "set-link" && n == 2 && (args[1] == "rs232" || args[1] == "tcp"))
        return Report("SF_SetComSelect", lib.SF_SetComSelect(args[1] == "rs232" ? 0 : 1)) ? 0 : 1;
    if (command == "set-id" && n == 2 && ParseInt(args[1], a))
        return Report("SF_SetScreenId", lib.SF_SetScreenId(a)) ? 0 : 1;
    if (command == "set-ip" && n == 2) {
        SfIpRecord ip{};
        int used = 0;
        if (std::sscanf(args[1].c_str(), "%d.%d.%d.%d%n", &ip.part[0], &ip.part[1], &ip.part[2], &ip.part[3],
                        &used) != 4 ||
            used != static_cast<int>(args[1].size()))
            return 2;
        return Report("SF_SetBroadcastIp", lib.SF_SetBroadcastIp(&ip)) ? 0 : 1;
    }
    if (command == "show" && n == 1) {
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
    if (command == "cmdset" && (n == 4 || (n == 5 && args[4] == "--address")) && ParseInt(args[2], a))
        return Report("CmdSet", lib.CmdSet(args[1].c_str(), a, args[3].c_str(), n == 5 ? 1 : 0)) ? 0 : 1;
    if (command == "frame" && n == 2) return Report("Cmd2Frame", lib.Cmd2Frame(args[1].c_str())) ? 0 : 1;
    if (command == "send" && n <= 3 && (n < 2 || ParseInt(args[1], a)) && (n < 3 || ParseInt(args[2], b)))
        return Report("Send", lib.Send(a, b)) ? 0 : 1;
    if (command == "reply" && n == 2 && ParseInt(args[1], a)) {
        int32_t frame = a;
        int32_t length = 0;
        std::vector<uint8_t> bytes(kReplyBytes);
        const int32_t success = lib.SF_GetReturnValue(&frame, &length, bytes.data());
        if (success == signlink::kNotOpen || success == signlink::kBadArgument) {
            Report("SF_GetReturnValue", success);
            return 1;
        }
        std::printf("SF_GetReturnValue: FramesSuccess=%d Frames=%d\nlength=%d\ndata=", success, frame,
                    length);
        for (int32_t i = 0; i < length; ++i) std::printf("%02X ", bytes[static_cast<std::size_t>(i)]);
        std::printf("\n");
        return 0;
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string path = DefaultLibraryPath();
    if (args.size() >= 2 && args[0] == "--library") {
        path = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) {
        Usage();
        return 2;
    }
    std::string error;
    auto lib = signlink::LoadedLibrary::Load(path, error);
    if (!lib) {
        std::fprintf(stderr, "signlink-cli: %s\n", error.c_str());
        return 1;
    }
    if (!Report("OpenSF", lib->OpenSF())) return 1;
    const int status = Run(*lib, args);
    if (status == 2) Usage();
    lib->CloseSF();
    return status;
}
