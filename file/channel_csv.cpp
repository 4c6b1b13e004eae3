#include "file/channel_csv.h"

#include "codeplug/channel_table.h"
#include "codeplug/tone_list.h"
#include "file/file_io.h"
#include "file/file_messages.h"
#include "i18n/vocabulary.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <cstring>
#include <optional>

namespace {

const QStringList kHeader = {"Channel", "Frequency1", "Tone1",   "Frequency2",
                             "Tone2",   "Power",      "SwitchA", "SwitchB"};
constexpr int kFieldCount = 8;
constexpr char kLineEnd[] = "\r\n";
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr int kSeparatorPosition = 3; // in "145.00000"

// A check of one field: the cell text to store, or the problem to report.
struct FieldCheck {
    QString cell;
    QString problem;
};
using Checker = FieldCheck (*)(const QString& text, QChar separator);

FieldCheck accept(const QString& cell) {
    return {cell, QString()};
}
FieldCheck refuse(const QString& problem) {
    return {QString(), problem};
}

// A word in any letter case, given back in its English spelling.
std::optional<QString> englishWord(const QString& text,
                                   std::initializer_list<QString VocabularyWords::*> meanings) {
    const VocabularyWords& english = vocabularyOf(Language::English);
    for (auto meaning : meanings)
        if (text.compare(english.*meaning, Qt::CaseInsensitive) == 0)
            return english.*meaning;
    return std::nullopt;
}

FieldCheck checkFrequency(const QString& text, QChar separator) {
    // Spreadsheets drop trailing zeros, so fewer than five decimals are padded.
    static const QRegularExpression shape(QStringLiteral("^(\\d{3})(?:\\.(\\d{0,5}))?$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return refuse(FileMessages::csvBadFrequency(text));
    const QString whole = match.captured(1);
    const QString fraction = match.captured(2).leftJustified(5, QLatin1Char('0'));
    const QString digits = whole + fraction;
    if (digits < QLatin1String("10000000") || digits > QLatin1String("55000000"))
        return refuse(FileMessages::csvBadFrequency(text));
    return accept(whole + separator + fraction);
}

FieldCheck checkRequiredFrequency(const QString& text, QChar separator) {
    if (text.isEmpty())
        return refuse(FileMessages::csvMissingFrequency1());
    return checkFrequency(text, separator);
}

FieldCheck checkOptionalFrequency(const QString& text, QChar separator) {
    return text.isEmpty() ? accept(QString()) : checkFrequency(text, separator);
}

FieldCheck checkTone(const QString& text, QChar) {
    if (std::optional<QString> off = englishWord(text, {&VocabularyWords::OffWord}))
        return accept(*off);
    static const QStringList tones = ToneList::tones();
    const int index = tones.indexOf(text.toUpper());
    return index < 0 ? refuse(FileMessages::csvBadTone(text)) : accept(tones.at(index));
}

FieldCheck checkPower(const QString& text, QChar) {
    const std::optional<QString> word =
        englishWord(text, {&VocabularyWords::HighWord, &VocabularyWords::LowWord});
    return word ? accept(*word) : refuse(FileMessages::csvBadPower(text));
}

FieldCheck checkSwitch(const QString& text, QChar) {
    const std::optional<QString> word =
        englishWord(text, {&VocabularyWords::OnWord, &VocabularyWords::OffWord});
    return word ? accept(*word) : refuse(FileMessages::csvBadSwitch(text));
}

// The checks of the seven values, for table columns 1..7 (CSV columns 2..8).
constexpr Checker kValueChecks[ChannelCells::ValueCount] = {
    checkRequiredFrequency,
    checkTone,
    checkOptionalFrequency,
    checkTone,
    checkPower,
    checkSwitch,
    checkSwitch,
};

// The fields of one CSV line; quoted fields may hold commas and doubled quotes.
struct SplitLine {
    QStringList fields;
    bool unclosedQuote = false;
};

SplitLine splitCsvLine(const QString& line) {
    SplitLine split;
    QString field;
    bool inQuotes = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (inQuotes && c == QLatin1Char('"')) {
            const bool doubled = i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"');
            if (doubled) {
                field += c; // "" inside quotes stands for one quote
                ++i;
            } else {
                inQuotes = false;
            }
        } else if (inQuotes) {
            field += c;
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            inQuotes = true;
            field.clear();
        } else if (c == QLatin1Char(',')) {
            split.fields << field.trimmed();
            field.clear();
        } else {
            field += c;
        }
    }
    split.fields << field.trimmed();
    split.unclosedQuote = inQuotes;
    return split;
}

QString quoted(const QString& field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')))
        return field;
    QString escaped = field;
    escaped.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// A frequency cell with "." in place of the user's decimal separator.
QString csvFrequency(QString cell) {
    if (cell.size() > kSeparatorPosition && !cell.at(kSeparatorPosition).isDigit())
        cell[kSeparatorPosition] = QLatin1Char('.');
    return cell;
}

// Reads one channel row; returns the problem and its CSV column (from 1) on failure.
struct RowResult {
    int channel = 0;
    ChannelCells::Row row;
    int errorColumn = 0;
    QString problem;
};

RowResult readRow(const QStringList& fields, QChar separator, const std::array<bool, 16>& seen) {
    RowResult result;
    auto fail = [&result](int column, const QString& problem) {
        result.errorColumn = column;
        result.problem = problem;
        return result;
    };
    if (fields.size() != kFieldCount)
        return fail(qMin(fields.size(), kFieldCount) + 1,
                    FileMessages::csvFieldCount(kFieldCount, fields.size()));
    static const QRegularExpression number(QStringLiteral("^\\d{1,2}$"));
    const int channel = fields.at(0).toInt();
    if (!number.match(fields.at(0)).hasMatch() || channel < 1 ||
        channel > ChannelTable::ChannelCount)
        return fail(1, FileMessages::csvBadChannelNumber(fields.at(0)));
    if (seen[channel - 1])
        return fail(1, FileMessages::csvRepeatedChannel(channel));
    result.channel = channel;
    for (int value = 0; value < ChannelCells::ValueCount; ++value) {
        const FieldCheck check = kValueChecks[value](fields.at(value + 1), separator);
        if (!check.problem.isEmpty())
            return fail(value + 2, check.problem);
        result.row[value] = check.cell;
    }
    return result;
}

FileResult csvFailure(int line, int column, const QString& problem) {
    return FileResult::failure(FileMessages::csvError(line, column, problem));
}

} // namespace

QByteArray channelsToCsv(const ChannelCells& cells) {
    const VocabularyWords& english = vocabularyOf(Language::English);
    const ChannelCells neutral = carryWords(cells, english);
    QString text = kHeader.join(QLatin1Char(',')) + QLatin1String(kLineEnd);
    for (int row = 0; row < ChannelTable::ChannelCount; ++row) {
        const ChannelCells::Row& values = neutral.rows[row];
        if (values[ChannelTable::Frequency1 - 1].isEmpty())
            continue; // not a channel
        QStringList fields{QString::number(row + 1)};
        for (int column = 1; column <= ChannelCells::ValueCount; ++column) {
            const QString& cell = values[column - 1];
            const bool frequency =
                column == ChannelTable::Frequency1 || column == ChannelTable::Frequency2;
            fields << quoted(frequency ? csvFrequency(cell) : cell);
        }
        text += fields.join(QLatin1Char(',')) + QLatin1String(kLineEnd);
    }
    return text.toUtf8();
}

FileResult channelsFromCsv(const QByteArray& bytes, QChar separator, ChannelCells& cells) {
    QList<QByteArray> byteLines = bytes.split('\n');
    if (byteLines.first().startsWith(kByteOrderMark))
        byteLines.first().remove(0, int(std::strlen(kByteOrderMark)));
    QStringList lines;
    for (QByteArray& line : byteLines) {
        if (line.endsWith('\r'))
            line.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8);
        lines << decoder.decode(line);
        if (decoder.hasError())
            return csvFailure(int(lines.size()), 1, FileMessages::csvNotUtf8());
    }

    const SplitLine header = splitCsvLine(lines.value(0));
    for (int column = 0; column < kFieldCount; ++column)
        if (header.fields.value(column).compare(kHeader.at(column), Qt::CaseInsensitive) != 0)
            return csvFailure(1, column + 1,
                              FileMessages::csvHeaderExpected(kHeader.join(QLatin1Char(','))));
    if (header.fields.size() != kFieldCount)
        return csvFailure(1, kFieldCount + 1,
                          FileMessages::csvHeaderExpected(kHeader.join(QLatin1Char(','))));

    ChannelCells read;
    std::array<bool, ChannelTable::ChannelCount> seen{};
    for (int index = 1; index < lines.size(); ++index) {
        const int lineNumber = index + 1;
        if (lines.at(index).trimmed().isEmpty())
            continue;
        const SplitLine split = splitCsvLine(lines.at(index));
        if (split.unclosedQuote)
            return csvFailure(lineNumber, split.fields.size(), FileMessages::csvUnclosedQuote());
        const RowResult row = readRow(split.fields, separator, seen);
        if (!row.problem.isEmpty())
            return csvFailure(lineNumber, row.errorColumn, row.problem);
        seen[row.channel - 1] = true;
        read.rows[row.channel - 1] = row.row;
    }
    cells = read;
    return FileResult::success();
}

FileResult exportChannelsCsv(const QString& path, const ChannelCells& cells) {
    return writeFileAtomically(path, channelsToCsv(cells));
}

FileResult importChannelsCsv(const QString& path, QChar separator, ChannelCells& cells) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileResult::failure(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileResult::failure(file.errorString());
    return channelsFromCsv(bytes, separator, cells);
}
