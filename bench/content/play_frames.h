#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bench/content/frame_build.h"

namespace content {

// Frame layouts of the protocol view for these frames.
inline constexpr int kLayoutProgramSelect = 1;
inline constexpr int kLayoutProgramQuit = 2;
inline constexpr int kLayoutRamPlayTable = 3;
inline constexpr int kLayoutFlashPlayTable = 4;

// A play table for a range of file ids: PRAM (RAM, level 2) or PLAY (flash, level 3).
// An exit frame carries the other choices as a switch frame does.
struct PlayTableOptions {
    std::uint16_t signId = 0xFEFE;
    bool enter = true;         // switch to the range, else exit to the normal program
    bool flash = false;        // PLAY, else PRAM
    bool breakRunning = true;  // CheckInterrupt
    std::uint16_t start = 0;
    std::uint16_t end = 0;
    std::uint8_t group = 'A';  // the letter's code
    int loops = 0;             // CBPgmLoops position (PRAM only)
    int seconds = 0;           // CBPgmSeconds position (PRAM only)
};
FrameBuild BuildPlayTableFrame(const PlayTableOptions& options);
int PlayTableLayout(bool flash);

// PRAM selection of the running programs by number (1 to 9), or quitting it.
struct ProgramSelectOptions {
    std::uint16_t signId = 0xFEFE;
    bool select = true;
    int first = 1;
    int last = 1;
    int loops = 0;    // CBPgmLoops1 position
    int seconds = 0;  // CBPgmSeconds1 position
};
FrameBuild BuildProgramSelectFrame(const ProgramSelectOptions& options);

// Fixed lists of the two pages.
std::vector<std::string> GroupEntries();          // "A" ... "Z"
std::vector<std::string> FileIdEntries();         // "0" ... "1023"
std::vector<std::string> LoopEntries();           // "Loop Allways", "Loop 1 Times" ...
std::vector<std::string> SecondEntries();         // "All Time", "1 Seconds" ...
std::vector<std::string> ProgramNumberEntries();  // "1" ... "9"
std::vector<std::string> TimesEntries();          // "0" ... "6"
std::vector<std::string> ShortSecondEntries();    // "0 S" ... "10 S"

}  // namespace content
