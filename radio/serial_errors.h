#pragma once

#include <QSerialPort>
#include <QString>

// Turns a failure to open a serial device into words a user can act on.
QString describeOpenError(const QString& device, QSerialPort::SerialPortError error,
                          const QString& systemText);
