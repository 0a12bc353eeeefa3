#include "sim/fault.h"

#include <charconv>

#include "sim/hex_bytes.h"

namespace sim {
namespace {

std::optional<long long> ParseCount(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

// Longest delay and largest flood accepted: a day and 64 MiB are beyond any test.
constexpr long long kMaxDelayMs = 24LL * 3600 * 1000;
constexpr long long kMaxFlood = 64LL * 1024 * 1024;

}  // namespace

bool Faults::Any() const
{
    return silent || lateMs || piecesMs || badCheck || unframed || drop || status || noEnd || flood ||
           !prefix.empty();
}

std::string AddFault(std::string_view text, Faults& faults)
{
    const std::size_t colon = text.find(':');
    const std::string_view kind = text.substr(0, colon);
    const bool hasValue = colon != std::string_view::npos;
    const std::string_view value = hasValue ? text.substr(colon + 1) : std::string_view();
    const std::string bad = "bad fault \"" + std::string(text) + "\"";

    if (!hasValue) {
        if (kind == "silent") faults.silent = true;
        else if (kind == "badcheck") faults.badCheck = true;
        else if (kind == "unframed") faults.unframed = true;
        else if (kind == "drop") faults.drop = true;
        else if (kind == "noend") faults.noEnd = true;
        else return bad + ": unknown kind";
        return {};
    }
    if (kind == "late" || kind == "pieces") {
        const auto ms = ParseCount(value);
        if (!ms || *ms > kMaxDelayMs) return bad + ": milliseconds expected";
        (kind == "late" ? faults.lateMs : faults.piecesMs) = static_cast<int>(*ms);
    } else if (kind == "flood") {
        const auto n = ParseCount(value);
        if (!n || *n > kMaxFlood) return bad + ": a byte count expected";
        faults.flood = static_cast<std::size_t>(*n);
    } else if (kind == "status") {
        const auto bytes = ParseHexBytes(value);
        if (!bytes || bytes->size() != 1) return bad + ": one hex byte expected";
        faults.status = bytes->front();
    } else if (kind == "prefix") {
        const auto bytes = ParseHexBytes(value);
        if (!bytes || bytes->empty()) return bad + ": hex bytes expected";
        faults.prefix = *bytes;
    } else {
        return bad + ": unknown kind";
    }
    return {};
}

}  // namespace sim
