#pragma once

#include "radio/link.h"

#include <QSerialPort>
#include <memory>

// The link over a serial port for code that may block: a worker thread of a dialog or
// the command-line tool. A wait sits in waitForReadyRead and returns the moment the
// threshold is reached. The port belongs to the thread that created the link.
class SerialLink : public Link {
public:
    SerialLink();
    ~SerialLink() override;

    // Opens the device for the radio; false with failure() saying why.
    bool open(const QString& device);
    void close();
    bool isOpen() const;

protected:
    void applyThreshold(int bytes) override;
    void output(const QByteArray& bytes) override;
    std::optional<QByteArray> receive(int ms) override;

private:
    void lose();

    std::unique_ptr<QSerialPort> port_;
    QString device_;
    int threshold_ = 1;
};
