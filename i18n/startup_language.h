#pragma once

#include <QString>

// Picks the language to start in: the one asked for on the command line; else the
// installer log's second line ("Title: Vantrel Programming Software" exactly means
// English, any other second line Chinese); else, when the log is missing, unreadable
// or shorter than two lines, the system locale (zh* Chinese, anything else English).
QString chooseStartupLanguage(const QString& asked, const QString& installLogPath,
                              const QString& localeName);

// The language of a locale name such as "zh_CN" or "en_GB".
QString languageOfLocale(const QString& localeName);

// True for the two language names, "chinese" and "english".
bool isLanguageName(const QString& name);

// The message for a --lang value that names no language.
QString badLanguageMessage(const QString& name);
