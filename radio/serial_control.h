#pragma once

#include "radio/port_map.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>

// MSComm1, the serial control of the radio dialogs: port 1..4, open/close, receive
// threshold, output, and a receive event (CommEvent 2) once at least RThreshold bytes
// are buffered, whose handler takes them with Input. If the device goes away, the
// port is closed at once and linkLost says so, once.
class SerialControl : public QObject {
    Q_OBJECT
public:
    static constexpr int CommEventReceive = 2;

    explicit SerialControl(QObject* parent = nullptr);

    int CommPort() const { return commPort_; }
    void setCommPort(int port) { commPort_ = port; }
    // Where the port numbers lead; the settings file may change it.
    void setPortMap(const PortMap& ports) { ports_ = ports; }
    // The device the next open uses.
    QString device() const { return ports_.device(commPort_); }

    bool PortOpen() const { return port_.isOpen(); }
    // Opens (9600 8N1, exclusive, stale input dropped) or closes the port. False when
    // it cannot be opened; lastError() then says why in words for the user.
    bool setPortOpen(bool open);
    QString lastError() const { return lastError_; }

    int RThreshold() const { return threshold_; }
    void setRThreshold(int bytes);

    // Sends the bytes in order; false (and lastError) when the port is not open or the
    // write fails.
    bool Output(const QByteArray& bytes);
    // Sends a text of Latin-1 characters, e.g. the one acknowledge character 0x06.
    bool OutputText(const QString& text);

    // The code of the last event: 2 when data were received.
    int CommEvent() const { return commEvent_; }
    // Everything buffered; the buffer is emptied.
    QByteArray Input();

signals:
    // The receive event: at least RThreshold bytes are buffered (CommEvent() is 2).
    void OnComm();
    // The device went away or reading failed; the port is closed already.
    void linkLost(const QString& message);

private:
    void dataArrived();
    void portError(QSerialPort::SerialPortError error);
    bool notOpen();

    QSerialPort port_;
    PortMap ports_;
    int commPort_ = 1;
    int threshold_ = 0;
    int commEvent_ = 0;
    QString lastError_;
};
