#include "sim/none_family.h"

namespace sim {

std::optional<Reply> NoneFamily::Handle(const Request& request)
{
    if (request.command != "NONE") return std::nullopt;
    return Reply{acknowledgement_, false};
}

}  // namespace sim
