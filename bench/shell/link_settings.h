#pragma once

#include <string_view>

namespace shell {

// setup.cfg keys of the link area.
inline constexpr std::string_view kPortSection = "PORT";
inline constexpr std::string_view kComKey = "COM";                   // item index of CBComPort1
inline constexpr std::string_view kCommuTypeKey = "COMMUTYPEIDX";    // item index of RadioGroupCommu

}  // namespace shell
