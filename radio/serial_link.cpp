#include "radio/serial_link.h"

#include "radio/radio_port.h"
#include "radio/serial_errors.h"

#include <QDeadlineTimer>
#include <algorithm>

namespace {
// The longest a wait sleeps before looking at the cancel request; data wake it at once.
constexpr int kCancelSliceMs = 50;
// How much longer than their time on the line the bytes may take to leave.
constexpr int kDrainMarginMs = 300;

// Milliseconds the bytes take on the line at 9600 baud, ten bits each.
qint64 lineTimeMs(qsizetype bytes) {
    return qint64(bytes) * 10 * 1000 / 9600 + 1;
}
} // namespace

SerialLink::SerialLink() : port_(std::make_unique<QSerialPort>()) {
    // Left open, a vanished device raises its error again and again, keeping an idle
    // worker busy. Queued: during an exchange the waits see the loss themselves.
    QObject::connect(
        port_.get(), &QSerialPort::errorOccurred, port_.get(),
        [this](QSerialPort::SerialPortError error) {
            if (isPortLost(error) && port_->isOpen())
                lose();
        },
        Qt::QueuedConnection);
}

SerialLink::~SerialLink() = default;

bool SerialLink::open(const QString& device) {
    device_ = device;
    const QString problem = openRadioPort(*port_, device);
    if (!problem.isEmpty())
        fail(problem);
    return problem.isEmpty();
}

void SerialLink::close() {
    port_->close();
}

bool SerialLink::isOpen() const {
    return port_->isOpen();
}

void SerialLink::applyThreshold(int bytes) {
    threshold_ = std::max(1, bytes);
}

void SerialLink::output(const QByteArray& bytes) {
    if (!port_->isOpen())
        return fail(portNotOpenMessage());
    if (port_->write(bytes) != bytes.size())
        return fail(sendFailedMessage(device_, port_->errorString()));
    // A reply cannot come before the command has left; a line that takes them far
    // longer than their time on the wire has stopped.
    const QDeadlineTimer deadline(lineTimeMs(bytes.size()) + kDrainMarginMs);
    while (port_->bytesToWrite() > 0 && !cancelRequested()) {
        if (deadline.hasExpired())
            return fail(sendFailedMessage(device_, port_->errorString()));
        if (!port_->waitForBytesWritten(kCancelSliceMs) && isPortLost(port_->error()))
            return lose();
    }
}

std::optional<QByteArray> SerialLink::receive(int ms) {
    const QDeadlineTimer deadline(std::max(0, ms));
    while (port_->isOpen() && !cancelRequested()) {
        if (port_->bytesAvailable() >= threshold_)
            return port_->readAll();
        const int left = int(deadline.remainingTime());
        if (left <= 0)
            break;
        if (!port_->waitForReadyRead(std::min(left, kCancelSliceMs)) &&
            isPortLost(port_->error())) {
            lose();
            break;
        }
    }
    if (cancelRequested())
        fail(transferCancelledMessage());
    return std::nullopt;
}

void SerialLink::lose() {
    port_->close();
    fail(deviceLostMessage(device_));
}
