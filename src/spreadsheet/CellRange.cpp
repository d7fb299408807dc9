#include "spreadsheet/CellRange.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "spreadsheet/HostError.h"

namespace morvessa::sheet {
namespace {

[[noreturn]] void Malformed(std::string_view address)
{
    throw AddressError("\"" + std::string(address) + "\" is not a valid cell or range address");
}

[[noreturn]] void OutOfLimits(std::string_view address)
{
    throw AddressError("The address \"" + std::string(address) +
                       "\" lies outside the sheet (columns A to IV, rows 1 to 65536)");
}

// One side of an address: "$A$1", "A1", "A", "$1". Missing parts stay nullopt.
struct Reference {
    std::optional<int> row;
    std::optional<int> column;
};

bool IsLetter(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

Reference ParseReference(std::string_view part, std::string_view whole)
{
    const std::size_t n = part.size();
    std::size_t i = 0;
    if (i < n && part[i] == '$')
        ++i;
    const std::size_t lettersStart = i;
    while (i < n && IsLetter(part[i]))
        ++i;
    const std::size_t letterCount = i - lettersStart;
    bool rowDollar = false;
    if (letterCount > 0 && i < n && part[i] == '$') {
        rowDollar = true;
        ++i;
    }
    const std::size_t digitsStart = i;
    while (i < n && IsDigit(part[i]))
        ++i;
    const std::size_t digitCount = i - digitsStart;
    if (i != n || (letterCount == 0 && digitCount == 0) || (rowDollar && digitCount == 0))
        Malformed(whole);

    Reference ref;
    if (letterCount > 0) {
        if (letterCount > 3)
            OutOfLimits(whole);
        int column = 0;
        for (std::size_t k = lettersStart; k < lettersStart + letterCount; ++k)
            column = column * 26 + (std::toupper(static_cast<unsigned char>(part[k])) - 'A' + 1);
        ref.column = column;
    }
    if (digitCount > 0) {
        if (digitCount > 6)
            OutOfLimits(whole);
        int row = 0;
        for (std::size_t k = digitsStart; k < i; ++k)
            row = row * 10 + (part[k] - '0');
        ref.row = row;
    }
    return ref;
}

void CheckRow(int row, std::string_view whole)
{
    if (row < 1 || row > kMaxRows)
        OutOfLimits(whole);
}
void CheckColumn(int column, std::string_view whole)
{
    if (column < 1 || column > kMaxColumns)
        OutOfLimits(whole);
}

}  // namespace

CellRange CellRange::Checked(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    if (firstRow < 1 || lastRow > kMaxRows || firstColumn < 1 || lastColumn > kMaxColumns ||
        firstRow > lastRow || firstColumn > lastColumn) {
        throw AddressError("The range R" + std::to_string(firstRow) + "C" + std::to_string(firstColumn) +
                           ":R" + std::to_string(lastRow) + "C" + std::to_string(lastColumn) +
                           " lies outside the sheet (columns 1 to 256, rows 1 to 65536)");
    }
    return {firstRow, firstColumn, lastRow, lastColumn};
}

CellRange CellRange::Parse(std::string_view address)
{
    std::string_view text = address;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty())
        Malformed(address);
    std::size_t colon = text.find(':');
    Reference first;
    Reference second;
    if (colon == std::string_view::npos) {
        first = ParseReference(text, address);
        second = first;
        // A lone "A" or "1" is not a cell address.
        if (!first.row || !first.column)
            Malformed(address);
    } else {
        if (text.find(':', colon + 1) != std::string_view::npos)
            Malformed(address);
        first = ParseReference(text.substr(0, colon), address);
        second = ParseReference(text.substr(colon + 1), address);
        bool firstCell = first.row && first.column;
        bool secondCell = second.row && second.column;
        bool columnsOnly = !first.row && !second.row;
        bool rowsOnly = !first.column && !second.column;
        if (!(firstCell && secondCell) && !columnsOnly && !rowsOnly)
            Malformed(address);
    }
    CellRange range;
    if (first.row && first.column) {
        CheckRow(*first.row, address);
        CheckColumn(*first.column, address);
        CheckRow(*second.row, address);
        CheckColumn(*second.column, address);
        range = {std::min(*first.row, *second.row), std::min(*first.column, *second.column),
                 std::max(*first.row, *second.row), std::max(*first.column, *second.column)};
    } else if (first.column) {
        CheckColumn(*first.column, address);
        CheckColumn(*second.column, address);
        range =
            WholeColumns(std::min(*first.column, *second.column), std::max(*first.column, *second.column));
    } else {
        CheckRow(*first.row, address);
        CheckRow(*second.row, address);
        range = WholeRows(std::min(*first.row, *second.row), std::max(*first.row, *second.row));
    }
    return range;
}

CellRange CellRange::Union(const CellRange& other) const
{
    return {std::min(firstRow, other.firstRow), std::min(firstColumn, other.firstColumn),
            std::max(lastRow, other.lastRow), std::max(lastColumn, other.lastColumn)};
}

std::string CellRange::Address(bool rowAbsolute, bool columnAbsolute) const
{
    std::string text;
    auto column = [&](int c) {
        if (columnAbsolute)
            text += '$';
        text += ColumnLetters(c);
    };
    auto row = [&](int r) {
        if (rowAbsolute)
            text += '$';
        text += std::to_string(r);
    };
    if (SpansAllRows() && !SpansAllColumns()) {
        column(firstColumn);
        text += ':';
        column(lastColumn);
    } else if (SpansAllColumns()) {
        row(firstRow);
        text += ':';
        row(lastRow);
    } else {
        column(firstColumn);
        row(firstRow);
        if (!IsSingleCell()) {
            text += ':';
            column(lastColumn);
            row(lastRow);
        }
    }
    return text;
}

std::string ColumnLetters(int column)
{
    if (column < 1 || column > kMaxColumns)
        throw AddressError("Column " + std::to_string(column) + " lies outside the sheet (columns 1 to 256)");
    std::string letters;
    while (column > 0) {
        int digit = (column - 1) % 26;
        letters.insert(letters.begin(), char('A' + digit));
        column = (column - 1) / 26;
    }
    return letters;
}

int ColumnNumber(std::string_view letters)
{
    if (letters.empty() || letters.size() > 3)
        throw AddressError("\"" + std::string(letters) + "\" is not a column of the sheet (A to IV)");
    int column = 0;
    for (char c : letters) {
        if (!IsLetter(c))
            throw AddressError("\"" + std::string(letters) + "\" is not a column of the sheet (A to IV)");
        column = column * 26 + (std::toupper(static_cast<unsigned char>(c)) - 'A' + 1);
    }
    if (column > kMaxColumns)
        throw AddressError("\"" + std::string(letters) + "\" is not a column of the sheet (A to IV)");
    return column;
}

}  // namespace morvessa::sheet
