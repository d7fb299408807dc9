#include "spreadsheet/CellValue.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "spreadsheet/HostError.h"

namespace morvessa::sheet {

double CellValue::Number() const
{
    if (!IsNumber())
        throw HostError("Type mismatch");
    return std::get<double>(data_);
}

const std::string& CellValue::Text() const
{
    if (!IsText())
        throw HostError("Type mismatch");
    return *std::get<OwnedText>(data_);
}

std::string CellValue::FormulaText() const
{
    if (IsEmpty())
        return {};
    if (IsText())
        return *std::get<OwnedText>(data_);
    double number = std::get<double>(data_);
    if (number == 0)
        return "0";  // also for -0
    char buffer[40];
    // Fifteen significant digits, as spreadsheet programs keep them.
    std::snprintf(buffer, sizeof buffer, "%.15G", number);
    return buffer;
}

std::optional<double> CellValue::ParseNumber(std::string_view input)
{
    while (!input.empty() && input.front() == ' ')
        input.remove_prefix(1);
    while (!input.empty() && input.back() == ' ')
        input.remove_suffix(1);
    if (input.empty())
        return std::nullopt;
    bool negative = false;
    if (input.front() == '+' || input.front() == '-') {
        negative = input.front() == '-';
        input.remove_prefix(1);
    }
    // Only plain decimal notation: digits, one point, an exponent. No "inf", "nan" or hex.
    bool digits = false;
    for (char c : input) {
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-')
            return std::nullopt;
    }
    if (!digits || input.front() == 'e' || input.front() == 'E' || input.front() == '+' ||
        input.front() == '-')
        return std::nullopt;
    double value = 0;
    auto [end, error] =
        std::from_chars(input.data(), input.data() + input.size(), value, std::chars_format::general);
    if (error != std::errc() || end != input.data() + input.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

CellValue CellValue::FromInput(std::string_view input)
{
    if (input.empty())
        return {};
    if (input.front() == '\'')
        return CellValue(std::string(input.substr(1)));
    if (input.front() == '=' && input.size() > 1)
        throw HostError("Formulas are not supported by this spreadsheet host: " + std::string(input));
    if (auto number = ParseNumber(input))
        return CellValue(*number);
    return CellValue(std::string(input));
}

}  // namespace morvessa::sheet
