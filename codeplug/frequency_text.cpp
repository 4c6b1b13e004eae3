#include "codeplug/frequency_text.h"

#include "i18n/program_texts.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kLowestMHz = 100.0;
constexpr double kHighestMHz = 550.0;
constexpr std::int64_t kHighest10Hz = 55000000; // 550 MHz in units of 10 Hz
constexpr std::int64_t kRaster5kHz = 500;
constexpr std::int64_t kRaster6k25Hz = 625;
constexpr std::int64_t kRasterStep = 5; // 50 Hz, the finest step both rasters share

// Far below one 100 Hz unit, far above the error of a double near 550 MHz x 10000.
constexpr double kBinaryRoundingSlack = 1e-6;

// Units of 10 Hz: the 10 Hz digit itself is dropped, as the radio stores 50 Hz steps.
// A typed 136.0501 is 1360500.9999999998 in binary; the slack keeps it 1360501, so a
// frequency is never lowered below what was typed.
std::int64_t toTenHertzUnits(double mhz) {
    return static_cast<std::int64_t>(std::trunc(mhz * 10000.0 + kBinaryRoundingSlack)) * 10;
}

std::int64_t raiseToRaster(std::int64_t n) {
    while (n < kHighest10Hz && n % kRaster5kHz != 0 && n % kRaster6k25Hz != 0)
        n += kRasterStep;
    return n;
}

} // namespace

QChar userDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

std::optional<double> parseDecimal(const QString& text, QChar separator) {
    const QString sep = QRegularExpression::escape(QString(separator));
    const QRegularExpression shape(
        QStringLiteral("^\\s*[+-]?(\\d+(%1\\d*)?|%1\\d+)([eE][+-]?\\d+)?\\s*$").arg(sep));
    if (!shape.match(text).hasMatch())
        return std::nullopt;
    QString plain = text.trimmed();
    plain.replace(separator, QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<QString> canonicalFrequency(const QString& text, QChar separator) {
    std::optional<double> mhz = parseDecimal(text, separator);
    if (!mhz)
        return std::nullopt;
    const double clamped = std::clamp(*mhz, kLowestMHz, kHighestMHz);
    const std::int64_t n = raiseToRaster(toTenHertzUnits(clamped));
    const QString whole = QString::number(n / 100000).rightJustified(3, QLatin1Char('0'));
    const QString fraction = QString::number(n % 100000).rightJustified(5, QLatin1Char('0'));
    return whole + separator + fraction;
}

QString invalidFloatMessage(const QString& text) {
    return programText(ProgramText::InvalidFloat, "'%1' is not a valid floating point value")
        .arg(text);
}
