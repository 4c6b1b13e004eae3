#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Faults the simulated radio can be told to show, for tests.
struct SimFaults {
    bool silent = false;       // answers nothing at all
    bool badHandshake = false; // answers the handshake with a wrong reply
    bool extraBytes = false;   // follows the handshake reply with junk
    bool noAck = false;        // never sends the acknowledge byte
    bool garbage = false;      // block reads carry wrong data bytes
    int stopAfter = -1;        // answers nothing after this many frames
    int hangupAfter = -1;      // serves this many frames, then closes the line
    int slowMs = 0;            // delays each answer
};

// How the simulator was started.
struct SimOptions {
    QString imagePath; // memory image loaded at start, saved after each end command
    bool once = false; // stop after the first end command
    bool pace = false; // move bytes at the 9600-baud rate
    SimFaults faults;
    QString logPath; // every frame in hex, one a line
};

// Reads the command-line arguments (without the program name). Nothing, with the
// reason in *error, when they do not make sense.
std::optional<SimOptions> parseSimOptions(const QStringList& arguments, QString* error);

// The usage text of the simulator.
QString simUsage();
