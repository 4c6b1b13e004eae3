#include "app/start_options.h"
#include "app/vantrel_app.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));

    QString error;
    const std::optional<StartOptions> options =
        parseStartOptions(QApplication::arguments(), &error);
    if (!options) {
        std::fprintf(stderr, "vantrel: %s\n", qPrintable(error));
        return 2;
    }
    VantrelApp vantrel(*options);
    vantrel.show();
    return QApplication::exec();
}
