#include "app/ini_file.h"

#include "i18n/program_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool isSectionLine(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(QLatin1Char(']'));
}

QString sectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.mid(1, trimmed.indexOf(QLatin1Char(']')) - 1).trimmed();
}

// The key of a "key=value" line, or the empty text for any other line.
QString keyOf(const QString& line) {
    const int equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0 || line.trimmed().startsWith(QLatin1Char(';')))
        return QString();
    return line.left(equals).trimmed();
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(const QString& path) : path_(path) { load(); }

bool IniFile::load() {
    lines_.clear();
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return !file.exists(); // a missing file is an empty one
    const QString text = QString::fromUtf8(file.readAll());
    if (text.contains(QLatin1String("\r\n")))
        lineEnd_ = QStringLiteral("\r\n");
    lines_ = text.split(QLatin1Char('\n'));
    for (QString& line : lines_)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast(); // the final line end
    return true;
}

int IniFile::findSection(const QString& section) const {
    for (int i = 0; i < lines_.size(); ++i)
        if (isSectionLine(lines_[i]) && sameName(sectionName(lines_[i]), section))
            return i;
    return -1;
}

int IniFile::sectionEnd(int sectionLine) const {
    int end = sectionLine + 1;
    while (end < lines_.size() && !isSectionLine(lines_[end]))
        ++end;
    return end;
}

int IniFile::findKey(int sectionLine, const QString& key) const {
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i)
        if (sameName(keyOf(lines_[i]), key))
            return i;
    return -1;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& fallback) const {
    const int sectionLine = findSection(section);
    const int keyLine = sectionLine < 0 ? -1 : findKey(sectionLine, key);
    if (keyLine < 0)
        return fallback;
    const QString& line = lines_[keyLine];
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
}

int IniFile::readInteger(const QString& section, const QString& key, int fallback) const {
    bool ok = false;
    const int value = readString(section, key, QString()).toInt(&ok, 10);
    return ok ? value : fallback;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    // The file as it is now: the user may have edited it while the program ran, and
    // a file that cannot be read must not be replaced by our few keys.
    if (!load()) {
        error_ = writeError();
        return false;
    }
    const QString entry = key + QLatin1Char('=') + value;
    int sectionLine = findSection(section);
    if (sectionLine < 0) {
        lines_ << QLatin1Char('[') + section + QLatin1Char(']');
        lines_ << entry;
    } else if (int keyLine = findKey(sectionLine, key); keyLine >= 0) {
        lines_[keyLine] = keyOf(lines_[keyLine]) + QLatin1Char('=') + value;
    } else {
        // After the section's last non-blank line, so blank separators stay below it.
        int insertAt = sectionEnd(sectionLine);
        while (insertAt > sectionLine + 1 && lines_[insertAt - 1].trimmed().isEmpty())
            --insertAt;
        lines_.insert(insertAt, entry);
    }
    return save();
}

bool IniFile::writeInteger(const QString& section, const QString& key, int value) {
    return writeString(section, key, QString::number(value));
}

bool IniFile::save() {
    error_.clear();
    QSaveFile file(path_);
    const bool saved =
        QDir().mkpath(QFileInfo(path_).absolutePath()) && file.open(QIODevice::WriteOnly) &&
        file.write((lines_.join(lineEnd_) + lineEnd_).toUtf8()) >= 0 && file.commit();
    if (!saved)
        error_ = writeError();
    return saved;
}

QString IniFile::writeError() const {
    return programText(ProgramText::UnableToWrite, "Unable to write to %1").arg(path_);
}
