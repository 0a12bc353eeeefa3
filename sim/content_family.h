#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/command_family.h"
#include "sim/sign_memory.h"

namespace sim {

// The sign's programs and variables: INST stores text programs under file ids, ALAS
// lists them and reports the running one, GETX finds free ids, DELP and DALL delete;
// PRAM and PLAY choose what runs; VRAM and VROM write the string variables; MRED and
// MWRD read and write memory (flash variable i lies at 0xA000 + 32 i, RAM variable n
// is memory 0x10 + n). Each program takes one file id.
class ContentFamily : public CommandFamily {
public:
    static constexpr std::uint8_t kStatusRejected = 0x01;  // the request's data are not a valid request
    static constexpr std::uint8_t kStatusNotFound = 0x02;  // no such program, or none left to list
    static constexpr int kFileIds = 1024;
    static constexpr int kRamVariables = 16;
    static constexpr std::size_t kRamVariableBytes = 16;  // strings under 16 bytes, then 00
    static constexpr int kFlashVariables = 128;
    static constexpr std::uint32_t kFlashVariableBase = 0xA000;
    static constexpr std::size_t kFlashVariableBytes = 32;  // strings under 32 bytes, then 00
    static constexpr std::size_t kMaxRead = 256;

    struct Program {
        std::uint8_t type = 0;  // 0 normal, 1 hiding
        std::string alias;      // GBK bytes, at most 16
        std::vector<std::uint8_t> text;
        std::vector<std::uint8_t> options;  // INST data bytes 3 to 30: seconds, fonts, colour, action ...
        bool Hidden() const { return type == 1; }
    };

    // What a play table selects: a range of file ids, or programs by their number
    // (1 = the first stored program in file id order).
    struct Selection {
        bool byNumber = false;
        std::uint16_t first = 0;
        std::uint16_t last = 0;
        std::uint8_t group = 0;
        bool operator==(const Selection&) const = default;
    };

    explicit ContentFamily(std::shared_ptr<SignMemory> memory = std::make_shared<SignMemory>());

    std::optional<Reply> Handle(const Request& request) override;
    // Keeps a program that came another way (a downloaded image file) under its id.
    void StoreProgram(std::uint16_t fileId, Program program) { programs_[fileId] = std::move(program); }

    const std::map<std::uint16_t, Program>& Programs() const { return programs_; }
    // The RAM play table (PRAM) takes precedence over the flash one (PLAY); without
    // either the sign runs its first program that is not hidden.
    std::optional<std::uint16_t> RunningFileId() const;
    const std::optional<Selection>& RamTable() const { return ramTable_; }
    const std::optional<Selection>& FlashTable() const { return flashTable_; }
    std::vector<std::uint8_t> RamVariable(int number) const;
    // Shared with the families that read and write fonts in the same flash.
    const std::shared_ptr<SignMemory>& Memory() const { return memory_; }

private:
    Reply Inst(const std::vector<std::uint8_t>& data);
    Reply Alas(const std::vector<std::uint8_t>& data);
    Reply Getx(const std::vector<std::uint8_t>& data);
    Reply Delp(const std::vector<std::uint8_t>& data);
    Reply Pram(const std::vector<std::uint8_t>& data);
    Reply Play(const std::vector<std::uint8_t>& data);
    Reply Variable(const std::vector<std::uint8_t>& data, bool flash);
    Reply Mred(const std::vector<std::uint8_t>& data);
    Reply Mwrd(const std::vector<std::uint8_t>& data);
    Reply AliasRecord(std::uint16_t fileId) const;
    std::optional<std::uint16_t> FirstIn(const Selection& selection) const;

    std::map<std::uint16_t, Program> programs_;
    std::optional<std::uint16_t> lastListed_;  // where a listing without start ids goes on
    std::optional<Selection> ramTable_;
    std::optional<Selection> flashTable_;
    std::vector<std::vector<std::uint8_t>> ramVariables_;
    std::shared_ptr<SignMemory> memory_;
};

}  // namespace sim
