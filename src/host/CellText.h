#pragma once
// How a cell's value reads on screen: numbers through their number format (General, fixed
// decimals, dates such as "mmmm yyyy"), text as it stands.

#include <string>
#include <string_view>

namespace morvessa {

// A number as the General format shows it in a wide cell: integers plainly, others with at most
// ten significant digits and no trailing zeros ("0.5", "3.14159265", "1E+20" for huge values).
std::string GeneralNumberText(double value);

// True when the format shows a date or time (it holds d, m, y, h or s outside quotes and escapes).
bool IsDateFormat(std::string_view format);

// The number shown through the format. Supported: "General" (or empty), "@", digit patterns such
// as "0", "0.00", "#,##0.0", "0%", and date formats built from d, dd, ddd, dddd, m, mm, mmm, mmmm,
// mmmmm, yy, yyyy with literal text, quoted text and backslash escapes. Sections after ";" choose
// by sign as usual. Dates use the 1900 date system, including its phantom 29 February 1900.
std::string FormatNumber(double value, std::string_view format);

}  // namespace morvessa
