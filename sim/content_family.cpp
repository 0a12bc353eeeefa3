#include "sim/content_family.h"

#include <algorithm>

namespace sim {
namespace {

constexpr std::size_t kInstHeader = 33;
constexpr std::size_t kAliasBytes = 16;

std::uint16_t Word(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

Reply Status(std::uint8_t status) { return Reply{{status}}; }

}  // namespace

ContentFamily::ContentFamily(std::shared_ptr<SignMemory> memory)
    : ramVariables_(kRamVariables), memory_(std::move(memory))
{
}

std::optional<Reply> ContentFamily::Handle(const Request& request)
{
    const std::string& c = request.command;
    const std::vector<std::uint8_t>& data = request.data;
    if (c == "INST") return Inst(data);
    if (c == "ALAS") return Alas(data);
    if (c == "GETX") return Getx(data);
    if (c == "DELP") return Delp(data);
    if (c == "DALL") {
        programs_.clear();
        lastListed_.reset();
        return Status(0x00);
    }
    if (c == "PRAM") return Pram(data);
    if (c == "PLAY") return Play(data);
    if (c == "VRAM") return Variable(data, false);
    if (c == "VROM") return Variable(data, true);
    if (c == "MRED") return Mred(data);
    if (c == "MWRD") return Mwrd(data);
    return std::nullopt;
}

Reply ContentFamily::Inst(const std::vector<std::uint8_t>& data)
{
    if (data.size() < kInstHeader) return Status(kStatusRejected);
    const std::uint8_t type = data[0];
    const std::uint16_t fileId = Word(data, 1);
    const std::size_t m = data[13];
    const std::size_t total = Word(data, 31);
    if (type > 2 || fileId >= kFileIds || m > kAliasBytes || total < m || data.size() != kInstHeader + total)
        return Status(kStatusRejected);
    const std::string alias(data.begin() + kInstHeader, data.begin() + static_cast<long>(kInstHeader + m));
    const std::vector<std::uint8_t> text(data.begin() + static_cast<long>(kInstHeader + m), data.end());
    const auto existing = programs_.find(fileId);
    if (type == 2 && existing != programs_.end()) {
        // Append: the new text goes on after the stored one.
        Program& program = existing->second;
        program.text.insert(program.text.end(), text.begin(), text.end());
        return Status(0x00);
    }
    Program program;
    program.type = type == 1 ? 1 : 0;
    program.alias = alias;
    program.text = text;
    program.options.assign(data.begin() + 3, data.begin() + 31);
    programs_[fileId] = std::move(program);
    return Status(0x00);
}

Reply ContentFamily::AliasRecord(std::uint16_t fileId) const
{
    const Program& program = programs_.at(fileId);
    Reply reply{
        {0x00, static_cast<std::uint8_t>(fileId >> 8), static_cast<std::uint8_t>(fileId), program.type}};
    std::string name = program.alias.substr(0, kAliasBytes);
    name.resize(kAliasBytes, '\0');
    reply.data.insert(reply.data.end(), name.begin(), name.end());
    reply.data.push_back(program.Hidden() ? 0x01 : 0x00);
    return reply;
}

Reply ContentFamily::Alas(const std::vector<std::uint8_t>& data)
{
    if (data.size() != 4) return Status(kStatusRejected);
    const std::uint8_t query = data[0];
    if (query == 0x20) {
        const auto running = RunningFileId();
        return running ? AliasRecord(*running) : Status(kStatusNotFound);
    }
    if (query != 0x00 && query != 0x10) return Status(kStatusRejected);
    std::map<std::uint16_t, Program>::const_iterator next;
    if (data[1] == 0x55) {
        next = programs_.lower_bound(Word(data, 2));  // the first at or after the start id
    } else if (data[1] == 0x00) {
        next = (query == 0x00 || !lastListed_) ? programs_.begin() : programs_.upper_bound(*lastListed_);
    } else {
        return Status(kStatusRejected);
    }
    if (next == programs_.end()) return Status(kStatusNotFound);
    lastListed_ = next->first;
    return AliasRecord(next->first);
}

Reply ContentFamily::Getx(const std::vector<std::uint8_t>& data)
{
    if (data.size() != 6 || data[0] == 0) return Status(kStatusRejected);
    const int scale = data[0];
    const int end = std::min<int>(Word(data, 4), kFileIds);
    // The first id from the start with `scale` free ids in a row before the end.
    for (int id = Word(data, 2); id + scale <= end; ++id) {
        const auto taken = programs_.lower_bound(static_cast<std::uint16_t>(id));
        if (taken == programs_.end() || taken->first >= id + scale)
            return Reply{{0x00, 0x00, static_cast<std::uint8_t>(id >> 8), static_cast<std::uint8_t>(id)}};
        id = taken->first;  // continue after the taken id
    }
    return Reply{{kStatusNotFound, 0x00, 0x00, 0x00}};
}

Reply ContentFamily::Delp(const std::vector<std::uint8_t>& data)
{
    if (data.size() != 4 || data[0] != 0 || data[1] != 0) return Status(kStatusRejected);
    const std::uint16_t fileId = Word(data, 2);
    if (!programs_.count(fileId)) return Status(kStatusNotFound);
    Reply record = AliasRecord(fileId);
    programs_.erase(fileId);
    return record;
}

Reply ContentFamily::Pram(const std::vector<std::uint8_t>& data)
{
    if (data.size() != 11) return Status(kStatusRejected);
    switch (data[0]) {
        case 0x00:
        case 0x11:
            ramTable_.reset();
            return Status(0x00);
        case 0x01: {
            const Selection range{false, Word(data, 3), Word(data, 5), data[7]};
            if (range.last >= kFileIds || range.first > range.last || range.group < 'A' || range.group > 'Z')
                return Status(kStatusRejected);
            ramTable_ = range;
            return Status(0x00);
        }
        case 0x10: {
            const Selection numbers{true, Word(data, 3), Word(data, 5), 0};
            if (numbers.first < 1 || numbers.first > 9 || numbers.last < 1 || numbers.last > 9)
                return Status(kStatusRejected);
            ramTable_ = numbers;
            return Status(0x00);
        }
        default:
            return Status(kStatusRejected);
    }
}

Reply ContentFamily::Play(const std::vector<std::uint8_t>& data)
{
    if (data.size() != 10 || Word(data, 2) != 6 || data[5] != 1) return Status(kStatusRejected);
    if (data[0] == 0x50) {
        flashTable_.reset();
        return Status(0x00);
    }
    const Selection range{false, Word(data, 6), Word(data, 8), data[4]};
    if (data[0] != 0x5A || range.last >= kFileIds || range.first > range.last || range.group < 'A' ||
        range.group > 'Z')
        return Status(kStatusRejected);
    flashTable_ = range;
    return Status(0x00);
}

std::optional<std::uint16_t> ContentFamily::FirstIn(const Selection& selection) const
{
    if (selection.byNumber) {
        // Program numbers count the stored programs in file id order; a reversed
        // pair runs from the smaller.
        const std::size_t number = std::min(selection.first, selection.last);
        if (number > programs_.size()) return std::nullopt;
        return std::next(programs_.begin(), static_cast<long>(number - 1))->first;
    }
    const auto it = programs_.lower_bound(selection.first);
    if (it == programs_.end() || it->first > selection.last) return std::nullopt;
    return it->first;
}

std::optional<std::uint16_t> ContentFamily::RunningFileId() const
{
    if (ramTable_) return FirstIn(*ramTable_);
    if (flashTable_) return FirstIn(*flashTable_);
    for (const auto& [id, program] : programs_) {
        if (!program.Hidden()) return id;
    }
    return std::nullopt;
}

Reply ContentFamily::Variable(const std::vector<std::uint8_t>& data, bool flash)
{
    if (data.size() < 2 || data[1] != data.size() - 2) return Status(kStatusRejected);
    const std::size_t number = data[0];
    const std::vector<std::uint8_t> text(data.begin() + 2, data.end());
    if (flash) {
        if (number >= kFlashVariables || text.size() >= kFlashVariableBytes) return Status(kStatusRejected);
        std::vector<std::uint8_t> slot = text;
        slot.resize(kFlashVariableBytes, 0x00);
        memory_->Write(kFlashVariableBase + static_cast<std::uint32_t>(kFlashVariableBytes * number), slot);
    } else {
        if (number >= kRamVariables || text.size() >= kRamVariableBytes) return Status(kStatusRejected);
        ramVariables_[number] = text;
    }
    return Status(0x00);
}

std::vector<std::uint8_t> ContentFamily::RamVariable(int number) const
{
    return ramVariables_.at(static_cast<std::size_t>(number));
}

Reply ContentFamily::Mred(const std::vector<std::uint8_t>& data)
{
    if (data.size() != 6) return Status(kStatusRejected);
    const std::uint8_t memory = data[0];
    const std::uint32_t address = static_cast<std::uint32_t>(data[1] << 16 | data[2] << 8 | data[3]);
    const std::size_t count = Word(data, 4);
    if (count > kMaxRead) return Status(kStatusRejected);
    std::vector<std::uint8_t> bytes;
    if (memory == 0x00) {
        if (!memory_->Read(address, count, bytes)) return Status(kStatusRejected);
    } else if (memory >= 0x10 && memory < 0x10 + kRamVariables) {
        // A RAM variable reads as its string followed by zeros, whatever the address.
        bytes = ramVariables_[memory - 0x10];
        bytes.resize(count, 0x00);
    } else {
        return Status(kStatusRejected);  // the serial ports' buffers are not kept
    }
    Reply reply{{0x00, data[1], data[2], data[3]}};
    reply.data.insert(reply.data.end(), bytes.begin(), bytes.end());
    return reply;
}

Reply ContentFamily::Mwrd(const std::vector<std::uint8_t>& data)
{
    if (data.size() < 4) return Status(kStatusRejected);
    const std::uint32_t address = static_cast<std::uint32_t>(data[1] << 16 | data[2] << 8 | data[3]);
    const std::span<const std::uint8_t> bytes(data.begin() + 4, data.end());
    if (data[0] == 0x55) {
        // A page of a file: each 4 KB sector the page starts is erased first.
        if (bytes.size() > kMaxRead || address + bytes.size() > SignMemory::kSize)
            return Status(kStatusRejected);
        const std::uint32_t step = SignMemory::kSectorSize;
        for (std::uint32_t sector = (address + step - 1) / step * step;
             sector == address || sector < address + bytes.size(); sector += step)
            memory_->EraseSector(sector);
        return Status(memory_->Write(address, bytes) ? 0x00 : kStatusRejected);
    }
    // A plain write at a 32-bit address below 16 MB (the fill, a font's delete mark).
    if (data[0] != 0x00 || bytes.empty() || bytes.size() > kMaxRead) return Status(kStatusRejected);
    return Status(memory_->Write(address, bytes) ? 0x00 : kStatusRejected);
}

}  // namespace sim
