#include "radio/radio_port.h"

#include "radio/serial_errors.h"

QString openRadioPort(QSerialPort& port, const QString& device) {
    port.setPortName(device);
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite))
        return describeOpenError(device, port.error(), port.errorString());
    // Pseudo-terminals refuse the modem lines; the radio does not need them.
    port.setDataTerminalReady(true);
    port.setRequestToSend(true);
    port.clearError();
    port.clear(QSerialPort::AllDirections);
    port.readAll();
    return {};
}

bool isPortLost(QSerialPort::SerialPortError error) {
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
           error == QSerialPort::WriteError;
}
