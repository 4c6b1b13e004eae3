#include "file/qcf_file.h"

#include "codeplug/channel_table.h"
#include "file/file_io.h"
#include "file/file_messages.h"
#include "file/gbk_text.h"

#include <QFile>
#include <QList>
#include <cstring>
#include <optional>

namespace {

constexpr int kLineCount = 29;
constexpr int kBandLine = 4;
constexpr int kFirstOptionLine = 5;
constexpr int kFirstChannelLine = 14;
constexpr int kBandStart = 5; // the name follows "BAND "
constexpr int kBandLength = 10;
constexpr char kHeader[] = "PX-4410 MEMORY CHANNEL";
constexpr char kBandKeyword[] = "BAND ";
constexpr char kLineEnd[] = "\r\n";
constexpr char kChannelPrefix[] = "CH";
constexpr char kSeparator[] = " | ";

// The option lines in file order; the index digit stands right after the keyword.
struct OptionLine {
    const char* keyword;
    FunctionOptions::Field field;
};
constexpr OptionLine kOptionLines[] = {
    {"Squelch ", FunctionOptions::Squelch}, {"BatSave ", FunctionOptions::BatSave},
    {"TxT.O.T ", FunctionOptions::TimeOut}, {"SCAN ", FunctionOptions::Scan},
    {"TONE ", FunctionOptions::PromptTone}, {"BAO ", FunctionOptions::AlarmKey},
    {"VOICE ", FunctionOptions::Voice},
};

// The first `limit` lines, each without its LF or CR LF; a last line without an end
// counts too.
QList<QByteArray> splitLines(const QByteArray& bytes, int limit) {
    QList<QByteArray> lines;
    int start = 0;
    while (start < bytes.size() && lines.size() < limit) {
        int end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArray line = bytes.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines << line;
        start = end + 1;
    }
    return lines;
}

// A text for a message about bytes that may not be GBK.
QString shownText(const QByteArray& bytes) {
    return fromGbk(bytes).value_or(QString::fromLatin1(bytes));
}

// The option index at `position` of its line: one decimal digit.
std::optional<int> optionDigit(const QByteArray& line, int position) {
    const char digit = position < line.size() ? line.at(position) : '\0';
    if (digit < '0' || digit > '9')
        return std::nullopt;
    return digit - '0';
}

// The offending index text: from the index position to the next blank.
QString indexToken(const QByteArray& line, int position) {
    const QByteArray rest = line.mid(position);
    const int blank = rest.indexOf(' ');
    return shownText(blank < 0 ? rest : rest.left(blank));
}

// Splits a channel line into its seven cells. A line whose eighth character is a
// blank is an empty channel; otherwise the text between "CHnn | " and the last
// character is cut at each blank, the blank, bar and blank after a cell skipped.
bool parseChannelLine(const QByteArray& line, ChannelCells::Row& row) {
    if (line.size() >= 8 && line.at(7) == ' ')
        return true;
    QByteArray rest = line.size() > 8 ? line.mid(7, line.size() - 8) : QByteArray();
    for (QString& cell : row) {
        const int blank = rest.indexOf(' ');
        const std::optional<QString> text = fromGbk(blank > 0 ? rest.left(blank) : QByteArray());
        if (!text)
            return false;
        cell = *text;
        const int start = blank + 3;
        const int count = rest.size() - 3;
        rest = count > 0 && start < rest.size() ? rest.mid(start, count) : QByteArray();
    }
    return true;
}

// Builds the file's bytes piece by piece; remembers the first text without a GBK form.
class GbkWriter {
public:
    void text(const QString& text) {
        if (failed_)
            return;
        const std::optional<QByteArray> bytes = toGbk(text);
        if (bytes)
            bytes_ += *bytes;
        else
            failed_ = text;
    }
    void ascii(const char* text) { bytes_ += text; }
    void endLine() { bytes_ += kLineEnd; }
    void line(const char* text) {
        ascii(text);
        endLine();
    }

    const QByteArray& bytes() const { return bytes_; }
    const std::optional<QString>& failed() const { return failed_; }

private:
    QByteArray bytes_;
    std::optional<QString> failed_;
};

} // namespace

FileResult QcfFile::parse(const QByteArray& bytes) {
    const QList<QByteArray> lines = splitLines(bytes, kLineCount);
    auto line = [&lines](int number) { return lines.value(number - 1); };
    QcfFile read;

    const std::optional<QString> band = fromGbk(line(kBandLine).mid(kBandStart, kBandLength), true);
    if (!band)
        return FileResult::failure(FileMessages::notGbkText(kBandLine));
    read.band = *band;

    for (int i = 0; i < FunctionOptions::FieldCount; ++i) {
        const OptionLine& option = kOptionLines[i];
        const QByteArray text = line(kFirstOptionLine + i);
        const int position = static_cast<int>(std::strlen(option.keyword));
        const std::optional<int> index = optionDigit(text, position);
        if (!index)
            return FileResult::failure(FileMessages::invalidInteger(indexToken(text, position)));
        // A digit the list has no entry for would leave the option without a setting.
        const int last = int(FunctionOptions::designEntries(option.field).size()) - 1;
        if (*index > last)
            return FileResult::failure(
                FileMessages::optionOutOfRange(kFirstOptionLine + i, *index, last));
        read.optionIndexes[option.field] = *index;
        // Shown for the reader only: text that is not GBK is no reason to refuse the file.
        read.optionTexts[option.field] = fromGbk(text.mid(position + 2)).value_or(QString());
    }

    for (int row = 0; row < ChannelTable::ChannelCount; ++row) {
        const int number = kFirstChannelLine + row;
        if (number > lines.size())
            break;
        if (!parseChannelLine(line(number), read.channels.rows[row]))
            return FileResult::failure(FileMessages::notGbkText(number));
    }

    *this = read;
    return FileResult::success();
}

FileResult QcfFile::encode(QByteArray& bytes) const {
    GbkWriter out;
    out.line(kHeader);
    out.endLine();
    out.endLine();
    out.ascii(kBandKeyword);
    out.text(band);
    out.endLine();
    for (const OptionLine& option : kOptionLines) {
        out.ascii(option.keyword);
        out.text(QString::number(optionIndexes[option.field]) + QLatin1Char(' ') +
                 optionTexts[option.field]);
        out.endLine();
    }
    out.endLine();
    out.endLine();
    for (int row = 0; row < ChannelTable::ChannelCount; ++row) {
        out.ascii(kChannelPrefix);
        out.ascii(QByteArray::number(row + 1).rightJustified(2, '0').constData());
        out.ascii(kSeparator);
        for (const QString& cell : channels.rows[row]) {
            out.text(cell);
            out.ascii(kSeparator);
        }
        out.endLine();
    }
    if (out.failed())
        return FileResult::failure(FileMessages::notEncodable(*out.failed()));
    bytes = out.bytes();
    return FileResult::success();
}

FileResult QcfFile::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileResult::failure(file.errorString());
    // Lines after the last channel line are never looked at.
    QByteArray bytes;
    for (int line = 0; line < kLineCount && !file.atEnd(); ++line)
        bytes += file.readLine();
    if (file.error() != QFileDevice::NoError)
        return FileResult::failure(file.errorString());
    return parse(bytes);
}

FileResult QcfFile::save(const QString& path) const {
    QByteArray bytes;
    const FileResult encoded = encode(bytes);
    if (!encoded.ok())
        return encoded;
    return writeFileAtomically(path, bytes);
}
