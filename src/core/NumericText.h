#pragma once
// How stored and typed text becomes a number. Three rules, used by different readers:
//  - LeadingNumber: forgiving, takes whatever number the text starts with ("12abc" -> 12, "None" -> 0).
//  - ToWholeNumber: strict, the text must be a number (locale-aware); halves go to the even neighbour.
//  - IsNumeric / IsWholeNumber: the yes/no tests behind input checks such as the year box.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <stdexcept>

namespace morvessa {

// A text could not be turned into the number a caller needed. The message is the description an
// error report shows ("Type mismatch", "Overflow").
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kTypeMismatch = "Type mismatch";
inline constexpr const char* kOverflow = "Overflow";

// Skips leading blanks (space, tab, line breaks), then takes the longest leading decimal number:
// optional sign, digits, an optional "." with digits, an optional exponent ("1e3"). Always uses "."
// whatever the locale. Text that does not begin with a number gives 0 ("" and "None" both give 0).
double LeadingNumber(QStringView text);

// Nearest whole number, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

// RoundHalfEven into a signed 32-bit value; throws ConversionError(kOverflow) outside its range
// (and for NaN or infinity).
std::int32_t RoundToInt32(double value);

// True when the text, blanks around it allowed, is a number in the user's locale (its decimal
// separator and digit grouping) or in the plain "." form. Empty text, "inf" and "nan" are not numbers.
bool IsNumeric(const QString& text);

// The value of a numeric text (as IsNumeric reads it); throws ConversionError(kTypeMismatch) when
// the text is not numeric.
double ToNumber(const QString& text);

// True when the text is numeric and its value has no fractional part ("2024", " 2024 ", "2024.0";
// not "2021.5", not "abc").
bool IsWholeNumber(const QString& text);

// The integer conversion: the text must be numeric (else ConversionError(kTypeMismatch)); its value
// is rounded to the nearest whole number with halves to the even neighbour; a value outside the
// signed 32-bit range throws ConversionError(kOverflow).
std::int32_t ToWholeNumber(const QString& text);

// Plain decimal text of a number as the store and the sheets write it: "14", "-4142", "2.5";
// never a thousands separator, always ".".
QString NumberText(double value);

}  // namespace morvessa
