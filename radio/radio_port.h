#pragma once

#include <QSerialPort>
#include <QString>

// Opening and watching a serial port the way the radio needs it, shared by the
// event-driven serial control and the blocking link.

// Opens the device at 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control,
// for exclusive use, and throws away whatever input was waiting. Modem lines the
// device refuses to set (pseudo-terminals do) are no fault. Returns the reason in
// words for the user when it cannot be opened, else the empty text.
QString openRadioPort(QSerialPort& port, const QString& device);

// An error after which the port is of no further use: the device went away or reading
// from it failed. The port must be closed at once, or it keeps raising errors.
bool isPortLost(QSerialPort::SerialPortError error);
