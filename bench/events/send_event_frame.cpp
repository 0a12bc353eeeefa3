#include "bench/events/send_event_frame.h"

#include <string>

#include "bench/fields/integer_field.h"
#include "bench/shell/bench_host.h"

namespace events {

bool SendEventFrame(shell::BenchHost& host, const EventCommand& command)
{
    const fields::IntegerField id = fields::ParseIntegerField(host.SignIdText());
    if (!id.value) {
        host.ConversionError(id.error);
        return false;
    }
    const auto frame = EventFrameText(static_cast<std::uint16_t>(*id.value & 0xFFFF), command);
    if (!frame) {
        host.MonitorLog("ERROR",
                        "EVEN data of " + std::to_string(command.payload.size()) +
                            " bytes do not fit the frame's length byte: not sent",
                        true);
        return false;
    }
    host.SetHexData(*frame);
    host.ShowFrameLayout(0);
    host.BtnSend1Click();
    return true;
}

}  // namespace events
