#include "radio/transfer_messages.h"

#include <QCoreApplication>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("Transfer", text);
}
} // namespace

QString noBandSelectedMessage() {
    return tr("No band is selected. Choose the radio's band in the main window, then write "
              "again.");
}

QString emptyPowerFieldMessage() {
    return tr("Enter both power values (0 to 255) before writing.");
}

QString withReason(const QString& message, const QString& reason) {
    if (reason.isEmpty())
        return message;
    if (message.isEmpty())
        return reason;
    return message + QStringLiteral("\n\n") + reason;
}
