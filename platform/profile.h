#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/atomic_file.h"
#include "platform/profile_text.h"

namespace platform {

// An INI file on disk: [Section] lines and Key=Value lines. Section and key names
// match without regard to case; other lines and comments are kept. Nothing is
// cached: every call reads the file, and every change is on disk (written to a
// temporary file and renamed over the old one) when the call returns.
class ProfileChange;
class Profile {
public:
    explicit Profile(std::string path);

    const std::string& Path() const { return path_; }
    bool Exists() const;

    // The raw text after '=' (nothing stripped), or nullopt when the key is absent.
    std::optional<std::string> ReadRaw(std::string_view section, std::string_view key) const;

    // The bench's flavour: text as written; integers in decimal or "0x" hex, a value
    // that is not a number gives the default.
    std::string ReadText(std::string_view section, std::string_view key, std::string_view fallback) const;
    long long ReadInt(std::string_view section, std::string_view key, long long fallback) const;

    // The library's flavour: values trimmed of blanks and of one pair of enclosing
    // double quotes; "@" counts as absent; integers decimal, else the default.
    std::optional<std::string> ReadLibText(std::string_view section, std::string_view key) const;
    long long ReadLibInt(std::string_view section, std::string_view key, long long fallback) const;

    // Replaces the key's value where it stands, or appends it at the end of its
    // section (creating the section at the end of the file, and the file). False
    // when the file could not be written; the old file is then left as it was.
    bool Write(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, long long value);

    // Removes the section line and all its keys (every section of that name).
    bool EraseSection(std::string_view section);

    // Several changes as one: `change` reads and edits the file's text in memory, and
    // the result replaces the file once, so a kill or a failed write leaves the old
    // file or the new one, never a part of the change. False, with the file as it
    // was, when it cannot be read or written or a change was refused.
    bool Update(const std::function<void(ProfileChange&)>& change);

private:
    std::string path_;
};

// The file's text while a Profile::Update runs: reads see the changes made so far.
class ProfileChange {
public:
    explicit ProfileChange(ProfileText& text) : text_(text) {}

    std::optional<std::string> ReadRaw(std::string_view section, std::string_view key) const;
    // The bench's flavour, as Profile::ReadInt.
    long long ReadInt(std::string_view section, std::string_view key, long long fallback) const;

    // A name or value that would change the shape of the file refuses the whole change.
    void Write(std::string_view section, std::string_view key, std::string_view value);
    void WriteInt(std::string_view section, std::string_view key, long long value);

    bool Refused() const { return refused_; }

private:
    ProfileText& text_;
    bool refused_ = false;
};

}  // namespace platform
