#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "sim/command_family.h"
#include "sim/sign_memory.h"

namespace sim {

// The sign's font directory: FONT lists every font whose header (its FT mark) starts
// a 4 KB block of the font area. Fonts are written and deleted through the flash
// they share with the content family (MWRD pages, and two zero bytes over the mark).
class FontFamily : public CommandFamily {
public:
    static constexpr std::uint32_t kFontAreaStart = 0x00010000;  // below it: variables and presets
    static constexpr std::size_t kMaxListed = 255;               // the count is one byte

    explicit FontFamily(std::shared_ptr<SignMemory> memory);

    std::optional<Reply> Handle(const Request& request) override;

private:
    std::shared_ptr<SignMemory> memory_;
};

}  // namespace sim
