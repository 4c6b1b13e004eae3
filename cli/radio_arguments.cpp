#include "cli/radio_arguments.h"

#include "cli/cli_messages.h"

#include "i18n/startup_language.h"
#include "radio/port_map.h"

#include <QLocale>

namespace {

// An option and how many values follow it.
struct Option {
    const char* name;
    int values;
    void (*take)(RadioArguments& arguments, const QStringList& values);
};

const Option kOptions[] = {
    {"--port", 1, [](RadioArguments& a, const QStringList& v) { a.device = v.first(); }},
    {"-o", 1, [](RadioArguments& a, const QStringList& v) { a.output = v.first(); }},
    {"--lang", 1, [](RadioArguments& a, const QStringList& v) { a.language = v.first(); }},
    {"--verify", 0, [](RadioArguments& a, const QStringList&) { a.verify = true; }},
    {"--set", 3, [](RadioArguments& a, const QStringList& v) { a.set = v; }},
};

QString deviceOf(const QString& port) {
    bool number = false;
    const int n = port.toInt(&number);
    return number && PortMap::isPortNumber(n) ? PortMap::defaultDevice(n) : port;
}

} // namespace

std::optional<RadioArguments> parseRadioArguments(const QStringList& arguments, QString* error) {
    RadioArguments parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        if (!word.startsWith(QLatin1Char('-'))) {
            parsed.files << word;
            continue;
        }
        const Option* option = nullptr;
        for (const Option& candidate : kOptions)
            if (word == QLatin1String(candidate.name))
                option = &candidate;
        if (!option) {
            *error = CliMessages::unknownOption(word);
            return std::nullopt;
        }
        if (i + option->values >= arguments.size()) {
            *error = CliMessages::needsValues(word, option->values);
            return std::nullopt;
        }
        option->take(parsed, arguments.mid(i + 1, option->values));
        i += option->values;
    }
    parsed.device = deviceOf(parsed.device);
    if (parsed.language.isEmpty())
        parsed.language = languageOfLocale(QLocale::system().name());
    if (!isLanguageName(parsed.language)) {
        *error = badLanguageMessage(parsed.language);
        return std::nullopt;
    }
    return parsed;
}
