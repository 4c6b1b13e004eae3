#pragma once

#include <QObject>

// The serial control of the read dialog: which of the ports 1..4 the radio is on.
class SerialControl : public QObject {
    Q_OBJECT
public:
    explicit SerialControl(QObject* parent = nullptr) : QObject(parent) {}

    int CommPort() const { return commPort_; }
    void setCommPort(int port) { commPort_ = port; }

private:
    int commPort_ = 1;
};
