#pragma once

#include <QSerialPort>
#include <QString>

// Every text the serial link shows the user, in one place for translation.

// Turns a failure to open a serial device into words a user can act on. Whether the
// device is accessible to us tells "held by another program" (QSerialPort's lock
// file refuses it) from "no permission".
QString describeOpenError(const QString& device, QSerialPort::SerialPortError error,
                          const QString& systemText, bool accessibleToUs);
// The same, finding out whether the device is accessible to us.
QString describeOpenError(const QString& device, QSerialPort::SerialPortError error,
                          const QString& systemText);

// The device went away during a transfer (cable pulled, adapter reset).
QString deviceLostMessage(const QString& device);
// Sending to the radio failed although the port was open.
QString sendFailedMessage(const QString& device, const QString& systemText);
// A transfer was asked to stop (the dialog was closed).
QString transferCancelledMessage();
// A send or wait on a port that is not open.
QString portNotOpenMessage();
