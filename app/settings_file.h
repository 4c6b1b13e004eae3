#pragma once

#include "radio/port_map.h"

#include <QString>
#include <QStringList>

class BandList;
class IniFile;

// Where myini.ini lives: in the folder given by --config; else beside the executable
// when one is there (portable use); else in the user's configuration folder.
QString settingsPath(const QString& configDir);

// What the settings file remembers between runs.
struct StoredSettings {
    int portNumber = 1;
    PortMap ports;
};

// Reads the port number (outside 1..4 falls back to 1), the devices of the ports, and
// the band list with its selection.
StoredSettings loadSettings(const IniFile& ini, BandList& bands);

// Writes the port number, the band selection and the band list, in that order. Stops
// at the first write the file system refuses and returns its message (empty when all
// went well).
QString saveSettings(IniFile& ini, int portNumber, const BandList& bands);
