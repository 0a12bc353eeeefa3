#pragma once

#include <memory>
#include <string>

#include "library/signlink.h"

namespace signlink {

// libsignlink.so loaded with dlopen from a given path, with its fourteen exports.
// Each copy of the library file in its own folder is its own instance with its own
// four files. Unloaded when the object goes away.
class LoadedLibrary {
public:
    // nullptr and a message in `error` when the file cannot be loaded or lacks an export.
    static std::unique_ptr<LoadedLibrary> Load(const std::string& path, std::string& error);

private:
    struct Key {};  // only Load can make one

public:
    explicit LoadedLibrary(Key) {}
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    // The full path of the file that was loaded (the loader may have searched for it).
    std::string Path() const;

    int32_t (*OpenSF)(void) = nullptr;
    int32_t (*CloseSF)(void) = nullptr;
    int32_t (*SF_RetComPort)(SfComPortRecord*) = nullptr;
    int32_t (*SF_SetComPort)(int32_t, int32_t, int32_t) = nullptr;
    int32_t (*SF_RetComSelect)(SfComSelectRecord*) = nullptr;
    int32_t (*SF_SetComSelect)(int32_t) = nullptr;
    int32_t (*SF_RetBroadcastIp)(SfIpRecord*) = nullptr;
    int32_t (*SF_SetBroadcastIp)(const SfIpRecord*) = nullptr;
    int32_t (*SF_RetScreenId)(int32_t*) = nullptr;
    int32_t (*SF_SetScreenId)(int32_t) = nullptr;
    int32_t (*Cmd2Frame)(const char*) = nullptr;
    int32_t (*CmdSet)(const char*, int32_t, const char*, int32_t) = nullptr;
    int32_t (*Send)(int32_t, int32_t) = nullptr;
    int32_t (*SF_GetReturnValue)(int32_t*, int32_t*, uint8_t*) = nullptr;

private:
    void* handle_ = nullptr;
};

}  // namespace signlink
