#pragma once

#include "radio/sim/sim_server.h"

// The radio simulator on a pseudo-terminal, serving on its own thread for the length
// of one test. error() is empty when it runs.
class SimulatedRadio {
public:
    explicit SimulatedRadio(SimOptions options = {}) : server_(std::move(options)) {
        if (server_.open(&error_))
            server_.start();
    }

    QString device() const { return server_.devicePath(); }
    const QString& error() const { return error_; }
    // The simulator's memory as it is now.
    QByteArray memory() const { return server_.memory(); }

private:
    SimServer server_;
    QString error_;
};

// Options with faults set by the given function.
template <typename SetFaults> SimOptions simWithFaults(SetFaults set) {
    SimOptions options;
    set(options.faults);
    return options;
}
