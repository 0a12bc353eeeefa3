#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "sim/command_family.h"

namespace sim {

// Every command family of the virtual sign, in the order the sign asks them.
std::vector<std::unique_ptr<CommandFamily>> MakeFamilies(const SimOptions& options);

// The names of the settings the families read, each given as "--NAME VALUE" or
// "--option NAME=VALUE"; any other name is a mistake on the command line.
std::vector<std::string_view> FamilySettingNames();

}  // namespace sim
