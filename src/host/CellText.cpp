#include "host/CellText.h"

#include "core/CalendarNames.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

namespace morvessa {
namespace {

struct CivilDate {
    int year = 1900;
    int month = 1;
    int day = 0;
};

// Days since 1970-01-01 to a Gregorian date (the well-known era-based conversion).
CivilDate CivilFromDays(long long days)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    CivilDate date;
    date.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

// The 1900 date system: serial 1 is 1 January 1900, and serial 60 is the 29 February 1900 that
// spreadsheets have always counted although it never was.
CivilDate DateFromSerial(long long serial)
{
    if (serial == 0)
        return {1900, 1, 0};
    if (serial == 60)
        return {1900, 2, 29};
    constexpr long long kSerialOfEpoch = 25569;  // 1970-01-01
    return CivilFromDays(serial < 60 ? serial - kSerialOfEpoch + 1 : serial - kSerialOfEpoch);
}

std::string TwoDigits(int value)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", value % 100);
    return buffer;
}

std::vector<std::string> SplitSections(std::string_view format)
{
    std::vector<std::string> sections(1);
    bool quoted = false;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '"')
            quoted = !quoted;
        if (!quoted && c == '\\' && i + 1 < format.size()) {
            sections.back() += format.substr(i, 2);
            ++i;
            continue;
        }
        if (!quoted && c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

bool IsGeneral(std::string_view format)
{
    if (format.size() != 7)
        return format.empty();
    static constexpr std::string_view kGeneral = "general";
    for (size_t i = 0; i < format.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(format[i])) != kGeneral[i])
            return false;
    }
    return true;
}

std::string FormatDate(double value, std::string_view format)
{
    if (value < 0 || value >= 2958466)
        return std::string(10, '#');  // before 1900 or after 9999
    const long long serial = static_cast<long long>(std::floor(value));
    const CivilDate date = DateFromSerial(serial);
    long long seconds = std::llround((value - std::floor(value)) * 86400.0);
    if (seconds >= 86400)
        seconds = 86399;
    const int hour = static_cast<int>(seconds / 3600);
    const int minute = static_cast<int>(seconds / 60 % 60);
    const int second = static_cast<int>(seconds % 60);

    std::string out;
    bool lastWasHour = false;
    for (size_t i = 0; i < format.size();) {
        const char c = format[i];
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        size_t run = 1;
        while (i + run < format.size() &&
               std::tolower(static_cast<unsigned char>(format[i + run])) == lower) {
            ++run;
        }
        if (c == '"') {
            const size_t end = format.find('"', i + 1);
            out += format.substr(i + 1, (end == std::string_view::npos ? format.size() : end) - i - 1);
            i = end == std::string_view::npos ? format.size() : end + 1;
            continue;
        }
        if (c == '\\' && i + 1 < format.size()) {
            out += format[i + 1];
            i += 2;
            continue;
        }
        if (c == '[') {  // colours and conditions: not shown
            const size_t end = format.find(']', i);
            i = end == std::string_view::npos ? format.size() : end + 1;
            continue;
        }
        if (lower == 'y') {
            out += run <= 2 ? TwoDigits(date.year) : std::to_string(date.year);
            lastWasHour = false;
        } else if (lower == 'd') {
            if (run == 1)
                out += std::to_string(date.day);
            else if (run == 2)
                out += TwoDigits(date.day);
            else {
                // Serial 1 (1 January 1900, as the 1900 date system counts) is a Sunday.
                const std::string& name = WeekdayName(static_cast<int>((serial + 6) % 7) + 1);
                out += run == 3 ? name.substr(0, 3) : name;
            }
            lastWasHour = false;
        } else if (lower == 'm') {
            // "m" right after hours or right before seconds means minutes.
            size_t next = i + run;
            while (next < format.size() && !std::isalpha(static_cast<unsigned char>(format[next])))
                ++next;
            const bool minutes =
                run <= 2 && (lastWasHour || (next < format.size() && std::tolower(format[next]) == 's'));
            if (minutes)
                out += run == 1 ? std::to_string(minute) : TwoDigits(minute);
            else if (run == 1)
                out += std::to_string(date.month);
            else if (run == 2)
                out += TwoDigits(date.month);
            else {
                const std::string& name = MonthName(date.month);
                out += run == 3 ? name.substr(0, 3) : run == 4 ? name : name.substr(0, 1);
            }
            lastWasHour = false;
        } else if (lower == 'h') {
            out += run == 1 ? std::to_string(hour) : TwoDigits(hour);
            lastWasHour = true;
        } else if (lower == 's') {
            out += run == 1 ? std::to_string(second) : TwoDigits(second);
            lastWasHour = false;
        } else {
            out += format.substr(i, run);
        }
        i += run;
    }
    return out;
}

