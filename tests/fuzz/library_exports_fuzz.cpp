// The library's exports over random definition, data and settings files, sending to
// a virtual sign on 127.0.0.7 (TCP) and a pty. Missing settings default to addresses
// on a LAN, so this harness itself refuses every connect outside 127.0.0.0/8 (and to
// any port but the sign's), and every open of a device or a file outside its folder
// other than for reading system files.
#include <dlfcn.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "library/signlink.h"
#include "library/signlink_loader.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/sim_process.h"

namespace {

struct Rig {
    std::string folder;
    std::unique_ptr<testsupport::SimProcess> sign;
    std::unique_ptr<signlink::LoadedLibrary> library;
};

Rig* rig = nullptr;
std::atomic<std::uint16_t> signPort{0};
std::atomic<long> refusedConnects{0};

bool Within(const char* path, const std::string& folder)
{
    return !folder.empty() && std::strncmp(path, folder.c_str(), folder.size()) == 0 &&
           path[folder.size()] == '/';
}

// Writes only into the folder; reads there, or of system files (never devices,
// /proc or /sys, whose files may block).
bool MayOpen(const char* path, int flags)
{
    if (!rig || !path) return true;
    if (Within(path, rig->folder)) return true;
    if (rig->sign && path == rig->sign->PtyPath()) return true;
    if ((flags & O_ACCMODE) != O_RDONLY) return false;
    return path[0] == '/' && std::strncmp(path, "/dev/", 5) != 0 && std::strncmp(path, "/proc/", 6) != 0 &&
           std::strncmp(path, "/sys/", 5) != 0;
}

using OpenFunction = int (*)(const char*, int, ...);

int GuardedOpen(const char* name, const char* path, int flags, va_list args)
{
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? static_cast<mode_t>(va_arg(args, int)) : 0;
    if (!MayOpen(path, flags)) {
        errno = EACCES;
        return -1;
    }
    static OpenFunction real = reinterpret_cast<OpenFunction>(dlsym(RTLD_NEXT, name));
    return real(path, flags, mode);
}

std::string Substitute(std::string text)
{
    const std::pair<std::string, std::string> marks[] = {
        {"$PORT", std::to_string(rig->sign->TcpPort())},
        {"$PTY", rig->sign->PtyPath()},
        {"$DIR", rig->folder},
    };
    for (const auto& [mark, value] : marks)
        for (std::size_t at = text.find(mark); at != std::string::npos;
             at = text.find(mark, at + value.size()))
            text.replace(at, mark.size(), value);
    return text;
}

void WriteFile(const std::string& name, const std::string& text)
{
    std::ofstream(rig->folder + "/" + name, std::ios::binary | std::ios::trunc) << text;
}

// The input's parts, separated by lines "%%": CmdSet.cfg, the command for
// Cmd2Frame, FrameInput.dat (empty: what Cmd2Frame made), SendFrame.cfg, and
// Send's start frame.
std::vector<std::string> Parts(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> parts(1);
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t at = 0;
    while (parts.size() < 5) {
        const std::size_t mark = text.find("\n%%\n", at);
        if (mark == std::string::npos) break;
        parts.back() = text.substr(at, mark - at);
        parts.emplace_back();
        at = mark + 4;
    }
    parts.back() = text.substr(at);
    parts.resize(5);
    return parts;
}

bool Known(int code)
{
    return code == 0 || code == SF_ERR_NOT_OPEN || code == SF_ERR_SERIAL_SETTINGS ||
           code == SF_ERR_FILE_WRITE || (code >= -11 && code <= -3);
}

}  // namespace

extern "C" int connect(int fd, const sockaddr* address, socklen_t size)
{
    bool allowed = address && address->sa_family == AF_UNIX;
    if (address && address->sa_family == AF_INET && size >= sizeof(sockaddr_in)) {
        const auto* in = reinterpret_cast<const sockaddr_in*>(address);
        allowed = (ntohl(in->sin_addr.s_addr) >> 24) == 127 && ntohs(in->sin_port) == signPort.load();
    }
    if (!allowed) {
        ++refusedConnects;
        errno = ECONNREFUSED;
        return -1;
    }
    using Connect = int (*)(int, const sockaddr*, socklen_t);
    static Connect real = reinterpret_cast<Connect>(dlsym(RTLD_NEXT, "connect"));
    return real(fd, address, size);
}

extern "C" int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = GuardedOpen("open", path, flags, args);
    va_end(args);
    return fd;
}

extern "C" int open64(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = GuardedOpen("open64", path, flags, args);
    va_end(args);
    return fd;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static Rig theRig;
    std::string pattern =
        (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/signlink-fuzz-XXXXXX");
    if (!mkdtemp(pattern.data())) std::abort();
    theRig.folder = pattern;
    std::filesystem::copy_file(SIGN_LIBRARY_FILE, theRig.folder + "/libsignlink.so");
    testsupport::SimProcess::Options options;
    options.tcpAddress = "127.0.0.7:0";
    options.ptyLink = theRig.folder + "/sign";
    theRig.sign = std::make_unique<testsupport::SimProcess>(options);
    signPort = theRig.sign->TcpPort();
    rig = &theRig;
    WriteFile("CmdSet.cfg", "");
    WriteFile("SendFrame.cfg", "");
    std::string error;
    theRig.library = signlink::LoadedLibrary::Load(theRig.folder + "/libsignlink.so", error);
    if (!theRig.library || theRig.library->OpenSF() != 0) std::abort();
    // A data file for FILE parameters to name.
    std::string bytes;
    for (int i = 0; i < 3000; ++i) bytes += static_cast<char>(i * 7);
    WriteFile("data.bin", bytes);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    signlink::LoadedLibrary& lib = *rig->library;
    const std::vector<std::string> parts = Parts(data, size);
    WriteFile("CmdSet.cfg", Substitute(parts[0]));
    WriteFile("SendFrame.cfg", Substitute(parts[3]));

    const int built = lib.Cmd2Frame(parts[1].c_str());
    FUZZ_CHECK(built == 0 || built == 1 || built == SF_ERR_FILE_WRITE);
    if (!parts[2].empty()) WriteFile("FrameInput.dat", Substitute(parts[2]));

    const int start = parts[4].empty() ? 0 : static_cast<std::uint8_t>(parts[4][0]) % 8;
    const int sent = lib.Send(start, 20);
    FUZZ_CHECK(Known(sent));

    // A reply never spills beyond 20480 bytes, and after a whole run from frame 0
    // the counters agree.
    std::vector<std::uint8_t> reply(20480 + 64, 0xA5);
    std::int32_t frame = 0;
    std::int32_t length = -1;
    const int success = lib.SF_GetReturnValue(&frame, &length, reply.data());
    FUZZ_CHECK(length >= 0 && length <= 20480);
    for (std::size_t i = 20480; i < reply.size(); ++i) FUZZ_CHECK(reply[i] == 0xA5);
    if (sent == 0 && start == 0) FUZZ_CHECK(success == frame);
    return 0;
}
