#include <array>
#include <exception>
#include <new>

#include "library/library_api.h"
#include "library/result_codes.h"
#include "library/signlink.h"
#include "platform/self_path.h"

#define SIGNLINK_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// The one process-wide state of the library; its path is taken when the library is
// loaded into the process, before any export runs.
signlink::Library g_library(platform::SelfPath());

// No C++ exception crosses into the host.
template <typename Body>
std::int32_t Guarded(Body body) noexcept
{
    try {
        return body();
    } catch (...) {
        return signlink::kInternal;
    }
}

}  // namespace

SIGNLINK_EXPORT int32_t OpenSF(void)
{
    return Guarded([] { return g_library.Open(); });
}

SIGNLINK_EXPORT int32_t CloseSF(void)
{
    return Guarded([] { return g_library.Close(); });
}

SIGNLINK_EXPORT int32_t SF_RetComPort(SfComPortRecord* record)
{
    return Guarded([&] {
        if (!g_library.IsOpen()) return signlink::kNotOpen;
        if (!record) return signlink::kBadArgument;
        std::array<std::int32_t, 3> values{};
        const int code = g_library.RetComPort(values);
        *record = SfComPortRecord{values[0], values[1], values[2], 0};
        return code;
    });
}

SIGNLINK_EXPORT int32_t SF_SetComPort(int32_t com, int32_t baudRate, int32_t waitTimeMs)
{
    return Guarded([&] { return g_library.SetComPort(com, baudRate, waitTimeMs); });
}

SIGNLINK_EXPORT int32_t SF_RetComSelect(SfComSelectRecord* record)
{
    return Guarded([&] {
        if (!g_library.IsOpen()) return signlink::kNotOpen;
        if (!record) return signlink::kBadArgument;
        std::int32_t link = 0;
        const int code = g_library.RetComSelect(link);
        *record = SfComSelectRecord{link, 0};
        return code;
    });
}

SIGNLINK_EXPORT int32_t SF_SetComSelect(int32_t link)
{
    return Guarded([&] { return g_library.SetComSelect(link); });
}

SIGNLINK_EXPORT int32_t SF_RetBroadcastIp(SfIpRecord* record)
{
    return Guarded([&] {
        if (!g_library.IsOpen()) return signlink::kNotOpen;
        if (!record) return signlink::kBadArgument;
        std::array<std::int32_t, 4> parts{};
        const int code = g_library.RetBroadcastIp(parts);
        for (std::size_t i = 0; i < parts.size(); ++i) record->part[i] = parts[i];
        return code;
    });
}

SIGNLINK_EXPORT int32_t SF_SetBroadcastIp(const SfIpRecord* record)
{
    return Guarded([&] {
        if (!g_library.IsOpen()) return signlink::kNotOpen;
        if (!record) return signlink::kBadArgument;
        return g_library.SetBroadcastIp({record->part[0], record->part[1], record->part[2], record->part[3]});
    });
}

SIGNLINK_EXPORT int32_t SF_RetScreenId(int32_t* screenId)
{
    return Guarded([&] {
        if (!g_library.IsOpen()) return signlink::kNotOpen;
        if (!screenId) return signlink::kBadArgument;
        return g_library.RetScreenId(*screenId);
    });
}

SIGNLINK_EXPORT int32_t SF_SetScreenId(int32_t screenId)
{
    return Guarded([&] { return g_library.SetScreenId(screenId); });
}

SIGNLINK_EXPORT int32_t Cmd2Frame(const char* command)
{
    return Guarded([&] {
        if (!g_library.IsOpen()) return signlink::kNotOpen;
        if (!command) return signlink::kBadArgument;
        return g_library.Cmd2Frame(command);
    });
}

SIGNLINK_EXPORT int32_t CmdSet(const char* command, int32_t number, const char* value, int32_t isAddress)
{
    return Guarded([&] {
        if (!g_library.IsOpen()) return signlink::kNotOpen;
        if (!command || !value) return signlink::kBadArgument;
        return g_library.CmdSet(command, number, value, (isAddress & 0xFF) != 0);
    });
}

SIGNLINK_EXPORT int32_t Send(int32_t startFrame, int32_t readTimeoutMs)
{
    return Guarded([&] { return g_library.Send(startFrame, readTimeoutMs); });
}

SIGNLINK_EXPORT int32_t SF_GetReturnValue(int32_t* frame, int32_t* length, uint8_t* bytes)
{
    return Guarded([&] {
        if (!g_library.IsOpen()) return signlink::kNotOpen;
        if (!frame || !length || !bytes) return signlink::kBadArgument;
        return g_library.GetReturnValue(*frame, *length, bytes);
    });
}
