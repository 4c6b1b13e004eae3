#pragma once

#include <QString>
#include <array>

// Which device each of the four ports 1..4 stands for. By default the USB
// programming cables' names (/dev/ttyUSB0..3; COM1..4 on Windows); the settings file
// may name other devices.
class PortMap {
public:
    static constexpr int PortCount = 4;

    PortMap();

    static bool isPortNumber(int port) { return port >= 1 && port <= PortCount; }
    static QString defaultDevice(int port);

    // The device of port 1..4 (port 1's for a number outside the range).
    QString device(int port) const;
    void setDevice(int port, const QString& device);

private:
    std::array<QString, PortCount> devices_;
};
