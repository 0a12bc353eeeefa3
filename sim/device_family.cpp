#include "sim/device_family.h"

#include <algorithm>
#include <cstring>
#include <iostream>

namespace sim {
namespace {

using namespace std::chrono;

std::optional<int> FromBcd(std::uint8_t byte)
{
    const int high = byte >> 4;
    const int low = byte & 0x0F;
    if (high > 9 || low > 9) return std::nullopt;
    return high * 10 + low;
}

long long SecondsOf(const DeviceFamily::Civil& civil)
{
    const sys_days date{year{civil.year} / month{static_cast<unsigned>(civil.month)} /
                        day{static_cast<unsigned>(civil.day)}};
    return date.time_since_epoch().count() * 86400LL + civil.hour * 3600LL + civil.minute * 60LL +
           civil.second;
}

DeviceFamily::Civil CivilOf(long long seconds)
{
    const sys_days date{days{seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400}};
    const long long inDay = seconds - date.time_since_epoch().count() * 86400LL;
    const year_month_day ymd{date};
    return {static_cast<int>(ymd.year()),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(inDay / 3600),
            static_cast<int>(inDay / 60 % 60),
            static_cast<int>(inDay % 60),
            static_cast<int>(weekday{date}.c_encoding())};
}

}  // namespace

DeviceFamily::DeviceFamily(const SimOptions& options, Now now) : now_(std::move(now))
{
    setAt_ = now_();
    setSeconds_ = duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
    countdownMark_ = setAt_;
    adc_ = std::array<std::uint16_t, 3>{0, 0, 0};
    if (const auto it = options.find(kAdcOption); it != options.end()) {
        adc_ = ParseAdc(it->second);
        if (!adc_)
            std::cerr << "signsim: --adc wants A1,A2,A3 (each 0 to 65535), not \"" << it->second
                      << "\"; GADC is refused\n";
    }
}

std::optional<std::array<std::uint16_t, 3>> DeviceFamily::ParseAdc(const std::string& text)
{
    std::array<std::uint16_t, 3> readings{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const std::size_t end = i + 1 < readings.size() ? text.find(',', at) : text.size();
        if (end == std::string::npos || end == at || end - at > 5) return std::nullopt;
        long value = 0;
        for (std::size_t k = at; k < end; ++k) {
            if (text[k] < '0' || text[k] > '9') return std::nullopt;
            value = value * 10 + (text[k] - '0');
        }
        if (value > 65535) return std::nullopt;
        readings[i] = static_cast<std::uint16_t>(value);
        at = end + 1;
    }
    return readings;
}

Reply DeviceFamily::Ack(std::vector<std::uint8_t> data) const
{
    Reply reply;
    reply.data = std::move(data);
    reply.delayMs = replyDelayMs_;
    return reply;
}

std::optional<Reply> DeviceFamily::Handle(const Request& request)
{
    const std::string& command = request.command;
    static const char* const kMine[] = {"TIME", "TCNT", "BRIG", "BAUD", "PWON",
                                        "STID", "UPDT", "QVER", "GADC", "BEEP"};
    if (std::none_of(std::begin(kMine), std::end(kMine), [&](const char* c) { return command == c; }))
        return std::nullopt;
    // The update loader listens for nothing but "a2" and another UPDT.
    if (updating_ && command != "UPDT") return Reply{{}, true};

    const std::vector<std::uint8_t>& data = request.data;
    if (command == "TIME") return OnTime(data);
    if (command == "TCNT") return OnCountdown(data);
    if (command == "QVER") return OnVersion();
    if (command == "GADC") return OnAnalogue();
    if (command == "BEEP") return OnBeep(data);
    if (command == "UPDT") {
        updating_ = true;
        return Ack();
    }
    if (command == "BRIG") {
        if (data.size() < 3 || data[0] != 0x04 || data[1] > 1 || (data[1] == 0 && data[2] > 7))
            return Ack({kStatusRejected});
        brightnessAuto_ = data[1] == 0x01;
        if (!brightnessAuto_) brightnessLevel_ = data[2];
        return Ack();
    }
    if (command == "BAUD") {
        static constexpr std::uint8_t kCodes[] = {0x31, 0x32, 0x34, 0x36, 0x3C};
        if (data.size() < 2 || std::find(std::begin(kCodes), std::end(kCodes), data[0]) == std::end(kCodes))
            return Ack({kStatusRejected});
        // The answer to BAUD still comes the old way; the new settings hold from the next request.
        Reply reply = Ack();
        baudRate_ = (data[0] - 0x30) * 9600;
        replyDelayMs_ = data[1];
        return reply;
    }
    if (command == "PWON") {
        if (data.empty() || (data[0] != 0x00 && data[0] != 0x02 && data[0] != 0x03))
            return Ack({kStatusRejected});
        if (data[0] == 0x02) powerOn_ = true;
        if (data[0] == 0x03) powerOn_ = false;
        return Ack({0x00, static_cast<std::uint8_t>(powerOn_ ? 0x01 : 0x00)});
    }
    // STID
    if (data.empty() || (data[0] != 0x10 && data[0] != 0x11)) return Ack({kStatusRejected});
    showingId_ = data[0] == 0x11;
    return Ack();
}

bool DeviceFamily::HandleUnframed(std::span<const std::uint8_t> bytes)
{
    if (!updating_) return false;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == 'a' && bytes[i + 1] == '2') {
            updating_ = false;
            return true;
        }
    }
    return false;
}

