#include "i18n/startup_language.h"

#include "i18n/program_texts.h"

#include <QFile>
#include <QRegularExpression>

namespace {

const QString kChinese = QStringLiteral("chinese");
const QString kEnglish = QStringLiteral("english");
const QString kEnglishTitle = QStringLiteral("Title: Vantrel Programming Software");

} // namespace

QString languageOfLocale(const QString& localeName) {
    return localeName.startsWith(QLatin1String("zh")) ? kChinese : kEnglish;
}

QString chooseStartupLanguage(const QString& asked, const QString& installLogPath,
                              const QString& localeName) {
    if (!asked.isEmpty())
        return asked;
    QFile log(installLogPath);
    if (log.open(QIODevice::ReadOnly)) {
        // A line ends at CR, at LF, or at CR LF.
        const QStringList lines = QString::fromUtf8(log.readAll())
                                      .split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
        const bool hasSecondLine = lines.size() > 2 || (lines.size() == 2 && !lines[1].isEmpty());
        if (hasSecondLine)
            return lines[1] == kEnglishTitle ? kEnglish : kChinese;
    }
    return languageOfLocale(localeName);
}

bool isLanguageName(const QString& name) {
    return name == kChinese || name == kEnglish;
}

QString badLanguageMessage(const QString& name) {
    return programText(ProgramText::BadLanguage, "--lang takes chinese or english, not '%1'")
        .arg(name);
}
