#include "library/result_codes.h"

namespace signlink {

const char* ResultMeaning(int code)
{
    switch (code) {
        case kOk:
            return "success";
        case kCmdNotBuilt:
            return "the command definition cannot be built";
        case kNotOpen:
            return "the library is not open";
        case kAlreadyOpen:
            return "the library is already open";
        case kCloseNotOpen:
            return "the library is not open";
        case kFilesMissing:
            return "CmdSet.cfg or SendFrame.cfg is missing from the library's folder";
        case kParamIncomplete:
            return "the parameter's definition is incomplete";
        case kParamValue:
            return "parameter number over 99 or a value that is not hex text";
        case kSerialSettings:
            return "COM is 0 or absent, or ScreenID is outside 0..65535";
        case kFileWrite:
            return "a file in the library's folder cannot be written";
        case kInternal:
            return "the system refused a resource";
        case kBadArgument:
            return "a bad argument (null pointer, negative number or line break)";
        case kFrameInput:
            return "FrameInput.dat holds no usable frame count or frame";
        case kPortOpen:
            return "the serial port cannot be opened";
        case kNoReply:
            return "no reply byte received";
        case kReplyCheck:
            return "the reply's check field is wrong";
        case kReplyNotFramed:
            return "the reply is not framed";
        case kNetStartup:
            return "the socket layer cannot be started";
        case kNetSocket:
            return "no socket can be created";
        case kNetConnect:
            return "the connection cannot be made";
        case kNetSend:
            return "the frame cannot be sent";
        default:
            return "unknown result code";
    }
}

}  // namespace signlink
