#include "codeplug/function_options.h"

namespace {

// Design texts: the Chinese entries the lists hold before a language is applied.
const QString kOff = QStringLiteral("禁用");
const QString kOn = QStringLiteral("启用");

QStringList minutesList() {
    QStringList list{kOff};
    for (int minutes = 1; minutes <= 7; ++minutes)
        list << QString::number(minutes) + QStringLiteral("分钟");
    return list;
}

QStringList digitsList() {
    QStringList list;
    for (int level = 0; level <= 9; ++level)
        list << QString::number(level);
    return list;
}

} // namespace

FunctionOptions::FunctionOptions(QObject* parent) : QObject(parent) {
    for (int field = 0; field < FieldCount; ++field)
        entries_[field] = designEntries(field);
}

QStringList FunctionOptions::designEntries(int field) {
    switch (field) {
    case Squelch:
        return digitsList();
    case TimeOut:
        return minutesList();
    case Voice:
        return {QStringLiteral("中文男声"), QStringLiteral("英文男声"), QStringLiteral("中文女声"),
                QStringLiteral("英文女声"), kOff};
    case Scan: // on first: the reverse of the other on/off lists
        return {kOn, kOff};
    default:
        return {kOff, kOn};
    }
}

QString FunctionOptions::selectedText(int field) const {
    return entries_.at(field).value(indexes_.at(field));
}

bool FunctionOptions::setIndex(int field, int index) {
    if (index < 0 || index >= entries_.at(field).size())
        return false;
    if (indexes_[field] != index) {
        indexes_[field] = index;
        emit indexChanged(field);
    }
    return true;
}

void FunctionOptions::setIndexes(const Indexes& indexes) {
    for (int field = 0; field < FieldCount; ++field)
        setIndex(field, indexes[field]);
}

void FunctionOptions::setEntries(int field, const QStringList& entries) {
    entries_.at(field) = entries;
    emit entriesChanged(field);
}
