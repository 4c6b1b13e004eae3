#include "radio/memory_map_messages.h"

#include <QCoreApplication>
#include <array>

namespace {
const char* const kFieldNames[] = {"frequency", "squelch tone", "function options", "band",
                                   "power calibration"};

const std::array<const char*, 7> kOptionNames = {"squelch level", "battery saving", "time-out",
                                                 "voice prompt",  "prompt tone",    "alarm key",
                                                 "scanning"};

QString tr(const char* text) {
    return QCoreApplication::translate("MemoryMap", text);
}
} // namespace

QString unreadableReplyMessage(MapField field, const QString& replyHex) {
    return tr("The radio sent a %1 that cannot be read (%2).")
        .arg(tr(kFieldNames[int(field)]), replyHex.isEmpty() ? tr("nothing received") : replyHex);
}

QString unsendableCellMessage(int row, const QString& columnName, const QString& text) {
    return tr("Channel %1, %2: \"%3\" cannot be written to the radio.")
        .arg(row)
        .arg(columnName, text);
}

QString unsendableOptionMessage(int field, int index) {
    const char* name = field >= 0 && field < int(kOptionNames.size()) ? kOptionNames[field] : "";
    return tr("The %1 setting (entry %2) cannot be written to the radio.").arg(tr(name)).arg(index);
}

QString unsendableBandMessage(const QString& band) {
    return tr("The band \"%1\" cannot be written to the radio; choose a band such as "
              "136-174MHz.")
        .arg(band);
}

QString unsendableCalibrationMessage(int highPower, int lowPower, int lowVoltage) {
    return tr("The power values %1 and %2 (0 to 255) with low-voltage level %3 (0 to 2) "
              "cannot be written to the radio.")
        .arg(highPower)
        .arg(lowPower)
        .arg(lowVoltage);
}

QString columnFallbackName(int column) {
    return tr("column %1").arg(column);
}
