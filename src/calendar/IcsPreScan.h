#pragma once
// A cheap look at an .ics text before libical parses it: whatever could make the parser slow, greedy
// or confused (binary data, broken UTF-8, huge lines, deep nesting, too many events) is refused here
// with a message that says what is wrong, so the parser only ever sees text of a bounded shape.

#include <QByteArray>

#include <cstddef>

namespace morvessa {

// The limits of a readable calendar.
inline constexpr qsizetype kMaxIcsBytes = 8 * 1024 * 1024;
inline constexpr qsizetype kMaxIcsLineBytes = 64 * 1024;  // one property, its folded lines joined
inline constexpr int kMaxIcsNesting = 8;                    // VCALENDAR > VEVENT > VALARM needs 3
inline constexpr int kMaxIcsEvents = 20000;
// libical's cost grows with the square of these, so no real calendar comes near them.
inline constexpr int kMaxIcsPropertiesPerComponent = 2000;
inline constexpr int kMaxIcsParametersPerProperty = 40;
// libical keeps each line, and each date of an RDATE or EXDATE list, as an object of its own: a
// file of 8 MB could otherwise hold a million of them and take half a gigabyte.
inline constexpr int kMaxIcsValues = 200000;

// Throws IcsError (ending "nothing was imported.") when `data` breaks one of the limits above, holds
// NUL bytes or text that is not UTF-8, ends a block it did not begin, or has no
// BEGIN:VCALENDAR.
void PreScanIcs(const QByteArray& data);

}  // namespace morvessa
