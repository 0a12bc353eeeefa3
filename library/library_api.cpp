#include "library/library_api.h"

#include <sys/stat.h>

#include <climits>
#include <cstring>

#include "library/command_builder.h"
#include "library/files_folder.h"
#include "library/library_files.h"
#include "library/link_settings.h"
#include "library/param_value.h"
#include "library/profile_snapshot.h"
#include "library/result_codes.h"
#include "library/return_file.h"
#include "library/settings_file.h"
#include "platform/profile.h"
#include "platform/self_path.h"
#include "protocol/frame_text.h"

namespace signlink {
namespace {

bool IsRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::int32_t ToInt32(long long value)
{
    if (value < INT_MIN || value > INT_MAX) return 0;
    return static_cast<std::int32_t>(value);
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

Library::Library(std::string libraryPath) : libraryPath_(std::move(libraryPath)) {}

int Library::Open()
{
    if (files_) return kAlreadyOpen;
    const FilesFolder where = ChooseFilesFolder(FolderInputsFromProcess(libraryPath_));
    if (where.source == FolderSource::ConfigFolder) {
        std::string error;
        if (!SeedFilesFolder(where.folder, SamplesFolder(platform::DirectoryOf(libraryPath_)), error))
            return kFileWrite;
    }
    LibraryFiles files = LibraryFiles::In(where.folder);
    if (!IsRegularFile(files.cmdSet) || !IsRegularFile(files.sendFrame)) return kFilesMissing;
    if (!WriteKeys(files.sendFrame, {{kTechServer, kKeyEmail, std::string(kContactAddress)}}))
        return kFileWrite;
    files_ = std::move(files);
    return kOk;
}

int Library::Close()
{
    if (!files_) return kCloseNotOpen;
    files_.reset();
    return kOk;
}

int Library::RetComPort(std::array<std::int32_t, 3>& comBaudWait) const
{
    if (!files_) return kNotOpen;
    const ProfileSnapshot settings = ProfileSnapshot::Load(files_->sendFrame);
    comBaudWait = {ToInt32(settings.Int(kArgv, kKeyCom).value_or(0)),
                   ToInt32(settings.Int(kComPort, kKeyBaudRate).value_or(0)),
                   ToInt32(settings.Int(kComPort, kKeyWaitTimeMs).value_or(0))};
    return kOk;
}

int Library::SetComPort(std::int32_t com, std::int32_t baudRate, std::int32_t waitTimeMs)
{
    if (!files_) return kNotOpen;
    const bool written =
        WriteKeys(files_->sendFrame, {{kArgv, kKeyCom, std::to_string(com)},
                                      {kComPort, kKeyBaudRate, std::to_string(baudRate)},
                                      {kComPort, kKeyWaitTimeMs, std::to_string(waitTimeMs)}});
    return written ? kOk : kFileWrite;
}

int Library::RetComSelect(std::int32_t& link) const
{
    if (!files_) return kNotOpen;
    link = IsSerialLink(ProfileSnapshot::Load(files_->sendFrame).Text(kSetup, kKeyCommuPort)) ? 0 : 1;
    return kOk;
}

int Library::SetComSelect(std::int32_t link)
{
    if (!files_) return kNotOpen;
    const std::string_view name = link == 0 ? kSerialLinkName : kNetworkLinkName;
    return WriteKeys(files_->sendFrame, {{kSetup, kKeyCommuPort, std::string(name)}}) ? kOk : kFileWrite;
}

int Library::RetBroadcastIp(std::array<std::int32_t, 4>& parts) const
{
    if (!files_) return kNotOpen;
    parts = IpPartsFromText(ProfileSnapshot::Load(files_->sendFrame).Text(kArgv, kKeyBroadCastId));
    return kOk;
}

int Library::SetBroadcastIp(const std::array<std::int32_t, 4>& parts)
{
    if (!files_) return kNotOpen;
    const bool written = WriteKeys(files_->sendFrame, {{kArgv, kKeyIpHead0, std::to_string(parts[0])},
                                                       {kArgv, kKeyIpHead1, std::to_string(parts[1])},
                                                       {kArgv, kKeyBroadCastId, DottedFromParts(parts)}});
    return written ? kOk : kFileWrite;
}

int Library::RetScreenId(std::int32_t& screenId) const
{
    if (!files_) return kNotOpen;
    screenId = ToInt32(ProfileSnapshot::Load(files_->sendFrame).Int(kArgv, kKeyScreenId).value_or(0));
    return kOk;
}

int Library::SetScreenId(std::int32_t screenId)
{
    if (!files_) return kNotOpen;
    return WriteKeys(files_->sendFrame, {{kArgv, kKeyScreenId, std::to_string(screenId)}}) ? kOk : kFileWrite;
}

int Library::Cmd2Frame(std::string_view command)
{
    if (!files_) return kNotOpen;
    const BuiltFrames built = BuildCommandFrames(ProfileSnapshot::Load(files_->cmdSet), command);
    if (!built.ok()) return kCmdNotBuilt;
    const auto old = platform::ReadWholeFile(files_->frameInput);
    if (!old && IsRegularFile(files_->frameInput)) return kFileWrite;  // never replace what could not be read
    const std::string text =
        ReplaceOutputSection(old.value_or(std::string()), FrameInputSection(built.frames));
    return platform::WriteFileAtomically(files_->frameInput, text) ? kOk : kFileWrite;
}

int Library::CmdSet(std::string_view command, std::int32_t number, std::string_view value, bool isAddress)
{
    if (!files_) return kNotOpen;
    if (HasLineBreak(value) || HasLineBreak(command)) return kBadArgument;
    if (number < 0 || number > 99) return kParamValue;
    const ProfileSnapshot definitions = ProfileSnapshot::Load(files_->cmdSet);
    const std::string prefix = SetParamPrefix(number);
    const auto current = definitions.Text(command, prefix + "_VALU");
    const auto type = definitions.Text(command, prefix + "_TYPE");
    const long long bytes = definitions.Int(command, prefix + "_BYTE").value_or(1024);
    if (!current || !type || bytes >= 1024 || bytes < 0) return kParamIncomplete;

    auto write = [&](std::string_view key, std::string text) {
        const std::string name = prefix + std::string(key);
        return WriteKeys(files_->cmdSet, {{command, name, std::move(text)}}) ? kOk : kFileWrite;
    };
    if (*type == "STR") return write("_VALU", "\"" + std::string(value) + "\"");
    if (*type == "FILE") return write(isAddress ? "_INIT" : "_VALU", std::string(value));
    if (*type == "INT" || *type == "HEX") {
        if (!IsHexText(value)) return kParamValue;
        return write("_VALU", protocol::HexText(RightAlignedBytes(value, static_cast<int>(bytes))));
    }
    return kOk;
}

int Library::Send(std::int32_t startFrame, std::int32_t readTimeoutMs)
{
    if (!files_) return kNotOpen;
    if (startFrame < 0 || readTimeoutMs < 0) return kBadArgument;
    SendOptions options;
    options.startFrame = startFrame;
    options.readTimeoutMs = readTimeoutMs;
    return RunSend(*files_, options);
}

int Library::GetReturnValue(std::int32_t& frame, std::int32_t& length, std::uint8_t* bytes)
{
    if (!files_) return kNotOpen;
    const ReturnValue value = ReadReturnValue(files_->frameReturn, frame, kReplyBufferBytes);
    if (!value.reply.empty()) std::memcpy(bytes, value.reply.data(), value.reply.size());
    length = static_cast<std::int32_t>(value.reply.size());
    frame = value.frames;
    return value.framesSuccess;
}

}  // namespace signlink
