#include "radio/hex_text.h"

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";
}

int hexDigitValue(QChar digit) {
    const char16_t c = digit.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

int decimalDigitValue(QChar digit) {
    const char16_t c = digit.unicode();
    return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

QChar hexDigit(int value) {
    return QLatin1Char(kHexDigits[value & 0xF]);
}

QString hexByte(int value) {
    return QString(hexDigit(value >> 4)) + hexDigit(value);
}

QChar charAt(const QString& text, int position) {
    return position >= 1 && position <= text.size() ? text.at(position - 1) : QChar();
}

QString hexOfBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

std::optional<QByteArray> bytesOfHex(const QString& text) {
    QByteArray bytes;
    for (int i = 0; i + 1 < text.size(); i += 2) {
        const int high = hexDigitValue(text.at(i));
        const int low = hexDigitValue(text.at(i + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.append(char(high * 16 + low));
    }
    return bytes;
}
