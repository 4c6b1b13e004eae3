#pragma once

#include "radio/sim/sim_memory.h"
#include "radio/sim/sim_options.h"

#include <QByteArray>
#include <vector>

// One thing the simulated radio took from the line, and what it does about it.
struct SimStep {
    QByteArray received; // a whole frame, or bytes that were no frame
    bool isFrame = true; // false for bytes that were dropped
    QByteArray answer;   // bytes to send back, possibly none
    bool end = false;    // the end command: the session is over
    bool hangup = false; // close the line after the answer
};

// The radio's side of the conversation, without any line: bytes in, answers out.
// Outside a session opened by the handshake it answers nothing but the handshake.
class SimRadio {
public:
    SimRadio(SimMemory& memory, const SimFaults& faults);

    // Takes bytes from the line; returns the frames they completed, in order. Bytes of
    // an incomplete frame wait for the rest.
    std::vector<SimStep> feed(const QByteArray& bytes);

    bool inSession() const { return session_; }

private:
    // The length of the frame at the head of the input, 0 for no frame, -1 when more
    // bytes are needed.
    int frameLength() const;
    SimStep take(int length);
    QByteArray answer(const QByteArray& frame, SimStep& step);
    QByteArray readReply(int address) const;

    SimMemory& memory_;
    SimFaults faults_;
    QByteArray input_;
    bool session_ = false;
    int frames_ = 0;
};
