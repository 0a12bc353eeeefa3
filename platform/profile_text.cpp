#include "platform/profile_text.h"

#include <algorithm>

namespace platform {

namespace {

std::string_view Trimmed(std::string_view text)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

ProfileText::ProfileText(std::string_view content)
{
    lines_.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1);
    while (!content.empty()) {
        std::size_t newline = content.find('\n');
        std::string_view line = content.substr(0, newline);
        std::string end;
        if (newline == std::string_view::npos) {
            content = {};
        } else {
            end = "\n";
            content.remove_prefix(newline + 1);
        }
        if (!line.empty() && line.back() == '\r' && !end.empty()) {
            line.remove_suffix(1);
            end = "\r\n";
        }
        lines_.push_back(Classify(std::string(line), std::move(end)));
    }
}

ProfileText::Line ProfileText::Classify(std::string body, std::string end)
{
    Line line;
    line.body = std::move(body);
    line.end = std::move(end);
    std::string_view text = Trimmed(line.body);
    if (text.empty() || text.front() == ';' || text.front() == '#') return line;
    if (text.front() == '[') {
        std::size_t close = text.find(']');
        if (close != std::string_view::npos) {
            line.kind = Kind::Section;
            line.name = std::string(Trimmed(text.substr(1, close - 1)));
        }
        return line;
    }
    std::size_t equals = line.body.find('=');
    if (equals != std::string::npos) {
        line.kind = Kind::Key;
        line.name = std::string(Trimmed(std::string_view(line.body).substr(0, equals)));
        line.valueAt = equals + 1;
    }
    return line;
}

std::optional<ProfileText::Span> ProfileText::FirstSection(std::string_view section) const
{
    // Names in the file are read trimmed; a name asked for with blanks around it is the same name.
    section = Trimmed(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Kind::Section || !SameName(lines_[i].name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && lines_[end].kind != Kind::Section) ++end;
        return Span{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileText::KeyIn(Span span, std::string_view key) const
{
    key = Trimmed(key);
    for (std::size_t i = span.header + 1; i < span.end; ++i)
        if (lines_[i].kind == Kind::Key && SameName(lines_[i].name, key)) return i;
    return std::nullopt;
}

std::optional<std::string> ProfileText::Find(std::string_view section, std::string_view key) const
{
    auto span = FirstSection(section);
    if (!span) return std::nullopt;
    auto at = KeyIn(*span, key);
    if (!at) return std::nullopt;
    const Line& line = lines_[*at];
    return line.body.substr(line.valueAt);
}

void ProfileText::EndLine(Line& line, const std::string& end)
{
    if (!line.end.empty()) return;
    // A last line ending in CR keeps that CR in its value: a plain LF after it would
    // make the pair a line end.
    line.end = !line.body.empty() && line.body.back() == '\r' ? "\r\n" : end;
}

std::string ProfileText::LineEnd() const
{
    // New lines follow the file's own line ends.
    for (const Line& line : lines_)
        if (!line.end.empty()) return line.end;
    return "\n";
}

void ProfileText::Set(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string end = LineEnd();
    auto span = FirstSection(section);
    if (span) {
        if (auto at = KeyIn(*span, key)) {
            Line& line = lines_[*at];
            line.body = line.body.substr(0, line.valueAt) + std::string(value);
            return;
        }
        std::size_t after = span->header;
        for (std::size_t i = span->header + 1; i < span->end; ++i)
            if (lines_[i].kind == Kind::Key) after = i;
        EndLine(lines_[after], end);
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1),
                      Classify(std::string(Trimmed(key)) + "=" + std::string(value), end));
        return;
    }
    if (!lines_.empty()) EndLine(lines_.back(), end);
    lines_.push_back(Classify("[" + std::string(Trimmed(section)) + "]", end));
    lines_.push_back(Classify(std::string(Trimmed(key)) + "=" + std::string(value), end));
}

bool ProfileText::EraseSection(std::string_view section)
{
    bool erased = false;
    while (auto span = FirstSection(section)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span->header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(span->end));
        erased = true;
    }
    return erased;
}

std::string ProfileText::Render() const
{
    std::string out;
    for (const Line& line : lines_) {
        out += line.body;
        out += line.end;
    }
    return out;
}

}  // namespace platform
