#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "sim/command_family.h"

namespace sim {

// The sign's clock, countdown and device settings: TIME, TCNT, BRIG, BAUD, PWON,
// STID, UPDT (left by the two bytes "a2" outside a frame), QVER, GADC and BEEP.
class DeviceFamily : public CommandFamily {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;

    // The texts QVER answers with; the bench reads them at reply offsets 16, 32, 40
    // and 82, each up to its first zero byte and at most 16, 8, 8 and 16 characters.
    static constexpr const char* kArmVersion = "ARM V4.82";
    static constexpr const char* kSubVersion = "SUB V1.2";
    static constexpr const char* kAvrVersion = "AVR V2.5";
    static constexpr const char* kBoardName = "K77T05 signsim";
    static constexpr const char* kAdcOption = "adc";  // --adc A1,A2,A3: the analogue inputs

    // Status of a request whose data the sign cannot take.
    static constexpr std::uint8_t kStatusRejected = 0x01;

    struct Civil {
        int year = 2000;
        int month = 1;
        int day = 1;
        int hour = 0;
        int minute = 0;
        int second = 0;
        int weekday = 6;  // 0 Sunday
        bool operator==(const Civil&) const = default;
    };

    enum class CountdownState { Stopped, Running, Paused };
    struct Countdown {
        CountdownState state = CountdownState::Stopped;
        int loadedSeconds = 0;
        int remainingSeconds = 0;
    };

    struct Beeper {
        bool on = false;     // turned on with mode 1 until mode 2
        int lastBeepMs = 0;  // the time of the last mode 0 beep
        int beeps = 0;       // how many mode 0 beeps were asked for
    };

    // --adc A1,A2,A3 chooses the three readings GADC answers with (each 0..65535);
    // without it they are 0. A malformed value is reported on standard error and
    // GADC is then refused with status 01.
    explicit DeviceFamily(
        const SimOptions& options, Now now = [] { return Clock::now(); });

    std::optional<Reply> Handle(const Request& request) override;
    bool HandleUnframed(std::span<const std::uint8_t> bytes) override;

    // The state, as a sign's display and panel would show it.
    Civil ClockNow() const;
    Countdown CountdownNow() const;
    bool BrightnessAuto() const { return brightnessAuto_; }
    int BrightnessLevel() const { return brightnessLevel_; }
    int BaudRate() const { return baudRate_; }
    int ReplyDelayMs() const { return replyDelayMs_; }
    bool PowerOn() const { return powerOn_; }
    bool ShowingId() const { return showingId_; }
    bool Updating() const { return updating_; }
    const Beeper& BeeperState() const { return beeper_; }
    std::optional<std::array<std::uint16_t, 3>> Adc() const { return adc_; }

    // "A1,A2,A3" as three readings; nullopt when it is not three numbers 0..65535.
    static std::optional<std::array<std::uint16_t, 3>> ParseAdc(const std::string& text);

private:
    Reply Ack(std::vector<std::uint8_t> data = {0x00}) const;
    Reply OnTime(const std::vector<std::uint8_t>& data);
    Reply OnCountdown(const std::vector<std::uint8_t>& data);
    Reply OnVersion() const;
    Reply OnAnalogue() const;
    Reply OnBeep(const std::vector<std::uint8_t>& data);

    Now now_;
    // The clock: what TIME set, counted on from the moment it was set.
    long long setSeconds_ = 0;  // seconds since 1970-01-01 00:00:00 of the sign's local time
    Clock::time_point setAt_;
    Countdown countdown_;
    Clock::time_point countdownMark_;
    bool brightnessAuto_ = true;
    int brightnessLevel_ = 0;
    int baudRate_ = 57600;
    int replyDelayMs_ = 0;
    bool powerOn_ = true;
    bool showingId_ = false;
    bool updating_ = false;
    Beeper beeper_;
    std::optional<std::array<std::uint16_t, 3>> adc_;
};

}  // namespace sim
