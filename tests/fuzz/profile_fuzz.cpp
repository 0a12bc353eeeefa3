// The INI reader in both flavours and its writer: a text reads back as it was
// written, the library's two readers agree, and a written key reads back while
// every other key keeps its value.
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "library/profile_snapshot.h"
#include "platform/profile.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// A folder for the file under test, in memory where the machine offers it.
std::string ScratchFile()
{
    static const std::string path = [] {
        std::string pattern =
            (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/profile-fuzz-XXXXXX");
        const char* folder = mkdtemp(pattern.data());
        return std::string(folder ? folder : "/tmp") + "/setup.cfg";
    }();
    return path;
}

std::string Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return std::string(text);
}

// Section and key names as they appear in the text, to look them all up.
void CollectNames(std::string_view text, std::vector<std::string>& sections, std::vector<std::string>& keys)
{
    while (!text.empty() && sections.size() + keys.size() < 24) {
        const std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string trimmed = Trimmed(line);
        if (!trimmed.empty() && trimmed.front() == '[' && trimmed.find(']') != std::string::npos)
            sections.push_back(Trimmed(std::string_view(trimmed).substr(1, trimmed.find(']') - 1)));
        else if (const std::size_t eq = line.find('='); eq != std::string::npos)
            keys.push_back(Trimmed(std::string_view(line).substr(0, eq)));
    }
}

// The first bytes pick a section, key and value for the write; the rest is the file.
struct Input {
    std::string section, key, value, file;
};

Input Split(const std::uint8_t* data, std::size_t size)
{
    Input input;
    std::string* parts[] = {&input.section, &input.key, &input.value};
    std::size_t at = 0;
    for (std::string* part : parts) {
        if (at >= size) break;
        const std::size_t wanted = data[at++] % 12;
        const std::size_t length = std::min(wanted, size - at);
        part->assign(reinterpret_cast<const char*>(data + at), length);
        at += length;
    }
    input.file.assign(reinterpret_cast<const char*>(data + at), size - at);
    return input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Input input = Split(data, size);
    FUZZ_CHECK(platform::ProfileText(input.file).Render() == input.file);

    const std::string path = ScratchFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << input.file;
    }
    platform::Profile profile(path);
    const signlink::ProfileSnapshot snapshot(input.file);
    std::vector<std::string> sections{input.section};
    std::vector<std::string> keys{input.key};
    CollectNames(input.file, sections, keys);

    std::vector<std::optional<std::string>> before;
    for (const auto& section : sections) {
        for (const auto& key : keys) {
            const auto raw = profile.ReadRaw(section, key);
            before.push_back(raw);
            // The bench's flavour: the text as written.
            FUZZ_CHECK(profile.ReadText(section, key, "\x01") == raw.value_or("\x01"));
            // The library's flavour, read per key and read all at once, agree.
            FUZZ_CHECK(profile.ReadLibText(section, key) == snapshot.Text(section, key));
            const auto number = snapshot.Int(section, key);
            FUZZ_CHECK(profile.ReadLibInt(section, key, -7) == number.value_or(-7));
        }
    }

    if (!profile.Write(input.section, input.key, input.value)) {
        // Refused: the file is as it was.
        FUZZ_CHECK(platform::ReadWholeFile(path) == input.file);
        return 0;
    }
    FUZZ_CHECK(profile.ReadRaw(input.section, input.key) == input.value);
    std::size_t i = 0;
    for (const auto& section : sections) {
        for (const auto& key : keys) {
            const bool written = platform::SameName(Trimmed(section), Trimmed(input.section)) &&
                                 platform::SameName(Trimmed(key), Trimmed(input.key));
            if (!written) FUZZ_CHECK(profile.ReadRaw(section, key) == before[i]);
            ++i;
        }
    }
    return 0;
}
