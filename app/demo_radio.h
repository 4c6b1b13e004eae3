#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

class SimServer;

// The simulated radio of `vantrel --demo`: paced like a real 9600-baud line, on a
// pseudo-terminal, its memory image in a temporary folder that goes with it.
class DemoRadio {
public:
    DemoRadio();
    ~DemoRadio();

    // Starts it; false, with the reason in *error, when it cannot run.
    bool start(QString* error);
    // The device the ports lead to while the demonstration runs.
    QString device() const;

private:
    QTemporaryDir folder_;
    std::unique_ptr<SimServer> server_;
};
