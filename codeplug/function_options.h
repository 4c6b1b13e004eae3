#pragma once

#include <QObject>
#include <QStringList>
#include <array>

struct StoredTexts;

// The seven radio-wide options: each is the selected index of one list of entries.
// An index always lies within its list.
class FunctionOptions : public QObject {
    Q_OBJECT
public:
    enum Field { Squelch, BatSave, TimeOut, Voice, PromptTone, AlarmKey, Scan };
    static constexpr int FieldCount = 7;

    using Indexes = std::array<int, FieldCount>;
    // The selections when the window is created, and after New or a band change.
    static constexpr Indexes StartIndexes = {2, 1, 4, 0, 1, 1, 1};
    static constexpr Indexes ClearedIndexes = {2, 1, 3, 0, 1, 1, 1};

    explicit FunctionOptions(QObject* parent = nullptr);

    int index(int field) const { return indexes_.at(field); }
    const Indexes& indexes() const { return indexes_; }
    const QStringList& entries(int field) const { return entries_.at(field); }
    QString selectedText(int field) const;

    // Selects an entry; an index outside the list is refused and false returned.
    bool setIndex(int field, int index);
    void setIndexes(const Indexes& indexes);
    // Replaces the entries of a list; the list keeps its index.
    void setEntries(int field, const QStringList& entries);

    // The lists as the windows carry them before any language is applied.
    static QStringList designEntries(int field);

signals:
    void indexChanged(int field);
    void entriesChanged(int field);

private:
    std::array<QStringList, FieldCount> entries_;
    Indexes indexes_ = StartIndexes;
};
