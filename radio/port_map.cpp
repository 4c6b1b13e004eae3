#include "radio/port_map.h"

PortMap::PortMap() {
    for (int port = 1; port <= PortCount; ++port)
        devices_[port - 1] = defaultDevice(port);
}

QString PortMap::defaultDevice(int port) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyUSB%1").arg(port - 1);
#endif
}

QString PortMap::device(int port) const {
    return devices_[isPortNumber(port) ? port - 1 : 0];
}

void PortMap::setDevice(int port, const QString& device) {
    if (isPortNumber(port) && !device.isEmpty())
        devices_[port - 1] = device;
}
