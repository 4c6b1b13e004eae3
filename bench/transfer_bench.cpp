// The full read and the full write against the simulated radio: paced at 9600 baud,
// the wall time against the line time of the bytes exchanged (goal: ratio <= 1.05);
// unpaced, the time per exchange (goal: < 1 ms). Prints figures, asserts nothing.

#include "codeplug/channel_table.h"
#include "radio/serial_link.h"
#include "radio/sim/sim_server.h"
#include "radio/transfer_sequences.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

// 8 data bits framed by a start and a stop bit.
constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;

struct LogCount {
    int bytes = 0;
    int hostFrames = 0;
};

LogCount countLog(const QString& path) {
    QFile log(path);
    log.open(QIODevice::ReadOnly);
    LogCount count;
    for (const QByteArray& line : log.readAll().split('\n')) {
        if (line.size() < 2)
            continue;
        count.bytes += (line.size() - 2) / 2;
        count.hostFrames += line.startsWith("> ");
    }
    return count;
}

// Runs one transfer against a fresh simulator; prints its figures.
void measure(const char* name, bool pace,
             const std::function<TransferOutcome(SerialLink&)>& transfer) {
    QTemporaryDir dir;
    SimOptions options;
    options.pace = pace;
    options.logPath = dir.filePath(QStringLiteral("sim.log"));
    SimServer server(options);
    QString error;
    if (!server.open(&error)) {
        std::printf("%s: simulator: %s\n", name, qPrintable(error));
        return;
    }
    server.start();
    SerialLink link;
    if (!link.open(server.devicePath())) {
        std::printf("%s: %s\n", name, qPrintable(link.failure()));
        return;
    }
    QElapsedTimer timer;
    timer.start();
    const TransferOutcome outcome = transfer(link);
    const double wallMs = timer.nsecsElapsed() / 1e6;
    link.close();
    server.stop();
    server.wait();
    const LogCount count = countLog(options.logPath);
    if (!outcome.ok) {
        std::printf("%s: failed after %d frames: %s\n", name, count.hostFrames,
                    qPrintable(outcome.detail));
        return;
    }
    if (pace) {
        const double lineMs = count.bytes * kByteMs;
        std::printf("%-14s paced:   wall %7.1f ms, line time of %d bytes %7.1f ms, ratio %.3f\n",
                    name, wallMs, count.bytes, lineMs, wallMs / lineMs);
    } else {
        std::printf("%-14s unpaced: wall %7.2f ms for %d exchanges, %.3f ms per exchange\n", name,
                    wallMs, count.hostFrames, wallMs / count.hostFrames);
    }
}

WriteBlocks fullTable() {
    ChannelTable table;
    for (int row = 1; row <= ChannelTable::ChannelCount; ++row) {
        table.setCell(ChannelTable::Frequency1, row,
                      QStringLiteral("145.%1").arg(row * 1000, 5, 10, QLatin1Char('0')));
        table.setCell(ChannelTable::Tone1, row, QStringLiteral("67.0"));
        table.setCell(ChannelTable::Power, row, QStringLiteral("High"));
    }
    const auto blocks =
        encodeWrite(table, FunctionOptions::ClearedIndexes, QStringLiteral("136-174MHz"));
    if (!blocks)
        qFatal("%s", qPrintable(blocks.error()));
    return *blocks;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const ReadStyle style{vocabularyOf(Language::English), QLatin1Char('.')};
    const WriteBlocks blocks = fullTable();
    const auto read = [&style](SerialLink& link) {
        RadioContent content;
        return readRadio(link, style, &content);
    };
    const auto write = [&blocks](SerialLink& link) { return writeRadio(link, blocks); };
    for (bool pace : {true, false}) {
        measure("full read", pace, read);
        measure("full write", pace, write);
    }
    return 0;
}
