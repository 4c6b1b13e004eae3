#pragma once

#include <QString>

// Tests that a serial device exists and is free by opening it for exclusive
// read-write access and closing it again at once.
struct PortProbeResult {
    bool available = false;
    QString problem; // why not, in words for the user; empty when available
};

PortProbeResult probePort(const QString& device);
