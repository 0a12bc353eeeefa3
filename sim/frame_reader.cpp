#include "sim/frame_reader.h"

#include "protocol/check_sum.h"

namespace sim {
namespace {

constexpr std::uint8_t kMarker = 0x7E;
constexpr std::uint8_t kEscape = 0x7D;
constexpr std::uint8_t kHighestSecondStartByte = 0x0F;
// Sign id, length and check around the command and data.
constexpr std::size_t kEnvelopeBytes = 6;
constexpr std::size_t kCommandBytes = 4;

}  // namespace

std::vector<ReaderEvent> FrameReader::Feed(std::span<const std::uint8_t> bytes)
{
    std::vector<ReaderEvent> events;
    for (std::uint8_t b : bytes) Step(b, events);
    return events;
}

std::vector<ReaderEvent> FrameReader::FlushUnframed()
{
    std::vector<ReaderEvent> events;
    if (state_ == State::AfterStart) {
        unframed_.push_back(kMarker);
        state_ = State::Outside;
    }
    EmitUnframed(events);
    return events;
}

std::vector<ReaderEvent> FrameReader::Finish()
{
    std::vector<ReaderEvent> events = FlushUnframed();
    if (state_ != State::Outside) {
        events.push_back({ReaderEvent::Kind::BadEnd, raw_, {}});
        state_ = State::Outside;
    }
    raw_.clear();
    body_.clear();
    return events;
}

bool FrameReader::HasPendingUnframed() const { return !unframed_.empty() || state_ == State::AfterStart; }

void FrameReader::EmitUnframed(std::vector<ReaderEvent>& events)
{
    if (unframed_.empty()) return;
    events.push_back({ReaderEvent::Kind::Unframed, std::move(unframed_), {}});
    unframed_.clear();
}

void FrameReader::Step(std::uint8_t byte, std::vector<ReaderEvent>& events)
{
    switch (state_) {
    case State::Outside:
        if (byte == kMarker)
            state_ = State::AfterStart;
        else
            unframed_.push_back(byte);
        return;
    case State::AfterStart:
        if (byte <= kHighestSecondStartByte) {
            EmitUnframed(events);
            raw_ = {kMarker, byte};
            body_.clear();
            badEscape_ = false;
            state_ = State::InFrame;
        } else {
            // A 7E that starts nothing is an ordinary byte outside frames.
            unframed_.push_back(kMarker);
            state_ = State::Outside;
            Step(byte, events);
        }
        return;
    case State::InFrame:
        raw_.push_back(byte);
        if (byte == kMarker)
            state_ = State::AfterEnd;
        else if (byte == kEscape)
            state_ = State::AfterEscape;
        else
            body_.push_back(byte);
        break;
    case State::AfterEscape:
        raw_.push_back(byte);
        if (byte == kMarker) {
            badEscape_ = true;
            state_ = State::AfterEnd;
        } else {
            body_.push_back(byte == 0x01 ? kEscape : kMarker);
            state_ = State::InFrame;
        }
        break;
    case State::AfterEnd:
        if (byte == 0x00) {
            raw_.push_back(byte);
            CompleteFrame(events);
            state_ = State::Outside;
            raw_.clear();
        } else {
            events.push_back({ReaderEvent::Kind::BadEnd, raw_, {}});
            raw_.clear();
            // The 7E may have been the start of the next frame rather than an end.
            if (byte <= kHighestSecondStartByte) {
                raw_ = {kMarker, byte};
                body_.clear();
                badEscape_ = false;
                state_ = State::InFrame;
            } else {
                state_ = State::Outside;
                Step(byte, events);
            }
        }
        return;
    }
    if (raw_.size() > kMaxRawFrame) {
        events.push_back({ReaderEvent::Kind::BadLength, std::move(raw_), {}});
        raw_.clear();
        body_.clear();
        state_ = State::Outside;
    }
}

void FrameReader::CompleteFrame(std::vector<ReaderEvent>& events)
{
    ReaderEvent event{ReaderEvent::Kind::Frame, raw_, {}};
    if (badEscape_) {
        event.kind = ReaderEvent::Kind::BadEscape;
        events.push_back(std::move(event));
        return;
    }
    const std::size_t size = body_.size();
    const std::size_t length = size >= 4 ? (std::size_t{body_[2]} << 8 | body_[3]) : 0;
    if (size < kEnvelopeBytes + kCommandBytes || length != size - kEnvelopeBytes) {
        event.kind = ReaderEvent::Kind::BadLength;
        events.push_back(std::move(event));
        return;
    }
    const std::uint8_t checkHigh = body_[size - 2];
    const std::uint8_t checkLow = body_[size - 1];
    if (!(checkHigh == 0xFF && checkLow == 0xFF)) {
        const std::uint16_t sum = protocol::FrameCheckSum(std::span(body_).first(size - 2));
        if (checkHigh != (sum >> 8) || checkLow != (sum & 0xFF)) {
            event.kind = ReaderEvent::Kind::BadCheck;
            events.push_back(std::move(event));
            return;
        }
    }
    event.request.signId = static_cast<std::uint16_t>(body_[0] << 8 | body_[1]);
    event.request.command.assign(body_.begin() + 4, body_.begin() + 4 + kCommandBytes);
    event.request.data.assign(body_.begin() + 4 + kCommandBytes, body_.end() - 2);
    events.push_back(std::move(event));
}

}  // namespace sim
