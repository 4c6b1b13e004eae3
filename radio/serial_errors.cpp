#include "radio/serial_errors.h"

QString describeOpenError(const QString& device, QSerialPort::SerialPortError error,
                          const QString& systemText) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("The serial device %1 does not exist. Is the programming cable "
                              "plugged in?")
            .arg(device);
    case QSerialPort::PermissionError:
        return QStringLiteral("You may not use the serial device %1: it is held by another "
                              "program, or you lack permission. To get permission, add your "
                              "user to the dialout group (sudo adduser $USER dialout), then "
                              "log out and in again.")
            .arg(device);
    default:
        return QStringLiteral("The serial device %1 cannot be opened: %2").arg(device, systemText);
    }
}
