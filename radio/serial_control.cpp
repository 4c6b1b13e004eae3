#include "radio/serial_control.h"

#include "radio/radio_port.h"
#include "radio/serial_errors.h"

SerialControl::SerialControl(QObject* parent) : QObject(parent), port_(this) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialControl::dataArrived);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialControl::portError);
}

bool SerialControl::setPortOpen(bool open) {
    lastError_.clear();
    if (!open) {
        port_.close();
        return true;
    }
    if (port_.isOpen())
        return true;
    lastError_ = openRadioPort(port_, device());
    return lastError_.isEmpty();
}

void SerialControl::setRThreshold(int bytes) {
    threshold_ = bytes;
    // Bytes already buffered count towards the new threshold; the event still comes
    // from the event loop, never from inside this call.
    if (port_.isOpen() && port_.bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &SerialControl::dataArrived, Qt::QueuedConnection);
}

bool SerialControl::Output(const QByteArray& bytes) {
    if (notOpen())
        return false;
    if (port_.write(bytes) != bytes.size()) {
        lastError_ = sendFailedMessage(device(), port_.errorString());
        return false;
    }
    return true;
}

bool SerialControl::OutputText(const QString& text) {
    return Output(text.toLatin1());
}

QByteArray SerialControl::Input() {
    return port_.isOpen() ? port_.readAll() : QByteArray();
}

void SerialControl::dataArrived() {
    // A threshold of 0 disables the receive event.
    if (threshold_ <= 0 || port_.bytesAvailable() < threshold_)
        return;
    commEvent_ = CommEventReceive;
    emit OnComm();
}

void SerialControl::portError(QSerialPort::SerialPortError error) {
    if (!isPortLost(error) || !port_.isOpen())
        return;
    // Left open, a vanished device raises this error again and again.
    port_.close();
    lastError_ = deviceLostMessage(device());
    emit linkLost(lastError_);
}

bool SerialControl::notOpen() {
    if (port_.isOpen())
        return false;
    lastError_ = portNotOpenMessage();
    return true;
}
