#include "radio/sim/sim_radio.h"

namespace {
const QByteArray kHandshakeRequest = QByteArray::fromHex("02515542746F7A");
const QByteArray kHandshakeReply = QByteArray::fromHex("0620706172766578");
const QByteArray kWrongHandshakeReply = QByteArray::fromHex("0620504152564558");
const QByteArray kJunk = QByteArray::fromHex("55AA");
constexpr char kAck = 0x06;
constexpr char kRead = 0x52;
constexpr char kWrite = 0x57;
constexpr char kEnd = 0x64;
constexpr char kEndSecond = 0x6F;
constexpr char kHandshake = 0x02;
constexpr unsigned char kGarbageMask = 0x5A;

// The length of each frame by its first byte.
struct FrameKind {
    char lead;
    int length;
};
constexpr FrameKind kFrames[] = {{kHandshake, 7}, {kAck, 1}, {kRead, 4}, {kWrite, 12}, {kEnd, 2}};

int addressOf(const QByteArray& frame) {
    return (static_cast<unsigned char>(frame[1]) << 8) | static_cast<unsigned char>(frame[2]);
}
} // namespace

SimRadio::SimRadio(SimMemory& memory, const SimFaults& faults) : memory_(memory), faults_(faults) {}

std::vector<SimStep> SimRadio::feed(const QByteArray& bytes) {
    input_ += bytes;
    std::vector<SimStep> steps;
    for (int length = frameLength(); length >= 0 && !input_.isEmpty(); length = frameLength())
        steps.push_back(take(length));
    return steps;
}

int SimRadio::frameLength() const {
    if (input_.isEmpty())
        return -1;
    const char lead = input_[0];
    if (!session_ && lead != kHandshake)
        return 0;
    for (const FrameKind& kind : kFrames) {
        if (kind.lead != lead)
            continue;
        if (input_.size() < kind.length)
            return -1;
        // A 0x02 that does not start the request is line noise, not a handshake.
        return lead == kHandshake && !input_.startsWith(kHandshakeRequest) ? 0 : kind.length;
    }
    return 0;
}

SimStep SimRadio::take(int length) {
    SimStep step;
    const bool frame = length > 0;
    step.received = input_.left(frame ? length : 1);
    input_.remove(0, step.received.size());
    step.isFrame = frame;
    if (!step.isFrame)
        return step;
    ++frames_;
    // The cable is pulled when the frame after the last served one comes in.
    step.hangup = faults_.hangupAfter >= 0 && frames_ > faults_.hangupAfter;
    if (step.hangup)
        return step;
    const QByteArray reply = answer(step.received, step);
    const bool stopped = faults_.stopAfter >= 0 && frames_ > faults_.stopAfter;
    if (!faults_.silent && !stopped)
        step.answer = reply;
    return step;
}

QByteArray SimRadio::answer(const QByteArray& frame, SimStep& step) {
    switch (frame[0]) {
    case kHandshake:
        session_ = true;
        if (faults_.badHandshake)
            return kWrongHandshakeReply;
        return faults_.extraBytes ? kHandshakeReply + kJunk : kHandshakeReply;
    case kAck:
        return faults_.noAck ? QByteArray() : QByteArray(1, kAck);
    case kRead:
        return frame[3] == SimMemory::BlockSize ? readReply(addressOf(frame)) : QByteArray();
    case kWrite:
        if (frame[3] != SimMemory::BlockSize || !memory_.holdsBlock(addressOf(frame)))
            return {};
        memory_.setBlock(addressOf(frame), frame.mid(4));
        return faults_.noAck ? QByteArray() : QByteArray(1, kAck);
    case kEnd:
        if (frame[1] != kEndSecond)
            return {};
        session_ = false;
        step.end = true;
        return {};
    }
    return {};
}

QByteArray SimRadio::readReply(int address) const {
    if (!memory_.holdsBlock(address))
        return {};
    QByteArray data = memory_.block(address);
    if (faults_.garbage) {
        for (char& byte : data)
            byte = char(static_cast<unsigned char>(byte) ^ kGarbageMask);
    }
    // The four header bytes echo the command; the host does not look at them.
    return QByteArray(1, kWrite) + char(address >> 8) + char(address & 0xFF) +
           char(SimMemory::BlockSize) + data;
}
