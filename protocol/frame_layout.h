#pragma once

#include <string>
#include <string_view>

namespace protocol {

// The six field layouts of the protocol view, numbered 0 to 5 (0 is the default).
inline constexpr int kFrameLayoutCount = 6;

// The text of the protocol view for a FrameText: with comment off, the byte pairs on
// one line; with comment on, each field on a line of its own with its comment. The
// width index is the variable width of a data row (the chooser's item 0 to 25).
// Text beyond 2,047 characters is not shown (the view's working buffer).
std::string ShowFrameLayout(std::string_view frameText, int layout, bool comment, int widthIndex);

}  // namespace protocol
