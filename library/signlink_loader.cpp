#include "library/signlink_loader.h"

#include <dlfcn.h>
#include <link.h>

#include <cstdlib>

namespace signlink {
namespace {

template <typename Function>
bool Bind(void* handle, const char* name, Function& slot, std::string& error)
{
    void* symbol = dlsym(handle, name);
    if (!symbol) {
        error = std::string("the library has no export ") + name;
        return false;
    }
    slot = reinterpret_cast<Function>(symbol);
    return true;
}

}  // namespace

std::unique_ptr<LoadedLibrary> LoadedLibrary::Load(const std::string& path, std::string& error)
{
    auto library = std::make_unique<LoadedLibrary>(Key{});
    library->handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library->handle_) {
        const char* why = dlerror();
        error = why ? why : ("cannot load " + path);
        return nullptr;
    }
    void* h = library->handle_;
    LoadedLibrary& l = *library;
    const bool bound = Bind(h, "OpenSF", l.OpenSF, error) && Bind(h, "CloseSF", l.CloseSF, error) &&
                       Bind(h, "SF_RetComPort", l.SF_RetComPort, error) &&
                       Bind(h, "SF_SetComPort", l.SF_SetComPort, error) &&
                       Bind(h, "SF_RetComSelect", l.SF_RetComSelect, error) &&
                       Bind(h, "SF_SetComSelect", l.SF_SetComSelect, error) &&
                       Bind(h, "SF_RetBroadcastIp", l.SF_RetBroadcastIp, error) &&
                       Bind(h, "SF_SetBroadcastIp", l.SF_SetBroadcastIp, error) &&
                       Bind(h, "SF_RetScreenId", l.SF_RetScreenId, error) &&
                       Bind(h, "SF_SetScreenId", l.SF_SetScreenId, error) &&
                       Bind(h, "Cmd2Frame", l.Cmd2Frame, error) && Bind(h, "CmdSet", l.CmdSet, error) &&
                       Bind(h, "Send", l.Send, error) &&
                       Bind(h, "SF_GetReturnValue", l.SF_GetReturnValue, error);
    if (!bound) return nullptr;
    return library;
}

std::string LoadedLibrary::Path() const
{
    link_map* map = nullptr;
    if (dlinfo(handle_, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name) return {};
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(map->l_name, nullptr), &std::free);
    return real ? std::string(real.get()) : std::string(map->l_name);
}

LoadedLibrary::~LoadedLibrary()
{
    if (handle_) dlclose(handle_);
}

}  // namespace signlink
