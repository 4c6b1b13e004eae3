#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The options of the commands that talk to the radio:
// --port DEVICE, -o FILE, --lang chinese|english, --verify, --set HIGH LOW LEVEL.
struct RadioArguments {
    QString device;
    QString output;
    QString language;
    bool verify = false;
    QStringList set; // the three values after --set
    QStringList files;
};

// Parses the arguments of one command; nothing, with the reason in *error, when an
// option lacks its value or is unknown. DEVICE "1".."4" stands for the ports 1..4.
std::optional<RadioArguments> parseRadioArguments(const QStringList& arguments, QString* error);
