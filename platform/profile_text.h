#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The lines of an INI text, kept exactly as they came (line ends included), with
// the section and key lines recognised. Edits touch only the lines they concern,
// so comments, blank lines and unknown lines survive a rewrite.
class ProfileText {
public:
    explicit ProfileText(std::string_view content);

    // The text after '=' of the key in the first section of that name.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // Replaces the value where the key stands, or appends the key after the last key
    // line of the section, or appends the section at the end.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with all its lines; false when there was none.
    bool EraseSection(std::string_view section);

    std::string Render() const;

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        std::string body;  // without the line end
        std::string end;   // "\n", "\r\n" or "" on a last line without one
        Kind kind = Kind::Other;
        std::string name;         // section or key name, trimmed
        std::size_t valueAt = 0;  // for a key: where the value starts in body
    };
    struct Span {
        std::size_t header;  // index of the section line
        std::size_t end;     // one past its last line
    };

    static Line Classify(std::string body, std::string end);
    std::optional<Span> FirstSection(std::string_view section) const;
    std::optional<std::size_t> KeyIn(Span span, std::string_view key) const;
    std::string LineEnd() const;
    static void EndLine(Line& line, const std::string& end);

    std::vector<Line> lines_;
};

// ASCII comparison without regard to case, as section and key names are matched.
bool SameName(std::string_view a, std::string_view b);

}  // namespace platform
