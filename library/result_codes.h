#pragma once

#include "library/signlink.h"

namespace signlink {

// The published codes under short names for the library's own code.
inline constexpr int kOk = SF_OK;
inline constexpr int kCmdNotBuilt = SF_CMD_NOT_BUILT;
inline constexpr int kNotOpen = SF_ERR_NOT_OPEN;
inline constexpr int kAlreadyOpen = SF_ERR_ALREADY_OPEN;
inline constexpr int kCloseNotOpen = SF_ERR_CLOSE_NOT_OPEN;
inline constexpr int kFilesMissing = SF_ERR_FILES_MISSING;
inline constexpr int kParamIncomplete = SF_ERR_PARAM_INCOMPLETE;
inline constexpr int kParamValue = SF_ERR_PARAM_VALUE;
inline constexpr int kSerialSettings = SF_ERR_SERIAL_SETTINGS;
inline constexpr int kFileWrite = SF_ERR_FILE_WRITE;
inline constexpr int kInternal = SF_ERR_INTERNAL;
inline constexpr int kBadArgument = SF_ERR_BAD_ARGUMENT;
inline constexpr int kFrameInput = SF_ERR_FRAME_INPUT;
inline constexpr int kPortOpen = SF_ERR_PORT_OPEN;
inline constexpr int kNoReply = SF_ERR_NO_REPLY;
inline constexpr int kReplyCheck = SF_ERR_REPLY_CHECK;
inline constexpr int kReplyNotFramed = SF_ERR_REPLY_FRAME;
inline constexpr int kNetStartup = SF_ERR_NET_STARTUP;
inline constexpr int kNetSocket = SF_ERR_NET_SOCKET;
inline constexpr int kNetConnect = SF_ERR_NET_CONNECT;
inline constexpr int kNetSend = SF_ERR_NET_SEND;

// A one-line meaning of a code, for host programs that print results.
const char* ResultMeaning(int code);

}  // namespace signlink
