#include "core/CalendarYear.h"

#include "core/NumericText.h"

namespace morvessa {

std::optional<CalendarYear> CalendarYear::FromText(const QString& text)
{
    if (!IsWholeNumber(text))
        return std::nullopt;
    // Compared as a double first: "1e300" is a whole number far beyond any integer type.
    const double value = ToNumber(text);
    if (value < kFirst)
        return CalendarYear(kFirst);
    if (value > kLast)
        return CalendarYear(kLast);
    return CalendarYear(static_cast<int>(value));
}

CalendarYear CalendarYear::Clamped(long long year)
{
    return CalendarYear(year < kFirst ? kFirst : year > kLast ? kLast : static_cast<int>(year));
}

}  // namespace morvessa
