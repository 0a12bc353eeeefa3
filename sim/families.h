#pragma once

#include <memory>
#include <vector>

#include "sim/command_family.h"

namespace sim {

// Every command family of the virtual sign, in the order the sign asks them.
std::vector<std::unique_ptr<CommandFamily>> MakeFamilies(const SimOptions& options);

}  // namespace sim
