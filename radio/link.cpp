#include "radio/link.h"

#include "radio/hex_text.h"
#include "radio/serial_errors.h"

#include <QElapsedTimer>

bool Link::PrepareFrame(const QString& hex) {
    const auto bytes = bytesOfHex(hex);
    if (!bytes)
        return false;
    PendingFrame = *bytes;
    return true;
}

QString Link::ReplyHex() const {
    return hexOfBytes(ReceivedBytes);
}

void Link::setThreshold(int bytes) {
    if (usable())
        applyThreshold(bytes);
}

void Link::sendPending() {
    if (usable())
        output(PendingFrame);
}

void Link::sendCommand(int threshold) {
    setThreshold(threshold);
    sendPending();
}

void Link::sendAcknowledge() {
    setThreshold(1);
    if (usable())
        output(QByteArray(1, AckOut));
}

void Link::SysDelay(int ms) {
    if (!usable())
        return;
    if (const auto input = receive(ReceivedFlag ? 0 : ms))
        MSComm1Comm(CommEventReceive, *input);
}

void Link::SysDelayFull(int ms) {
    const qint64 end = nowMs() + ms;
    for (qint64 left = ms; left > 0 && usable(); left = end - nowMs()) {
        if (const auto input = receive(int(left)))
            MSComm1Comm(CommEventReceive, *input);
    }
}

bool Link::acknowledged() const {
    return !ReceivedBytes.isEmpty() && ReceivedBytes[0] == AckIn;
}

void Link::MSComm1Comm(int commEvent, const QByteArray& input) {
    if (commEvent != CommEventReceive)
        return;
    ReceivedFlag = true;
    ReceivedBytes = input;
}

qint64 Link::nowMs() const {
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

void Link::fail(const QString& message) {
    if (failure_.isEmpty())
        failure_ = message;
}

bool Link::usable() {
    if (cancelRequested_)
        fail(transferCancelledMessage());
    return !failed();
}
