#include "radio/port_probe.h"

#include "radio/serial_errors.h"

#include <QSerialPort>

PortProbeResult probePort(const QString& device) {
    QSerialPort port;
    port.setPortName(device);
    if (!port.open(QIODevice::ReadWrite))
        return {false, describeOpenError(device, port.error(), port.errorString())};
    port.close();
    return {true, {}};
}
