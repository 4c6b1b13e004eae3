#include "codeplug/band_list.h"

BandList::BandList(QObject* parent) : QObject(parent) {}

void BandList::append(const QString& band) {
    entries_ << band;
    emit entriesChanged();
}

void BandList::select(int index) {
    const int selected = index >= 0 && index < entries_.size() ? index : -1;
    if (selected == selected_)
        return;
    selected_ = selected;
    emit selectionChanged(selected_);
}

void BandList::SelectOrAddBand(const QString& name) {
    int index = entries_.indexOf(name);
    if (index < 0) {
        append(name);
        index = entries_.size() - 1;
    }
    select(index);
}
