#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the command line of the program asks for.
struct StartOptions {
    QString configDir;    // --config DIR: where myini.ini (and install.Log) live
    QString language;     // --lang chinese|english: decides before install.Log
    bool service = false; // --service: the power adjustment command is usable
    bool demo = false;    // --demo: a simulated radio stands in for the cable
    // Where the language files are looked for; empty for the usual places.
    QStringList languageFolders;
};

// Parses the arguments (the program name first). Nothing, with the message in
// *error, when they are wrong.
std::optional<StartOptions> parseStartOptions(const QStringList& arguments, QString* error);
