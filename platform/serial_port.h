#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace platform {

// One open serial device (a real port or a pseudo-terminal) in raw 8N1 mode.
// Closed when the object goes away.
class SerialPort {
public:
    // Opens and configures the device; nullopt when it cannot be opened.
    static std::optional<SerialPort> Open(const std::string& device, int baudRate);

    SerialPort(SerialPort&& other) noexcept;
    SerialPort& operator=(SerialPort&& other) noexcept;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;
    ~SerialPort();

    // Writes all bytes; false on an error.
    bool Write(std::span<const std::uint8_t> bytes);
    // One byte, or nullopt when none came within timeoutMs.
    std::optional<std::uint8_t> ReadByte(int timeoutMs);
    // Discards pending input and output.
    void Flush();

private:
    explicit SerialPort(int fd) : fd_(fd) {}
    int fd_ = -1;
    int rate_ = 9600;  // bits per second, to size the write limit
};

// Bits per second for a speed code of the serial-port library (10 = 4800 ...
// 19 = 921600); 9600 for a code outside the table.
int RateForSpeedCode(int code);
// The speed code of a rate from the same table; fallback for a rate the table does
// not hold or one below slowestRate (the bench offers nothing below 9600).
int SpeedCodeForRate(long long rate, int fallback, long long slowestRate = 0);

}  // namespace platform
