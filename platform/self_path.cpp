#include "platform/self_path.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

namespace platform {

namespace {

std::string Resolved(const std::string& path)
{
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

// Internal linkage: its address always lies in the binary that holds this copy.
void Anchor() {}

}  // namespace

std::string SelfPath()
{
    Dl_info info{};
    link_map* map = nullptr;
    if (::dladdr1(reinterpret_cast<void*>(&Anchor), &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) ==
        0)
        return {};
    // The main program has an empty name in the link map; its file is /proc/self/exe.
    if (map && map->l_name && map->l_name[0] != '\0') return Resolved(map->l_name);
    if (!map && info.dli_fname && info.dli_fname[0] == '/') return Resolved(info.dli_fname);
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

std::string DirectoryOf(const std::string& path)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
    const auto slash = trimmed.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return trimmed.substr(0, slash);
}

}  // namespace platform
