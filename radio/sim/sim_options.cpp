#include "radio/sim/sim_options.h"

namespace {
// A fault given as "name" or "name=N".
bool applyFault(const QString& fault, SimFaults& faults) {
    const QString name = fault.section(QLatin1Char('='), 0, 0);
    const QString value = fault.section(QLatin1Char('='), 1);
    struct Flag {
        const char* name;
        bool SimFaults::*field;
    };
    static const Flag flags[] = {{"silent", &SimFaults::silent},
                                 {"bad-handshake", &SimFaults::badHandshake},
                                 {"extra-bytes", &SimFaults::extraBytes},
                                 {"no-ack", &SimFaults::noAck},
                                 {"garbage", &SimFaults::garbage}};
    struct Count {
        const char* name;
        int SimFaults::*field;
    };
    static const Count counts[] = {{"stop-after", &SimFaults::stopAfter},
                                   {"hangup-after", &SimFaults::hangupAfter},
                                   {"slow", &SimFaults::slowMs}};
    for (const Flag& flag : flags) {
        if (name == QLatin1String(flag.name) && !fault.contains(QLatin1Char('='))) {
            faults.*flag.field = true;
            return true;
        }
    }
    for (const Count& count : counts) {
        bool ok = false;
        const int number = value.toInt(&ok);
        if (name == QLatin1String(count.name) && ok && number >= 0) {
            faults.*count.field = number;
            return true;
        }
    }
    return false;
}
} // namespace

std::optional<SimOptions> parseSimOptions(const QStringList& arguments, QString* error) {
    SimOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--once")) {
            options.once = true;
        } else if (argument == QLatin1String("--pace")) {
            options.pace = true;
        } else if (argument == QLatin1String("--image") && hasValue) {
            options.imagePath = arguments.at(++i);
        } else if (argument == QLatin1String("--log") && hasValue) {
            options.logPath = arguments.at(++i);
        } else if (argument == QLatin1String("--fault") && hasValue) {
            if (!applyFault(arguments.at(++i), options.faults)) {
                *error = QStringLiteral("unknown fault: %1").arg(arguments.at(i));
                return std::nullopt;
            }
        } else {
            *error = QStringLiteral("unknown or incomplete argument: %1").arg(argument);
            return std::nullopt;
        }
    }
    return options;
}

QString simUsage() {
    return QStringLiteral(
        "usage: vantrel-radio-sim [--image FILE] [--once] [--pace] [--log FILE] [--fault F]...\n"
        "Serves a simulated radio on a pseudo-terminal whose path is the first line printed.\n"
        "  --image FILE  memory image (1024 bytes): loaded at start, saved after each end\n"
        "  --once        stop after the first end command\n"
        "  --pace        send and take bytes at 9600 baud\n"
        "  --log FILE    every frame in hex: '> ' from the host, '< ' to the host,\n"
        "                '? ' bytes that were no frame\n"
        "  --fault F     silent, bad-handshake, extra-bytes, no-ack, garbage,\n"
        "                stop-after=N, hangup-after=N, slow=MS\n");
}
