#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

namespace sim {

// The sign's flash as MRED reads it and MWRD writes it: 16 MB of erased (FF) bytes,
// kept as the 4 KB sectors that were ever written.
class SignMemory {
public:
    static constexpr std::uint32_t kSize = 0x1000000;
    static constexpr std::uint32_t kSectorSize = 0x1000;

    // False (and nothing read or written) when the range leaves the flash.
    bool Read(std::uint32_t address, std::size_t count, std::vector<std::uint8_t>& out) const;
    bool Write(std::uint32_t address, std::span<const std::uint8_t> bytes);
    // Erases the 4 KB sector holding the address back to FF.
    void EraseSector(std::uint32_t address);
    void EraseAll() { sectors_.clear(); }
    // The start addresses of the sectors that hold written bytes, ascending.
    std::vector<std::uint32_t> WrittenSectors() const;

private:
    static bool InRange(std::uint32_t address, std::size_t count);
    std::map<std::uint32_t, std::array<std::uint8_t, kSectorSize>> sectors_;
};

}  // namespace sim
