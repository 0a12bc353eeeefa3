#include "bench/events/event_text.h"

#include "bench/fields/integer_field.h"

namespace events {

EventText ConvertEventText(std::string_view gbk)
{
    EventText out;
    bool inBrace = false;
    std::string digits;  // each gathered byte as the digit its low nibble names
    for (char c : gbk) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (!inBrace) {
            if (byte == '{') {
                inBrace = true;
                digits.clear();
            } else {
                out.bytes.push_back(byte);
            }
        } else if (byte == '{') {
            out.bytes.push_back('{');
            inBrace = false;
        } else if (byte == '}') {
            long long n = 0;
            if (!digits.empty()) {
                const fields::IntegerField field = fields::ParseIntegerField(digits);
                if (!field.value) return {{}, field.error, false};
                n = *field.value;
            }
            if (n > kMaxEventBraceCode) {
                return {{},
                        "Event text: brace code {" + digits + "} is too large by " +
                            std::to_string(n - kMaxEventBraceCode) + " (largest " +
                            std::to_string(kMaxEventBraceCode) + ")",
                        true};
            }
            out.bytes.push_back(static_cast<std::uint8_t>((0x80 + n / 10) & 0xFF));
            out.bytes.push_back(static_cast<std::uint8_t>((0x10 + n % 10) & 0xFF));
            inBrace = false;
        } else if (digits.size() < 10) {
            digits += static_cast<char>('0' + (byte & 0x0F));
        }
    }
    return out;
}

}  // namespace events
