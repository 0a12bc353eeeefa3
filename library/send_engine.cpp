#include "library/send_engine.h"

#include <climits>
#include <functional>
#include <memory>

#include "library/frame_input.h"
#include "library/library_files.h"
#include "library/link_settings.h"
#include "library/network_link.h"
#include "library/profile_snapshot.h"
#include "library/reply_check.h"
#include "library/result_codes.h"
#include "library/return_file.h"
#include "library/serial_link.h"
#include "platform/profile.h"
#include "platform/serial_port_map.h"
#include "protocol/wire_frame.h"

namespace signlink {
namespace {

int ClampedInt(long long value, long long low, long long high, int fallback)
{
    return value < low || value > high ? fallback : static_cast<int>(value);
}

}  // namespace

// The same for both links: `openLink` opens the serial port here, or hands over the
// connection made before.
int RunFrameLoop(const LibraryFiles& files, const SendOptions& options, std::uint16_t signId,
                 const LinkOpener& openLink, int openFailure)
{
    const FrameInput input(ProfileSnapshot::Load(files.frameInput));
    const auto count = input.Count();
    if (!count) return kFrameInput;

    auto record = ReturnFileWriter::Begin(files.frameReturn, *count);
    if (!record) return kFileWrite;
    const std::unique_ptr<FrameLink> link = openLink();
    if (!link) return openFailure;

    int result = kOk;
    bool written = true;
    std::vector<std::uint8_t> raw;
    raw.reserve(kReplyBufferBytes);
    for (int k = options.startFrame; k < *count; ++k) {
        const auto content = input.Frame(k);
        if (!content) return kFrameInput;
        const std::vector<std::uint8_t> wire = protocol::WireFrame(signId, *content);
        written = record->SetSending(k + 1) && written;
        for (int attempt = 1; attempt <= kAttempts; ++attempt) {
            result = link->Exchange(wire, raw);
            if (result == kOk) {
                ReplyVerdict verdict = AcceptReply(raw);
                result = verdict.code;
                if (result == kOk) written = record->StoreReply(k, verdict.stored) && written;
            }
            if (result == kOk) break;
        }
        if (result != kOk) {
            written = record->SetErrorNo(result) && written;
            break;
        }
    }
    written = record->SetEndFlag(1) && written;
    return written ? result : kFileWrite;
}

LibraryFiles LibraryFiles::In(const std::string& directory)
{
    auto at = [&](std::string_view name) { return directory + "/" + std::string(name); };
    return {at(kCmdSetFile), at(kSendFrameFile), at(kFrameInputFile), at(kFrameReturnFile)};
}

int RunSend(const LibraryFiles& files, const SendOptions& options)
{
    const ProfileSnapshot settings = ProfileSnapshot::Load(files.sendFrame);
    const long long screenId = settings.Int(kArgv, kKeyScreenId).value_or(0);

    if (IsSerialLink(settings.Text(kSetup, kKeyCommuPort))) {
        const long long com = settings.Int(kArgv, kKeyCom).value_or(0);
        if (com == 0 || screenId < 0 || screenId > 65535) return kSerialSettings;
        const long long rate = settings.Int(kComPort, kKeyBaudRate).value_or(kDefaultBaudRate);
        const int wait = ClampedInt(settings.Int(kComPort, kKeyWaitTimeMs).value_or(kDefaultWaitTimeMs), 0,
                                    600000, kDefaultWaitTimeMs);
        const int timeout = options.readTimeoutMs != 0 ? options.readTimeoutMs : wait;
        const std::string device = platform::SerialDeviceForPort(platform::Profile(files.sendFrame),
                                                                 ClampedInt(com, INT_MIN, INT_MAX, 0));
        const LinkOpener openPort = [&]() -> std::unique_ptr<FrameLink> {
            auto port = SerialLink::Open(device, rate, timeout);
            if (!port) return nullptr;
            return std::make_unique<SerialLink>(std::move(*port));
        };
        return RunFrameLoop(files, options, static_cast<std::uint16_t>(screenId), openPort, kPortOpen);
    }

    const std::string address = SignAddress(
        screenId, settings.Text(kArgv, kKeyBroadCastId).value_or(std::string(kDefaultBroadcastId)),
        settings.Text(kArgv, kKeyIpHead).value_or(std::string(kDefaultIpHead)));
    const long long port = settings.Int(kArgv, kKeyPort).value_or(kDefaultTcpPort);
    auto opened = NetworkLink::Open(address, port, options.networkLimitMs);
    if (const int* code = std::get_if<int>(&opened)) return *code;
    auto connection = std::make_unique<NetworkLink>(std::move(std::get<NetworkLink>(opened)));
    const LinkOpener handOver = [&]() -> std::unique_ptr<FrameLink> { return std::move(connection); };
    return RunFrameLoop(files, options, protocol::kAllSignsId, handOver, kNetConnect);
}

}  // namespace signlink
