#include "bench/events/send_event_frame.h"

#include <string>

#include "bench/fields/sign_id.h"
#include "bench/shell/bench_host.h"

namespace events {

bool SendEventFrame(shell::BenchHost& host, const EventCommand& command)
{
    const fields::SignIdField id = fields::ParseSignId(host.SignIdText());
    if (!id.value) {
        host.ConversionError(id.error);
        return false;
    }
    const auto frame = EventFrameText(*id.value, command);
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
