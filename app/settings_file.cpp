#include "app/settings_file.h"

#include "app/ini_file.h"
#include "codeplug/band_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace {

const QString kOpen = QStringLiteral("open");
const QString kList = QStringLiteral("list1");
const QString kPorts = QStringLiteral("ports");
const QString kFileName = QStringLiteral("myini.ini");
// A damaged "listcount" must not make the start-up hang on millions of entries.
constexpr int kMostBands = 1000;

QString comboKey(int index) {
    return QStringLiteral("combo%1").arg(index);
}

} // namespace

QString settingsPath(const QString& configDir) {
    if (!configDir.isEmpty())
        return QDir(configDir).filePath(kFileName);
    const QString portable = QDir(QCoreApplication::applicationDirPath()).filePath(kFileName);
    if (QFileInfo::exists(portable))
        return portable;
    const QString userConfig =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(userConfig).filePath(QStringLiteral("vantrel/") + kFileName);
}

StoredSettings loadSettings(const IniFile& ini, BandList& bands) {
    StoredSettings settings;
    const int port = ini.readInteger(kOpen, QStringLiteral("com"), 1);
    settings.portNumber = PortMap::isPortNumber(port) ? port : 1;
    for (int n = 1; n <= PortMap::PortCount; ++n)
        settings.ports.setDevice(n,
                                 ini.readString(kPorts, QStringLiteral("com%1").arg(n), QString()));

    // "listcount" holds the index of the last entry, not the number of entries.
    const int last =
        std::min(ini.readInteger(kList, QStringLiteral("listcount"), 0), kMostBands - 1);
    for (int i = 0; i <= last; ++i)
        bands.append(ini.readString(kList, comboKey(i), QLatin1String(BandList::DefaultBand)));
    bands.select(ini.readInteger(kList, QStringLiteral("listnow"), 0));
    return settings;
}

QString saveSettings(IniFile& ini, int portNumber, const BandList& bands) {
    const int count = bands.entries().size();
    bool ok = ini.writeInteger(kOpen, QStringLiteral("com"), portNumber) &&
              ini.writeInteger(kList, QStringLiteral("listnow"), bands.selectedIndex()) &&
              ini.writeInteger(kList, QStringLiteral("listcount"), count - 1);
    for (int i = 0; ok && i < count; ++i)
        ok = ini.writeString(kList, comboKey(i), bands.entries().at(i));
    return ok ? QString() : ini.errorString();
}
