#include "radio/transfer_messages.h"

#include "i18n/program_texts.h"
#include "i18n/stored_texts.h"

QString noBandSelectedMessage() {
    return programText(
        ProgramText::NoBandSelected,
        "No band is selected. Choose the radio's band in the main window, then write "
        "again.");
}

QString emptyPowerFieldMessage() {
    return programText(ProgramText::EmptyPowerField,
                       "Enter both power values (0 to 255) before writing.");
}

QString linkFailedMessage() {
    const QString& stored = storedTexts().LinkFailedMessage;
    if (!stored.isEmpty())
        return stored;
    return programText(ProgramText::LinkFailedFallback, "The radio did not answer as expected.");
}

QString writeStoppedMessage() {
    return programText(ProgramText::WriteStopped,
                       "The write was stopped before it finished. The radio now holds only part "
                       "of the new data: write it again before using it.");
}

QString withReason(const QString& message, const QString& reason) {
    if (reason.isEmpty())
        return message;
    if (message.isEmpty())
        return reason;
    return message + QStringLiteral("\n\n") + reason;
}
