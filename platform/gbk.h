#pragma once

#include <string>
#include <string_view>

namespace platform {

// Text for and from a sign: UTF-8 in the program, GBK on the wire. A character that
// the target cannot hold is an error, never a silent "?".
struct TextConversion {
    std::string bytes;  // the converted text when ok
    std::string error;  // what could not be converted, empty when ok
    bool ok() const { return error.empty(); }
};

TextConversion Utf8ToGbk(std::string_view utf8);
TextConversion GbkToUtf8(std::string_view gbk);

}  // namespace platform
