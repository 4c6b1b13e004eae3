#include "radio/serial_errors.h"

#include "i18n/program_texts.h"

#include <QFile>
#include <QFileInfo>
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {
bool accessible(const QString& device) {
#ifdef Q_OS_WIN
    const QFileInfo info(device);
    return info.isReadable() && info.isWritable();
#else
    return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
#endif
}
} // namespace

QString describeOpenError(const QString& device, QSerialPort::SerialPortError error,
                          const QString& systemText, bool accessibleToUs) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return programText(
                   ProgramText::DeviceMissing,
                   "The serial device %1 does not exist. Is the programming cable plugged in?")
            .arg(device);
    case QSerialPort::PermissionError:
        if (accessibleToUs)
            return programText(ProgramText::DeviceBusy,
                               "The serial device %1 is in use by another program. Close that "
                               "program, then try again.")
                .arg(device);
        return programText(
                   ProgramText::DevicePermission,
                   "You have no permission to use the serial device %1. Add your user to the "
                   "dialout group (sudo adduser $USER dialout), then log out and log in again.")
            .arg(device);
    default:
        return programText(ProgramText::DeviceOpenFailed,
                           "The serial device %1 cannot be opened: %2")
            .arg(device, systemText);
    }
}

QString describeOpenError(const QString& device, QSerialPort::SerialPortError error,
                          const QString& systemText) {
    return describeOpenError(device, error, systemText, accessible(device));
}

QString deviceLostMessage(const QString& device) {
    return programText(
               ProgramText::DeviceLost,
               "The connection to the radio on %1 was lost. Check that the programming cable "
               "is plugged in, then try again.")
        .arg(device);
}

QString sendFailedMessage(const QString& device, const QString& systemText) {
    return programText(ProgramText::SendFailed, "Sending to the radio on %1 failed: %2")
        .arg(device, systemText);
}

QString transferCancelledMessage() {
    return programText(ProgramText::TransferStopped, "The transfer was stopped.");
}

QString portNotOpenMessage() {
    return programText(ProgramText::PortNotOpen, "The serial port is not open.");
}
