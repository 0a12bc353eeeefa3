// bench-library: Cmd2Frame and Send of 1,000 and 10,000 frames through
// libsignlink.so against signsim on loopback TCP. Ten times the frames should cost
// at most about twelve times the time: every step of a run costs the same
// whatever the size of FrameInput.dat and FrameReturn.dat.
#include <getopt.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "library/signlink_loader.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int kPageBytes = 64;

struct Timing {
    int code = 0;
    double seconds = 0;
};

template <typename Call>
Timing Timed(Call call)
{
    const auto start = std::chrono::steady_clock::now();
    const int code = call();
    return {code, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

std::string PagedCommand(const std::string& name, const std::string& file)
{
    return "[" + name +
           "]\nPARANUMB=3\nP01_TYPE=STR\nP01_BYTE=4\nP01_VALU=MWRD\nP02_TYPE=HEX\nP02_BYTE=1\n"
           "P02_VALU=55\nP03_TYPE=FILE\nP03_HEAD=3\nP03_INIT=100000\nP03_BYTE=" +
           std::to_string(kPageBytes) + "\nP03_VALU=" + file + "\n";
}

void WriteFile(const std::string& path, int frames)
{
    std::ofstream out(path, std::ios::binary);
    for (long i = 0; i < static_cast<long>(frames) * kPageBytes; ++i) out.put(static_cast<char>(i * 7));
}

}  // namespace

int main(int argc, char** argv)
{
    static const option kOptions[] = {{"help", no_argument, nullptr, 'h'}, {nullptr, 0, nullptr, 0}};
    int choice = 0;
    while ((choice = getopt_long(argc, argv, "h", kOptions, nullptr)) != -1) {
        if (choice == 'h') {
            std::printf(
                "Usage: bench-library\n"
                "Times Cmd2Frame and Send of 1,000 and 10,000 frames through a copy of\n"
                "libsignlink.so against a virtual sign on loopback TCP, and prints the\n"
                "frames per second of each.\n"
                "  -h, --help   show this help and exit\n");
            return 0;
        }
        std::fputs("Try 'bench-library --help' for more information.\n", stderr);
        return 2;
    }
    if (optind < argc) {
        std::fprintf(stderr, "bench-library: unexpected argument '%s'\n", argv[optind]);
        return 2;
    }
    testsupport::TempDir dir;
    testsupport::SimProcess sim({});
    std::filesystem::copy_file(std::string(SIGN_BIN_DIR) + "/libsignlink.so", dir.File("libsignlink.so"));
    WriteFile(dir.File("small.bin"), 1000);
    WriteFile(dir.File("large.bin"), 10000);
    testsupport::WriteTextFile(dir.File("CmdSet.cfg"), PagedCommand("SMALL", dir.File("small.bin")) +
                                                           PagedCommand("LARGE", dir.File("large.bin")));
    testsupport::WriteTextFile(dir.File("SendFrame.cfg"),
                               "[Setup]\nCommuPort=TCP\n[Argv]\nScreenID=65278\n"
                               "BroadCastId=127.0.0.1\nPort=" +
                                   std::to_string(sim.TcpPort()) + "\n");
    std::string error;
    auto lib = signlink::LoadedLibrary::Load(dir.File("libsignlink.so"), error);
    if (!lib || lib->OpenSF() != 0) {
        std::fprintf(stderr, "bench-library: cannot open the library: %s\n", error.c_str());
        return 1;
    }

    Timing build[2];
    Timing send[2];
    const int frames[2] = {1000, 10000};
    const char* names[2] = {"SMALL", "LARGE"};
    for (int i = 0; i < 2; ++i) {
        build[i] = Timed([&] { return lib->Cmd2Frame(names[i]); });
        send[i] = Timed([&] { return lib->Send(0, 0); });
        if (build[i].code != 0 || send[i].code != 0) {
            std::fprintf(stderr, "bench-library: Cmd2Frame %d, Send %d\n", build[i].code, send[i].code);
            return 1;
        }
        std::printf("%6d frames of %d bytes: Cmd2Frame %.3f s (%.0f frames/s), Send %.3f s (%.0f frames/s)\n",
                    frames[i], kPageBytes + 8, build[i].seconds, frames[i] / build[i].seconds,
                    send[i].seconds, frames[i] / send[i].seconds);
    }
    std::printf("ratio 10,000 / 1,000 frames: Cmd2Frame %.1f, Send %.1f (goal: at most 12)\n",
                build[1].seconds / build[0].seconds, send[1].seconds / send[0].seconds);
    lib->CloseSF();
    return 0;
}
