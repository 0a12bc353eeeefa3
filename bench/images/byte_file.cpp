#include "bench/images/byte_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace images {

std::string WriteByteFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    const auto close = [](std::FILE* f) { std::fclose(f); };
    std::unique_ptr<std::FILE, decltype(close)> file(std::fopen(path.c_str(), "wb"), close);
    if (!file) return std::strerror(errno);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const int writeError = errno;
    const bool closed = std::fclose(file.release()) == 0;
    if (written && closed) return {};
    const std::string reason = std::strerror(written ? errno : writeError);
    std::remove(path.c_str());
    return reason;
}

}  // namespace images
