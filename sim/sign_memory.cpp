#include "sim/sign_memory.h"

namespace sim {

bool SignMemory::InRange(std::uint32_t address, std::size_t count)
{
    return address <= kSize && count <= kSize - address;
}

bool SignMemory::Read(std::uint32_t address, std::size_t count, std::vector<std::uint8_t>& out) const
{
    if (!InRange(address, count)) return false;
    out.clear();
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t at = address + static_cast<std::uint32_t>(i);
        const auto sector = sectors_.find(at / kSectorSize);
        out.push_back(sector == sectors_.end() ? 0xFF : sector->second[at % kSectorSize]);
    }
    return true;
}

bool SignMemory::Write(std::uint32_t address, std::span<const std::uint8_t> bytes)
{
    if (!InRange(address, bytes.size())) return false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint32_t at = address + static_cast<std::uint32_t>(i);
        auto [sector, fresh] = sectors_.try_emplace(at / kSectorSize);
        if (fresh) sector->second.fill(0xFF);
        sector->second[at % kSectorSize] = bytes[i];
    }
    return true;
}

std::vector<std::uint32_t> SignMemory::WrittenSectors() const
{
    std::vector<std::uint32_t> starts;
    starts.reserve(sectors_.size());
    for (const auto& sector : sectors_) starts.push_back(sector.first * kSectorSize);
    return starts;
}

void SignMemory::EraseSector(std::uint32_t address) { sectors_.erase(address / kSectorSize); }

}  // namespace sim
