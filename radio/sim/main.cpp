// vantrel-radio-sim: a simulated radio on a pseudo-terminal, for users without
// hardware, for the tests and for the benchmarks.
#include "radio/sim/sim_options.h"
#include "radio/sim/sim_server.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.contains(QStringLiteral("--help"))) {
        std::fputs(qPrintable(simUsage()), stdout);
        return 0;
    }
    QString error;
    const auto options = parseSimOptions(arguments, &error);
    if (!options) {
        std::fprintf(stderr, "vantrel-radio-sim: %s\n%s", qPrintable(error),
                     qPrintable(simUsage()));
        return 2;
    }
    SimServer server(*options);
    if (!server.open(&error)) {
        std::fprintf(stderr, "vantrel-radio-sim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(server.devicePath()));
    std::fflush(stdout);
    return server.run();
}
