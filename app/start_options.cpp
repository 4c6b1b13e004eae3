#include "app/start_options.h"

#include "i18n/startup_language.h"

#include <QCommandLineParser>

std::optional<StartOptions> parseStartOptions(const QStringList& arguments, QString* error) {
    QCommandLineParser parser;
    const QCommandLineOption config(QStringLiteral("config"),
                                    QStringLiteral("Keep the settings file in DIR."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Start in this language: chinese or english."),
                                  QStringLiteral("LANGUAGE"));
    const QCommandLineOption service(QStringLiteral("service"),
                                     QStringLiteral("Enable the power adjustment (dealers)."));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Use a simulated radio instead of a cable."));
    parser.addOptions({config, lang, service, demo});
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    StartOptions options;
    options.configDir = parser.value(config);
    options.language = parser.value(lang);
    options.service = parser.isSet(service);
    options.demo = parser.isSet(demo);
    if (!options.language.isEmpty() && !isLanguageName(options.language)) {
        *error = badLanguageMessage(options.language);
        return std::nullopt;
    }
    return options;
}
