#pragma once

#include "radio/sim/sim_memory.h"
#include "radio/sim/sim_options.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// A simulator log and memory image in a temporary folder: what the host sent, frame
// by frame, and the radio's memory to start from.
struct SimTranscript {
    QTemporaryDir dir;

    QString logPath() const { return dir.filePath(QStringLiteral("sim.log")); }
    QString imagePath() const { return dir.filePath(QStringLiteral("radio.img")); }

    // Options that log to this folder, starting from the given memory.
    SimOptions options(const SimMemory& memory = SimMemory(), SimFaults faults = {}) const {
        QString error;
        memory.save(imagePath(), &error);
        SimOptions sim;
        sim.imagePath = imagePath();
        sim.logPath = logPath();
        sim.faults = faults;
        return sim;
    }

    // The frames the host sent, as hex text, in order.
    QStringList hostFrames() const {
        QFile log(logPath());
        log.open(QIODevice::ReadOnly);
        QStringList frames;
        for (const QByteArray& line : log.readAll().split('\n'))
            if (line.startsWith("> "))
                frames << QString::fromLatin1(line.mid(2));
        return frames;
    }
};

// A block of eight bytes from hex text.
inline QByteArray block(const char* hex) {
    return QByteArray::fromHex(hex);
}
