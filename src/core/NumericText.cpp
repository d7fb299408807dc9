#include "core/NumericText.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace morvessa {

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads a locale-formatted number; only finite values count.
bool ParseNumber(const QString& text, double* value)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    bool ok = false;
    double parsed = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        parsed = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    *value = parsed;
    return true;
}

}  // namespace

double LeadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && IsDigit(text[i]))
        ++i;
    qsizetype mantissaDigits = i - digitsStart;
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        while (j < n && IsDigit(text[j]))
            ++j;
        mantissaDigits += j - i - 1;
        i = j;
    }
    if (mantissaDigits == 0)
        return 0.0;
    // An exponent only counts when digits follow it ("12e" is 12, "12e3" is 12000).
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype expDigits = j;
        while (j < n && IsDigit(text[j]))
            ++j;
        if (j > expDigits)
            i = j;
    }

    std::string ascii = text.mid(start, i - start).toString().toStdString();
    if (!ascii.empty() && ascii.front() == '+')
        ascii.erase(0, 1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Far too small (a negative exponent) is 0; far too large keeps its sign and lets the
        // caller's range check decide.
        const auto exponent = ascii.find_first_of("eE");
        if (exponent != std::string::npos && exponent + 1 < ascii.size() && ascii[exponent + 1] == '-')
            return 0.0;
        return ascii.front() == '-' ? -std::numeric_limits<double>::infinity()
                                    : std::numeric_limits<double>::infinity();
    }
    return value;
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    // nearbyint follows the current rounding mode, which is to-nearest-even unless someone changed it;
    // do it explicitly instead.
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1.0;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int32_t RoundToInt32(double value)
{
    const double rounded = RoundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        throw ConversionError(kOverflow);
    return static_cast<std::int32_t>(rounded);
}

bool IsNumeric(const QString& text)
{
    double value = 0.0;
    return ParseNumber(text, &value);
}

double ToNumber(const QString& text)
{
    double value = 0.0;
    if (!ParseNumber(text, &value))
        throw ConversionError(kTypeMismatch);
    return value;
}

bool IsWholeNumber(const QString& text)
{
    double value = 0.0;
    return ParseNumber(text, &value) && std::floor(value) == value;
}

std::int32_t ToWholeNumber(const QString& text)
{
    return RoundToInt32(ToNumber(text));
}

QString NumberText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");  // also for -0
    if (std::floor(value) == value && std::fabs(value) < 1e15)
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

}  // namespace morvessa
