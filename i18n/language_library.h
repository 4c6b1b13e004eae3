#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <optional>

// The numbered texts of one language ("chinese" or "english"), read from its
// translation file <name>.qm. A missing number gives an empty text.
class LanguageLibrary {
public:
    // Longest text kept, in bytes of its narrow (UTF-8) form.
    static constexpr int MaxTextBytes = 253;

    // Looks for <name>.qm in each folder in turn; nothing when none is there or it
    // cannot be read.
    static std::optional<LanguageLibrary> open(const QString& name, const QStringList& folders);

    // The folders searched by default: the executable's, then the installed data folders.
    static QStringList defaultFolders();

    // A numbered window text, cut to MaxTextBytes.
    QString text(int id) const;
    // A text of the program's own (number 82 on): messages may be longer.
    QString fullText(int id) const;

private:
    explicit LanguageLibrary(std::unique_ptr<QTranslator> translator);
    std::shared_ptr<QTranslator> translator_;
};

// Cuts a text to at most `maxBytes` bytes of UTF-8 without splitting a character.
QString cutToBytes(const QString& text, int maxBytes);
