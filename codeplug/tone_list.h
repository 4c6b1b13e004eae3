#pragma once

#include <QObject>
#include <QStringList>
#include <iterator>

// The squelch tones the tone selector offers: the 50 CTCSS tones, the 104 DCS codes
// with normal polarity, the same codes inverted, and, once a language is applied,
// exactly one OffWord entry at the head.
class ToneList : public QObject {
    Q_OBJECT
public:
    static constexpr int ToneCount = 258;

    explicit ToneList(QObject* parent = nullptr);

    const QStringList& entries() const { return entries_; }
    bool hasOffWord() const { return hasOffWord_; }

    // Replaces the head entry with the given word (inserting it the first time), so
    // the list never holds more than one off entry.
    void setOffWord(const QString& word);
    // Drops the off entry of an earlier language, if there is one.
    void removeOffWord();

    // The 258 tone texts in their fixed order, without the off entry.
    static QStringList tones();

signals:
    void changed();

private:
    QStringList entries_;
    bool hasOffWord_ = false;
};
