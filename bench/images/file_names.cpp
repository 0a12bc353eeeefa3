#include "bench/images/file_names.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "bench/images/ogif_frames.h"

namespace images {

std::string WithExtension(const std::string& path, const std::string& extension)
{
    std::filesystem::path p(path);
    p.replace_extension(extension);
    return p.string();
}

int DownloadTypeIndex(std::string_view path)
{
    std::string upper(path);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper.find(".OGIF") != std::string::npos || upper.find(".OBMP") != std::string::npos) return 0;
    if (upper.find(".XGIF") != std::string::npos) return 1;
    return 2;
}

std::string FileLongText(std::uint64_t size)
{
    return "File Long: " + std::to_string(size) + " Bytes, Total: " + std::to_string(OgifPageCount(size)) +
           " Pages";
}

}  // namespace images
