#pragma once

#include <cstdint>
#include <set>
#include <string>

namespace shell {
class BenchHost;
class TransferProgress;
}  // namespace shell

namespace fonts {

// Writes font files into the sign's flash page by page: each page is one MWRD frame
// of up to 256 bytes, sent as ready wire bytes with the exchange's own lines off,
// answered before the next goes out. The progress shows "file i of n, page k of T"
// and the bytes of the whole run; Cancel stops after the page in flight.
class FontWriter {
public:
    enum class Outcome { Written, Failed, Cancelled };

    FontWriter(shell::BenchHost& host, std::uint16_t signId);

    // Every file of the temporary folder that this download made (`made`: names of
    // the form _XXXXXXXX.bin copied there in this run), in name order ignoring case,
    // at the address its name carries. Any other file is passed over with a PASS line.
    // Stops at the first file that fails ("Error!" under its address tag) or when
    // Cancel is pressed.
    Outcome WriteTempFontsToSign(const std::string& tempFolder, const std::set<std::string>& made);

private:
    struct Run;
    // One file from the address on: Failed when it cannot be opened or a page is
    // answered with fewer than 4 bytes.
    Outcome WriteFileToSignMemory(std::uint32_t address, const std::string& path, Run& run);

    shell::BenchHost& host_;
    std::uint16_t signId_;
};

}  // namespace fonts
