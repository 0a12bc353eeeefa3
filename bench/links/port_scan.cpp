#include "bench/links/port_scan.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

#include "platform/profile.h"
#include "platform/profile_text.h"

namespace links {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDefaultPrefix = "/dev/ttyS";

// k for a node /dev/ttyS<k>, the port that opens it when COM<k+1> is not mapped.
std::optional<int> DefaultIndex(const std::string& device)
{
    if (device.rfind(kDefaultPrefix, 0) != 0) return std::nullopt;
    const std::string digits = device.substr(kDefaultPrefix.size());
    if (digits.empty() || digits.size() > 5 || !std::all_of(digits.begin(), digits.end(), ::isdigit))
        return std::nullopt;
    return std::stoi(digits);
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The name's prefix and its number, so ttyUSB2 sorts before ttyUSB10.
std::pair<std::string, long> NaturalKey(const std::string& name)
{
    std::size_t split = name.size();
    while (split > 0 && std::isdigit(static_cast<unsigned char>(name[split - 1]))) --split;
    const std::string digits = name.substr(split);
    return {name.substr(0, split), digits.empty() ? -1 : std::stol(digits.substr(0, 9))};
}

std::optional<std::string> Resolve(const std::string& path)
{
    std::error_code error;
    if (!fs::exists(path, error)) return std::nullopt;
    const fs::path resolved = fs::canonical(path, error);
    if (error) return std::nullopt;
    return resolved.string();
}

bool IsRealSerialDevice(const fs::path& entry, const std::string& name)
{
    std::error_code error;
    const auto numbered = [&](std::string_view prefix) {
        return name.size() > prefix.size() && name.rfind(prefix, 0) == 0 &&
               std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(), ::isdigit);
    };
    if (numbered("ttyUSB") || numbered("ttyACM")) return fs::exists(entry / "device", error);
    if (!numbered("ttyS")) return false;
    // The 8250 driver offers placeholder ttyS ports; their port type reads 0.
    if (!fs::exists(entry / "device" / "driver", error)) return false;
    std::ifstream typeFile(entry / "type");
    int type = -1;
    if (typeFile >> type) return type != 0;
    return true;
}

}  // namespace

PortScan ScanSerialPorts(const std::vector<PresentDevice>& present, const std::vector<MappedPort>& mapped)
{
    std::vector<ScannedPort> listed;
    std::set<int> taken;
    std::set<std::string> placed;
    for (const MappedPort& map : mapped) {
        taken.insert(map.number);
        if (map.resolved) {
            listed.push_back({"COM" + std::to_string(map.number), map.number, map.path});
            placed.insert(*map.resolved);
        }
    }

    std::vector<const PresentDevice*> unnumbered;
    for (const PresentDevice& device : present) {
        if (placed.count(device.device)) continue;
        const auto index = DefaultIndex(device.device);
        if (index && !taken.count(*index + 1)) {
            taken.insert(*index + 1);
            listed.push_back({"COM" + std::to_string(*index + 1), *index + 1, device.device});
        } else {
            unnumbered.push_back(&device);
        }
        placed.insert(device.device);
    }

    PortScan scan;
    int next = 1;
    for (const PresentDevice* device : unnumbered) {
        while (next <= kHighestPortNumber && taken.count(next)) ++next;
        if (next > kHighestPortNumber) break;
        taken.insert(next);
        listed.push_back({"COM" + std::to_string(next), next, device->stableName});
        scan.newMappings.emplace_back(next, device->stableName);
    }

    std::stable_sort(listed.begin(), listed.end(),
                     [](const ScannedPort& a, const ScannedPort& b) { return a.number < b.number; });
    if (listed.size() > kMaxScannedPorts) listed.resize(kMaxScannedPorts);
    scan.ports = std::move(listed);
    return scan;
}

std::vector<PresentDevice> ListSerialDevices(const PortSource& source)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(source.sysClassTty, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (IsRealSerialDevice(it->path(), name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return NaturalKey(a) < NaturalKey(b); });

    // Links under serial/by-id name an adapter by its make and serial number.
    std::vector<std::pair<std::string, std::string>> byId;
    const fs::path byIdFolder = fs::path(source.devFolder) / "serial" / "by-id";
    for (fs::directory_iterator it(byIdFolder, error), end; !error && it != end; it.increment(error)) {
        if (auto target = Resolve(it->path().string())) byId.emplace_back(it->path().string(), *target);
    }
    std::sort(byId.begin(), byId.end());

    std::vector<PresentDevice> devices;
    for (const std::string& name : names) {
        const auto node = Resolve((fs::path(source.devFolder) / name).string());
        if (!node) continue;
        PresentDevice device{*node, *node};
        for (const auto& [link, target] : byId) {
            if (target == *node) {
                device.stableName = link;
                break;
            }
        }
        devices.push_back(std::move(device));
    }
    return devices;
}

std::vector<MappedPort> ReadPortMap(const platform::Profile& settings)
{
    std::vector<MappedPort> mapped;
    const auto content = platform::ReadWholeFile(settings.Path());
    if (!content) return mapped;
    const platform::ProfileText text(*content);
    for (int number = 1; number <= kHighestPortNumber; ++number) {
        const auto value = text.Find(kSerialPortsSection, "COM" + std::to_string(number));
        if (!value) continue;
        // A blank value opens the default device, as if the key were absent.
        std::string path = Trimmed(*value);
        if (path.empty()) continue;
        auto resolved = Resolve(path);
        mapped.push_back({number, std::move(path), std::move(resolved)});
    }
    return mapped;
}

PortScanRun RunPortScan(const PortSource& source, platform::Profile& settings)
{
    PortScanRun run{ScanSerialPorts(ListSerialDevices(source), ReadPortMap(settings)), {}};
    if (run.scan.newMappings.empty()) return run;
    // Every new mapping or none: a scan that stops half-way would renumber the rest next time.
    const bool written = settings.Update([&](platform::ProfileChange& change) {
        for (const auto& [number, path] : run.scan.newMappings)
            change.Write(kSerialPortsSection, "COM" + std::to_string(number), path);
    });
    if (!written) {
        const auto& [number, path] = run.scan.newMappings.front();
        run.error = "Cannot write COM" + std::to_string(number) + "=" + path + " to " + settings.Path();
    }
    return run;
}

void LogPortScan(Monitor& monitor, const std::vector<ScannedPort>& ports)
{
    std::string names;
    std::string numbers;
    for (const ScannedPort& port : ports) {
        names += port.name + " ";
        numbers += std::to_string(port.number) + " ";
    }
    MonitorLog(monitor, "FOUND", names, false);
    MonitorLog(monitor, "PORT#", numbers, true);
}

}  // namespace links
