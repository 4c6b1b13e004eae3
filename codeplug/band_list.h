#pragma once

#include <QObject>
#include <QStringList>

// The frequency bands offered in the main window ("136-174MHz", ...) with at most one
// selected. Entries may repeat and are never removed during a run.
class BandList : public QObject {
    Q_OBJECT
public:
    static constexpr const char* DefaultBand = "136-174MHz";

    explicit BandList(QObject* parent = nullptr);

    const QStringList& entries() const { return entries_; }
    int selectedIndex() const { return selected_; }
    // The selected band, or the empty text when none is selected.
    QString selectedText() const { return entries_.value(selected_); }

    void append(const QString& band);
    // Selects an entry; an index outside the list leaves nothing selected.
    void select(int index);
    // Selects the first entry equal to the name (exact, case-sensitive), or appends the
    // name and selects it.
    void SelectOrAddBand(const QString& name);

signals:
    void entriesChanged();
    void selectionChanged(int index);

private:
    QStringList entries_;
    int selected_ = -1;
};
