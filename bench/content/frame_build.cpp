#include "bench/content/frame_build.h"

#include "bench/fields/sign_id.h"

namespace content {

std::optional<std::uint16_t> ParseSignId(std::string_view text) { return fields::ParseSignId(text).value; }

}  // namespace content
