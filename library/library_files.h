#pragma once

#include <string_view>

namespace signlink {

// The four files in the library's folder.
inline constexpr std::string_view kCmdSetFile = "CmdSet.cfg";
inline constexpr std::string_view kSendFrameFile = "SendFrame.cfg";
inline constexpr std::string_view kFrameInputFile = "FrameInput.dat";
inline constexpr std::string_view kFrameReturnFile = "FrameReturn.dat";

// SendFrame.cfg sections and keys.
inline constexpr std::string_view kArgv = "Argv";
inline constexpr std::string_view kComPort = "ComPort";
inline constexpr std::string_view kSetup = "Setup";
inline constexpr std::string_view kTechServer = "TechServer";
inline constexpr std::string_view kSerialPorts = "SERIALPORTS";

inline constexpr std::string_view kKeyCom = "COM";
inline constexpr std::string_view kKeyBaudRate = "BaudRate";
inline constexpr std::string_view kKeyWaitTimeMs = "WaitTimeMs";
inline constexpr std::string_view kKeyCommuPort = "CommuPort";
inline constexpr std::string_view kKeyScreenId = "ScreenID";
inline constexpr std::string_view kKeyBroadCastId = "BroadCastId";
inline constexpr std::string_view kKeyIpHead0 = "IPHEAD0";
inline constexpr std::string_view kKeyIpHead1 = "IPHEAD1";
inline constexpr std::string_view kKeyIpHead = "IPHead";
inline constexpr std::string_view kKeyPort = "Port";
inline constexpr std::string_view kKeyEmail = "Email";

inline constexpr std::string_view kSerialLinkName = "RS232";
inline constexpr std::string_view kNetworkLinkName = "TCP";
inline constexpr std::string_view kContactAddress = "signlink-support@example.org";

// FrameInput.dat and FrameReturn.dat keep everything in one section.
inline constexpr std::string_view kOutput = "Output";
inline constexpr std::string_view kKeyFrames = "FRAMES";
inline constexpr std::string_view kKeyErrorNo = "ErrorNo";
inline constexpr std::string_view kKeyEndFlag = "EndFlag";
inline constexpr std::string_view kKeyFramesTotal = "Frames";
inline constexpr std::string_view kKeyFramesSending = "FramesSending";
inline constexpr std::string_view kKeyFramesSuccess = "FramesSuccess";

// Sizes the library never goes beyond.
inline constexpr int kMaxContentBytes = 20480;   // one frame built by Cmd2Frame
inline constexpr int kMaxFrames = 10000;         // frame numbers 0000 to 9999
inline constexpr int kMaxSendContent = 640;      // one frame that Send accepts
inline constexpr int kReplyBufferBytes = 20480;  // raw reply, and SF_GetReturnValue's output
inline constexpr int kAttempts = 3;

}  // namespace signlink
