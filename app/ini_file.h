#pragma once

#include <QString>
#include <QStringList>

// A small INI file: "[section]" lines and "key=value" lines, looked up without regard
// to case. Every write updates the file as it is on disk at that moment and goes to
// disk at once (a temporary file renamed over the old one); new sections and keys are
// appended in the order first written, existing ones are updated in place, and lines
// it does not understand are kept as they were.
class IniFile {
public:
    explicit IniFile(const QString& path);

    const QString& path() const { return path_; }

    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    // The value as a decimal integer; the fallback when missing or not a number.
    int readInteger(const QString& section, const QString& key, int fallback) const;

    // Writes a value and saves the file. False when the file system refuses; then
    // errorString() says "Unable to write to <path>".
    [[nodiscard]] bool writeString(const QString& section, const QString& key,
                                   const QString& value);
    [[nodiscard]] bool writeInteger(const QString& section, const QString& key, int value);

    QString errorString() const { return error_; }

private:
    int findSection(const QString& section) const;
    // The line index of the key within the section starting at sectionLine, or -1.
    int findKey(int sectionLine, const QString& key) const;
    int sectionEnd(int sectionLine) const;
    // Reads the file; false when it exists but cannot be read.
    bool load();
    bool save();
    QString writeError() const;

    QString path_;
    QStringList lines_;
    QString lineEnd_ = QStringLiteral("\n");
    QString error_;
};
