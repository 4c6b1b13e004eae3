#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// vantrel-cli run as a script runs it: its exit status and what it printed.
struct CliRun {
    int status = -1; // -1 when it did not end normally in time
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList& arguments, int timeoutMs = 20000) {
    QProcess process;
    process.start(QStringLiteral(VANTREL_BIN_DIR "/vantrel-cli"), arguments);
    CliRun run;
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
