#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bench/links/monitor.h"

namespace platform {
class Profile;
}

namespace links {

// A scan lists at most this many ports, like the window's PortNames and PortNumbers.
inline constexpr std::size_t kMaxScannedPorts = 49;
// [SERIALPORTS] keys COM1 to COM255 are read; the highest number a port is given.
inline constexpr int kHighestPortNumber = 255;
inline constexpr const char* kSerialPortsSection = "SERIALPORTS";

// A serial device the system offers: its device node after links are followed
// (/dev/ttyUSB0), and the name to write into a new mapping (a /dev/serial/by-id
// link when there is one, so the number follows the adapter, else the node).
struct PresentDevice {
    std::string device;
    std::string stableName;
};

// One COM<n>=PATH line of [SERIALPORTS]; resolved is the device the path leads to,
// empty when nothing exists there (an adapter that is unplugged keeps its number).
struct MappedPort {
    int number = 0;
    std::string path;
    std::optional<std::string> resolved;
};

struct ScannedPort {
    std::string name;  // "COM3"
    int number = 0;
    std::string device;
};

struct PortScan {
    std::vector<ScannedPort> ports;                        // by number, at most 49
    std::vector<std::pair<int, std::string>> newMappings;  // COM<n>=PATH to write
};

// The ports a scan lists: mapped paths that exist under their numbers; a present
// /dev/ttyS<k> under k+1 (the number that opens it without a mapping) unless that
// number is mapped elsewhere; every other present device under the lowest number
// that is neither mapped nor taken, with a new mapping to write. Present devices
// are taken in the order given; numbers above 255 are never handed out.
PortScan ScanSerialPorts(const std::vector<PresentDevice>& present, const std::vector<MappedPort>& mapped);

// Where the system shows its serial devices; tests point both at a fixture folder.
struct PortSource {
    std::string sysClassTty = "/sys/class/tty";
    std::string devFolder = "/dev";
};

// Real serial devices: ttyS* bound to a driver whose port type is known (not 0),
// ttyUSB* and ttyACM* bound to a device, each with its node in devFolder. Sorted by
// name, numbers compared as numbers (ttyUSB2 before ttyUSB10).
std::vector<PresentDevice> ListSerialDevices(const PortSource& source);

// [SERIALPORTS] COM1 to COM255 of the settings file, each with what its path leads to.
std::vector<MappedPort> ReadPortMap(const platform::Profile& settings);

// Lists, maps and writes the new mappings. A mapping that cannot be written is
// reported in error; the scan still lists the port.
struct PortScanRun {
    PortScan scan;
    std::string error;
};
PortScanRun RunPortScan(const PortSource& source, platform::Profile& settings);

// The FOUND line (names, each followed by a space) and the PORT# line (numbers,
// each followed by a space) with the separator.
void LogPortScan(Monitor& monitor, const std::vector<ScannedPort>& ports);

}  // namespace links
