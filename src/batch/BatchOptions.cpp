#include "batch/BatchOptions.h"

#include <QRegularExpression>

namespace morvessa::batch {

std::optional<MonthRange> ParseMonthRange(const QString& text)
{
    static const QRegularExpression kRange(QStringLiteral("^\\s*(\\d{1,2})\\s*(?:-\\s*(\\d{1,2})\\s*)?$"));
    const QRegularExpressionMatch match = kRange.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int first = match.captured(1).toInt();
    const int last = match.captured(2).isEmpty() ? first : match.captured(2).toInt();
    if (first < 1 || first > 12 || last < 1 || last > 12)
        return std::nullopt;
    return MonthRange{first, last};
}

std::optional<SheetSpan> SheetsOfMonths(MonthRange range, int firstMonth)
{
    const auto position = [firstMonth](int month) { return (month - firstMonth + 12) % 12 + 1; };
    const SheetSpan span{position(range.first), position(range.last)};
    if (span.first > span.last)
        return std::nullopt;
    return span;
}

bool NamesPdf(const QString& path)
{
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

CalendarOptions BatchOptions::Layout() const
{
    CalendarOptions layout = StoredCalendarOptions();
    if (language)
        layout.language = *language;
    if (weekStart)
        layout.weekStart = *weekStart;
    if (firstMonth)
        layout.firstMonth = *firstMonth;
    if (weekNumbers)
        layout.weekNumbers = true;
    if (pages)
        layout.pages = *pages;
    if (portrait)
        layout.portrait = *portrait;
    if (weekendColour)
        layout.weekendColour = *weekendColour;
    return layout;
}

}  // namespace morvessa::batch