Reply DeviceFamily::OnTime(const std::vector<std::uint8_t>& data)
{
    if (data.size() < 10 || data[0] != 0x01 || data[1] != 0x08) return Ack({kStatusRejected});
    std::array<int, 6> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto value = FromBcd(data[2 + i]);
        if (!value) return Ack({kStatusRejected});
        fields[i] = *value;
    }
    Civil civil{2000 + fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], 0};
    const year_month_day ymd{year{civil.year}, month{static_cast<unsigned>(civil.month)},
                             day{static_cast<unsigned>(civil.day)}};
    if (!ymd.ok() || civil.hour > 23 || civil.minute > 59 || civil.second > 59) return Ack({kStatusRejected});
    setSeconds_ = SecondsOf(civil);
    setAt_ = now_();
    return Ack();
}

DeviceFamily::Civil DeviceFamily::ClockNow() const
{
    return CivilOf(setSeconds_ + duration_cast<seconds>(now_() - setAt_).count());
}

DeviceFamily::Countdown DeviceFamily::CountdownNow() const
{
    Countdown now = countdown_;
    if (now.state == CountdownState::Running) {
        const long long elapsed = duration_cast<seconds>(now_() - countdownMark_).count();
        now.remainingSeconds = static_cast<int>(std::max(0LL, now.remainingSeconds - elapsed));
    }
    return now;
}

Reply DeviceFamily::OnCountdown(const std::vector<std::uint8_t>& data)
{
    if (data.size() < 4 || data[0] > 3) return Ack({kStatusRejected});
    switch (data[0]) {
        case 0: {
            const auto h = FromBcd(data[1]);
            const auto m = FromBcd(data[2]);
            const auto s = FromBcd(data[3]);
            if (!h || !m || !s || *m > 59 || *s > 59) return Ack({kStatusRejected});
            countdown_ = {CountdownState::Stopped, *h * 3600 + *m * 60 + *s, *h * 3600 + *m * 60 + *s};
            break;
        }
        case 1:
            countdown_ = CountdownNow();
            countdown_.state = CountdownState::Running;
            countdownMark_ = now_();
            break;
        case 2:
            countdown_ = CountdownNow();
            if (countdown_.state == CountdownState::Running) countdown_.state = CountdownState::Paused;
            break;
        default:
            countdown_.state = CountdownState::Stopped;
            countdown_.remainingSeconds = countdown_.loadedSeconds;
            break;
    }
    return Ack();
}

Reply DeviceFamily::OnVersion() const
{
    // Reply offset o lies at data index o - 10.
    std::vector<std::uint8_t> data(82 + 16 - 10, 0x00);
    auto put = [&](std::size_t offset, const char* text, std::size_t most) {
        std::memcpy(&data[offset - 10], text, std::min(std::strlen(text), most));
    };
    put(16, kArmVersion, 16);
    put(32, kSubVersion, 8);
    put(40, kAvrVersion, 8);
    put(82, kBoardName, 16);
    return Ack(std::move(data));
}

Reply DeviceFamily::OnAnalogue() const
{
    if (!adc_) return Ack({kStatusRejected});
    std::vector<std::uint8_t> data{0x00};
    for (std::uint16_t reading : *adc_) {
        data.push_back(static_cast<std::uint8_t>(reading & 0xFF));
        data.push_back(static_cast<std::uint8_t>(reading >> 8));
    }
    return Ack(std::move(data));
}

Reply DeviceFamily::OnBeep(const std::vector<std::uint8_t>& data)
{
    if (data.size() < 2) return Ack({kStatusRejected});
    switch (data[0]) {
        case 0:
            beeper_.lastBeepMs = data[1];
            ++beeper_.beeps;
            return Ack();
        case 1:
            beeper_.on = true;
            return Ack();
        case 2:
            beeper_.on = false;
            return Ack();
        default:
            // Mode 3 and any other: the beeper's state at offset 11.
            return Ack({0x00, static_cast<std::uint8_t>(beeper_.on ? 0x01 : 0x00)});
    }
}

}  // namespace sim