std::string GroupThousands(const std::string& digits)
{
    std::string out;
    const size_t count = digits.size();
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

// A digit pattern such as "#,##0.00" or "0%" with literal text around it.
std::string FormatDigits(double value, std::string_view format)
{
    std::string prefix;
    std::string suffix;
    int minIntegerDigits = 0;
    int decimals = -1;  // -1: no decimal point
    bool grouping = false;
    bool percent = false;
    bool seenPlaceholder = false;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        std::string literal;
        if (c == '"') {
            const size_t end = format.find('"', i + 1);
            literal = std::string(
                format.substr(i + 1, (end == std::string_view::npos ? format.size() : end) - i - 1));
            i = end == std::string_view::npos ? format.size() : end;
        } else if (c == '\\' && i + 1 < format.size()) {
            literal = std::string(1, format[++i]);
        } else if (c == '[') {
            const size_t end = format.find(']', i);
            i = end == std::string_view::npos ? format.size() : end;
            continue;
        } else if (c == '_' || c == '*') {  // padding directives: skip the character they name
            ++i;
            continue;
        } else if (c == '0' || c == '#' || c == '?') {
            seenPlaceholder = true;
            if (decimals >= 0)
                ++decimals;
            else if (c == '0')
                ++minIntegerDigits;
            continue;
        } else if (c == '.' && seenPlaceholder && decimals < 0) {
            decimals = 0;
            continue;
        } else if (c == ',' && seenPlaceholder && decimals < 0) {
            grouping = true;
            continue;
        } else {
            if (c == '%')
                percent = true;
            literal = std::string(1, c);
        }
        (seenPlaceholder ? suffix : prefix) += literal;
    }
    if (percent)
        value *= 100.0;
    const int places = decimals < 0 ? 0 : decimals;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, std::fabs(value));
    std::string number = buffer;
    std::string integerPart = number.substr(0, number.find('.'));
    std::string fraction = number.find('.') == std::string::npos ? "" : number.substr(number.find('.'));
    if (integerPart == "0" && minIntegerDigits == 0)
        integerPart.clear();
    if (static_cast<int>(integerPart.size()) < minIntegerDigits) {
        integerPart =
            std::string(static_cast<size_t>(minIntegerDigits) - integerPart.size(), '0') + integerPart;
    }
    if (grouping)
        integerPart = GroupThousands(integerPart);
    return prefix + integerPart + fraction + suffix;
}

}  // namespace

std::string GeneralNumberText(double value)
{
    if (std::isnan(value) || std::isinf(value))
        return "#NUM!";
    if (value == std::floor(value) && std::fabs(value) < 1e11) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
        return buffer[0] == '-' && buffer[1] == '0' && buffer[2] == '\0' ? "0" : buffer;
    }
    char buffer[64];
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e11 || magnitude < 1e-9) {
        std::snprintf(buffer, sizeof buffer, "%.5E", value);
        // Trim "1.00000E+20" to "1E+20" and the exponent's leading zeros beyond two digits.
        std::string text = buffer;
        const size_t e = text.find('E');
        std::string mantissa = text.substr(0, e);
        std::string exponent = text.substr(e);
        while (mantissa.find('.') != std::string::npos &&
               (mantissa.back() == '0' || mantissa.back() == '.')) {
            const bool dot = mantissa.back() == '.';
            mantissa.pop_back();
            if (dot)
                break;
        }
        if (exponent.size() > 4 && exponent[2] == '0')
            exponent.erase(2, 1);
        return mantissa + exponent;
    }
    std::snprintf(buffer, sizeof buffer, "%.10G", value);
    return buffer;
}

bool IsDateFormat(std::string_view format)
{
    bool quoted = false;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (c == '\\') {
            ++i;
            continue;
        }
        if (c == '[') {
            const size_t end = format.find(']', i);
            if (end == std::string_view::npos)
                return false;
            i = end;
            continue;
        }
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower == 'd' || lower == 'm' || lower == 'y' || lower == 'h' || lower == 's')
            return true;
    }
    return false;
}

std::string FormatNumber(double value, std::string_view format)
{
    if (IsGeneral(format) || format == "@")
        return GeneralNumberText(value);
    const std::vector<std::string> sections = SplitSections(format);
    std::string_view section = sections[0];
    bool sign = value < 0;
    if (value < 0 && sections.size() >= 2) {
        section = sections[1];
        sign = false;  // the negative section writes its own sign, if any
        value = -value;
    } else if (value == 0 && sections.size() >= 3) {
        section = sections[2];
    }
    std::string text = sign ? "-" : "";
    if (IsGeneral(section))
        return text.append(GeneralNumberText(std::fabs(value)));
    if (IsDateFormat(section))
        return FormatDate(value, section);
    const std::string digits = FormatDigits(value, section);
    // "-0" would be odd: a value that rounds to zero shows without its sign.
    if (digits.find_first_of("123456789") == std::string::npos)
        return digits;
    return text.append(digits);
}

}  // namespace morvessa
