#include "bench/fonts/font_folder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace fonts {
namespace {

namespace fs = std::filesystem;

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    const auto fold = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return fold(x) == fold(y); });
    if (mismatch.first == a.end() || mismatch.second == b.end()) {
        if (a.size() != b.size()) return a.size() < b.size();
        return a < b;  // names that differ in case only keep one order
    }
    return static_cast<unsigned char>(fold(*mismatch.first)) <
           static_cast<unsigned char>(fold(*mismatch.second));
}

}  // namespace

std::vector<std::string> PlainFiles(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.') continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

FileRows ScanFontFolder(const std::string& folder)
{
    FileRows rows;
    const fs::path base(folder);
    for (const std::string& name : PlainFiles(folder)) {
        std::vector<std::uint8_t> head(kHeaderBytes);
        std::uint64_t size = 0;
        std::ifstream file(base / name, std::ios::binary);
        if (file) {
            file.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
            head.resize(static_cast<std::size_t>(file.gcount()));
            std::error_code error;
            size = fs::file_size(base / name, error);
            if (error) size = 0;
        } else {
            head.clear();
        }
        rows.push_back(MakeFileRow(static_cast<int>(rows.size()) + 1, name, size, head));
    }
    return rows;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace fonts
