#pragma once

#include <cstdint>
#include <vector>

#include "sim/command_family.h"

namespace sim {

// NONE, the probe that finds a sign's port: answered with a plain acknowledgement.
class NoneFamily : public CommandFamily {
public:
    explicit NoneFamily(std::vector<std::uint8_t> acknowledgement) : acknowledgement_(std::move(acknowledgement)) {}
    std::optional<Reply> Handle(const Request& request) override;

private:
    std::vector<std::uint8_t> acknowledgement_;
};

}  // namespace sim
