#include "bench/shell/dialog_filter.h"

#include <vector>

namespace shell {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

std::string DialogFilter(std::string_view pairs)
{
    if (pairs.find('|') == std::string_view::npos) return std::string(pairs);
    const std::vector<std::string_view> parts = Split(pairs, '|');
    std::string filter;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns;
        for (const std::string_view pattern : Split(parts[i + 1], ';')) {
            if (pattern.empty()) continue;
            if (!patterns.empty()) patterns += ' ';
            patterns += pattern == "*.*" ? std::string_view("*") : pattern;
        }
        if (!filter.empty()) filter += ";;";
        filter += std::string(parts[i]) + " (" + patterns + ")";
    }
    return filter;
}

}  // namespace shell
