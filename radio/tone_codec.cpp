#include "radio/tone_codec.h"

#include "radio/channel_cell_error.h"
#include "radio/hex_text.h"
#include "radio/memory_map_messages.h"

namespace {
const QString kNoTone = QStringLiteral("FFFF");

// How a tone value reads, chosen by its first hex digit (high byte first).
enum class ToneKind { CtcssLow, CtcssHigh, DcsNormal, DcsInverted, Off };
struct ToneLead {
    char digit;
    ToneKind kind;
};
constexpr ToneLead kLeads[] = {{'0', ToneKind::CtcssLow},    {'1', ToneKind::CtcssHigh},
                               {'2', ToneKind::CtcssHigh},   {'8', ToneKind::DcsNormal},
                               {'C', ToneKind::DcsInverted}, {'F', ToneKind::Off}};

ToneKind kindOf(QChar lead) {
    for (const ToneLead& entry : kLeads) {
        if (lead == QLatin1Char(entry.digit))
            return entry.kind;
    }
    return ToneKind::CtcssLow;
}

bool allDigits(const QString& text, int base) {
    for (QChar c : text) {
        const int value = decimalDigitValue(c);
        if (value < 0 || value >= base)
            return false;
    }
    return !text.isEmpty();
}

std::optional<QString> readTone(const QString& h, const QString& offWord) {
    switch (kindOf(h.at(0))) {
    case ToneKind::CtcssLow:
        if (!allDigits(h.mid(1), 10))
            return std::nullopt;
        return h.mid(1, 2) + QLatin1Char('.') + h.at(3);
    case ToneKind::CtcssHigh:
        if (!allDigits(h, 10))
            return std::nullopt;
        return h.left(3) + QLatin1Char('.') + h.at(3);
    case ToneKind::DcsNormal:
    case ToneKind::DcsInverted:
        if (!allDigits(h.mid(1), 8))
            return std::nullopt;
        return QLatin1Char('D') + h.mid(1) +
               QLatin1Char(kindOf(h.at(0)) == ToneKind::DcsNormal ? 'N' : 'I');
    case ToneKind::Off:
        break;
    }
    return offWord;
}

bool isDcs(const QString& text) {
    return text.size() == 5 && text.at(0) == QLatin1Char('D') && allDigits(text.mid(1, 3), 8) &&
           (text.at(4) == QLatin1Char('N') || text.at(4) == QLatin1Char('I'));
}

// "nn.n" or "nnn.n".
bool isCtcss(const QString& text) {
    const int point = text.size() - 2;
    return (text.size() == 4 || text.size() == 5) && text.at(point) == QLatin1Char('.') &&
           allDigits(text.left(point), 10) && allDigits(text.mid(point + 1), 10);
}
} // namespace

CodecResult<QString> sendCTC(const QString& storedDigits, const QString& offWord) {
    if (storedDigits.size() == 4) {
        const QString h = storedDigits.mid(2, 2) + storedDigits.left(2);
        if (const auto text = readTone(h, offWord))
            return CodecResult<QString>::success(*text);
    }
    return CodecResult<QString>::failure(unreadableReplyMessage(MapField::Tone, storedDigits));
}

std::optional<QString> encodeTone(const QString& cell, const QString& offWord) {
    const QString text = cell.trimmed();
    if (text.isEmpty() || text == offWord)
        return kNoTone;
    if (isDcs(text)) {
        const QChar kind = QLatin1Char(text.at(4) == QLatin1Char('I') ? 'C' : '8');
        return text.mid(2, 2) + kind + text.at(1);
    }
    if (!isCtcss(text))
        return std::nullopt;
    if (text.size() == 5)
        return text.mid(2, 1) + text.at(4) + text.left(2);
    return text.mid(1, 1) + text.at(3) + QLatin1Char('0') + text.at(0);
}

CodecResult<QString> writeCTC(const ChannelTable& table, int column, int row,
                              const VocabularyWords& words) {
    if (const auto stored = encodeTone(table.cell(column, row), words.OffWord))
        return CodecResult<QString>::success(*stored);
    return unsendableCell<QString>(table, column, row);
}
