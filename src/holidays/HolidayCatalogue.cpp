#include "holidays/HolidayCatalogue.h"

#include "colours/ColorPalette.h"
#include "settings/SettingsStore.h"
#include "core/CalendarNames.h"
#include "core/NumericText.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace morvessa {

namespace {

constexpr QChar kFieldEnd = u'|';
constexpr QChar kRowEnd = QChar(0x00AC);  // the not sign

class StderrCatalogueMessageSink final : public CatalogueMessageSink {
public:
    void ShowMessage(const QString& text) override
    {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
};

StderrCatalogueMessageSink g_stderrSink;
CatalogueMessageSink* g_sink = nullptr;

HolidayTable g_fixed(3);
HolidayTable g_floating(4);

[[noreturn]] void ThrowSubscript()
{
    throw std::out_of_range("Subscript out of range");
}

void CheckKeyNumber(int keyNumber)
{
    if (keyNumber < 1 || keyNumber > 7)
        ThrowSubscript();
}

QString ColumnKey(int keyNumber)
{
    return QString::number(keyNumber) + QStringLiteral("Data");
}

int ColumnOfKey(int keyNumber)
{
    return keyNumber <= 3 ? keyNumber : keyNumber - 3;
}

HolidayTable MakeFixedDefaults()
{
    struct Row {
        int month;
        int day;
        const char* name;
    };
    static constexpr Row rows[] = {
        {1, 1, "New Year's Day"}, {6, 14, "Flag Day"},       {7, 4, "Independence Day"},
        {12, 25, "Christmas"},    {11, 11, "Veteran's Day"}, {2, 14, "Valentine's Day"},
        {10, 31, "Halloween"},
    };
    HolidayTable table(3);
    table.Reset(static_cast<int>(std::size(rows)));
    int r = 1;
    for (const Row& row : rows) {
        table.Cell(r, fixed_column::Month) = row.month;
        table.Cell(r, fixed_column::Day) = row.day;
        table.Cell(r, fixed_column::Name) = QString::fromUtf8(row.name);
        ++r;
    }
    return table;
}

HolidayTable MakeFloatingDefaults()
{
    constexpr int kLast = 0;  // stands for the text "Last"
    struct Row {
        int month;
        int weekday;
        int occurrence;
        const char* name;
    };
    static constexpr Row rows[] = {
        {5, 2, kLast, "Memorial Day"},
        {1, 2, 3, "Martin Luthar King Day"},
        {9, 2, 1, "Labor Day"},
        {10, 2, 2, "Columbus Day"},
        {11, 5, 4, "Thanksgiving"},
        {5, 1, 2, "Mother's Day"},
        {6, 1, 3, "Father's Day"},
        {2, 2, 3, "President's Day"},
        {4, 1, 1, "Daylight Savings Time Begins"},
        {10, 1, kLast, "Daylight Savings Time Ends"},
    };
    HolidayTable table(4);
    table.Reset(static_cast<int>(std::size(rows)));
    int r = 1;
    for (const Row& row : rows) {
        table.Cell(r, floating_column::Month) = row.month;
        table.Cell(r, floating_column::Weekday) = row.weekday;
        table.Cell(r, floating_column::Occurrence) =
            row.occurrence == kLast ? HolidayCell(kLastOccurrenceName) : HolidayCell(row.occurrence);
        table.Cell(r, floating_column::Name) = QString::fromUtf8(row.name);
        ++r;
    }
    return table;
}

// A stored field: a number when it reads as one, otherwise its text. An empty field is an empty cell.
HolidayCell CellFromField(const QString& field)
{
    if (field.isEmpty())
        return HolidayCell();
    if (IsNumeric(field))
        return HolidayCell(LeadingNumber(field));
    return HolidayCell(field);
}

// Reads column key `keyNumber` into a copy of its column and puts it into `table` only when every
// piece fits. An empty key only shows the message and changes nothing.
void ReadColumnInto(HolidayTable& table, int keyNumber, const QString& countKey)
{
    CheckKeyNumber(keyNumber);
    const int column = ColumnOfKey(keyNumber);
    if (column > table.ColumnCount())
        ThrowSubscript();
    const QString text = ReadSetting(ColumnKey(keyNumber), QString());
    if (text.isEmpty()) {
        CurrentCatalogueMessageSink().ShowMessage(
            QCoreApplication::translate("HolidayCatalogue", kNoSavedValueMessage));
        return;
    }
    const QStringList pieces = text.split(kRowEnd);
    if (pieces.size() > table.RowCount()) {
        throw std::out_of_range(
            QStringLiteral("Subscript out of range: the stored column %1 holds %2 entries, "
                           "but %3 says %4")
                .arg(ColumnKey(keyNumber))
                .arg(pieces.size())
                .arg(countKey)
                .arg(table.RowCount())
                .toStdString());
    }
    std::vector<HolidayCell> cells;
    cells.reserve(static_cast<std::size_t>(pieces.size()));
    for (const QString& piece : pieces) {
        const qsizetype fieldEnd = piece.indexOf(kFieldEnd);
        cells.push_back(CellFromField(fieldEnd < 0 ? piece : piece.left(fieldEnd)));
    }
    for (int row = 1; row <= static_cast<int>(cells.size()); ++row)
        table.Cell(row, column) = cells[static_cast<std::size_t>(row - 1)];
}

QString CountKeyOfColumn(int keyNumber)
{
    return QString::fromLatin1(keyNumber <= 3 ? key::FixedHolidaysCount : key::FloatingHolidaysCount);
}

// The row count a stored count stands for; throws on a count no table can have.
int StoredRowCount(const char* countKey)
{
    const QString text = ReadSetting(QString::fromLatin1(countKey), QString());
    std::int32_t count = 0;
    try {
        count = ToWholeNumber(text);
    } catch (const ConversionError& error) {
        throw ConversionError(QStringLiteral("%1: the stored %2 \"%3\" is not a whole number")
                                  .arg(QString::fromUtf8(error.what()), QString::fromLatin1(countKey), text)
                                  .toStdString());
    }
    if (count < 0 || count > kMaxHolidayRows) {
        throw std::out_of_range(QStringLiteral("Subscript out of range: the stored %1 is %2, outside 0 to %3")
                                    .arg(QString::fromLatin1(countKey))
                                    .arg(count)
                                    .arg(kMaxHolidayRows)
                                    .toStdString());
    }
    return count;
}

// All nine keys in one update of the store, so counts and columns always land together.
void SaveTables(const HolidayTable& fixed, const HolidayTable& floating)
{
    SettingValues values;
    for (int keyNumber = 1; keyNumber <= 7; ++keyNumber) {
        if (keyNumber == 1)
            values.emplace_back(QString::fromLatin1(key::FixedHolidaysCount),
                                QString::number(fixed.RowCount()));
        if (keyNumber == 4)
            values.emplace_back(QString::fromLatin1(key::FloatingHolidaysCount),
                                QString::number(floating.RowCount()));
        const HolidayTable& table = keyNumber <= 3 ? fixed : floating;
        values.emplace_back(ColumnKey(keyNumber), HolidayColumnText(table, ColumnOfKey(keyNumber)));
    }
    WriteSettings(values);
}

}  // namespace

QString HolidayCell::Text() const
{
    switch (kind_) {
    case Kind::Number:
        return NumberText(number_);
    case Kind::Text:
        return text_;
    case Kind::Empty:
        break;
    }
    return QString();
}

bool operator==(const HolidayCell& a, const HolidayCell& b)
{
    if (a.kind_ != b.kind_)
        return false;
    switch (a.kind_) {
    case HolidayCell::Kind::Number:
        return a.number_ == b.number_;
    case HolidayCell::Kind::Text:
        return a.text_ == b.text_;
    case HolidayCell::Kind::Empty:
        break;
    }
    return true;
}

HolidayCell& HolidayTable::Cell(int row, int column)
{
    if (row < 1 || row > RowCount() || column < 1 || column > columns_)
        ThrowSubscript();
    return cells_[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_) +
                  static_cast<std::size_t>(column - 1)];
}

const HolidayCell& HolidayTable::Cell(int row, int column) const
{
    return const_cast<HolidayTable*>(this)->Cell(row, column);
}

void HolidayTable::Reset(int rowCount)
{
    if (rowCount < 0 || rowCount > kMaxHolidayRows)
        ThrowSubscript();
    cells_.assign(static_cast<std::size_t>(rowCount) * static_cast<std::size_t>(columns_), HolidayCell());
}

HolidayTable& FixedHolidays()
{
    return g_fixed;
}

HolidayTable& FloatingHolidays()
{
    return g_floating;
}

const HolidayTable& DefaultFixedHolidays()
{
    static const HolidayTable table = MakeFixedDefaults();
    return table;
}

const HolidayTable& DefaultFloatingHolidays()
{
    static const HolidayTable table = MakeFloatingDefaults();
    return table;
}

void LoadHolidays()
{
    const double fixedCount =
        LeadingNumber(ReadSetting(QString::fromLatin1(key::FixedHolidaysCount), QString()));
    const double floatingCount =
        LeadingNumber(ReadSetting(QString::fromLatin1(key::FloatingHolidaysCount), QString()));
    // A count that rounds to no rows counts as missing: a loaded table always has a row.
    if (RoundHalfEven(fixedCount) == 0.0 || RoundHalfEven(floatingCount) == 0.0) {
        g_fixed = DefaultFixedHolidays();
        g_floating = DefaultFloatingHolidays();
        SaveHolidays();
    }

    // Everything is read into new tables first, so a damaged store leaves the current ones alone.
    HolidayTable fixed(3);
    HolidayTable floating(4);
    fixed.Reset(StoredRowCount(key::FixedHolidaysCount));
    floating.Reset(StoredRowCount(key::FloatingHolidaysCount));
    for (int keyNumber = 1; keyNumber <= 7; ++keyNumber)
        ReadColumnInto(keyNumber <= 3 ? fixed : floating, keyNumber, CountKeyOfColumn(keyNumber));
    g_fixed = std::move(fixed);
    g_floating = std::move(floating);

    InitColors();
}

void SaveHolidays()
{
    SaveTables(g_fixed, g_floating);
}

QString HolidayColumnText(const HolidayTable& table, int column)
{
    if (column < 1 || column > table.ColumnCount())
        ThrowSubscript();
    QString text;
    for (int row = 1; row <= table.RowCount(); ++row) {
        text += table.Cell(row, column).Text();
        text += kFieldEnd;
        text += kRowEnd;
    }
    text.chop(1);
    return text;
}

void SaveHolidayColumn(const HolidayTable& table, int keyNumber)
{
    CheckKeyNumber(keyNumber);
    WriteSetting(ColumnKey(keyNumber), HolidayColumnText(table, ColumnOfKey(keyNumber)));
}

void LoadHolidayColumn(int keyNumber)
{
    CheckKeyNumber(keyNumber);
    HolidayTable& target = keyNumber <= 3 ? g_fixed : g_floating;
    HolidayTable updated = target;
    ReadColumnInto(updated, keyNumber, CountKeyOfColumn(keyNumber));
    target = std::move(updated);
}

void DeleteHolidayRow(HolidayTable& table, int row)
{
    if (table.RowCount() < 2 || row < 1 || row > table.RowCount())
        return;
    const auto first = table.cells_.begin() + static_cast<std::ptrdiff_t>(row - 1) * table.columns_;
    table.cells_.erase(first, first + table.columns_);
}

void AppendHolidayRow(HolidayTable& table)
{
    if (table.RowCount() >= kMaxHolidayRows)
        throw std::length_error("A holiday table holds at most " + std::to_string(kMaxHolidayRows) + " rows");
    table.cells_.resize(table.cells_.size() + static_cast<std::size_t>(table.columns_));
}

void RestoreFixedDefaults(bool save)
{
    g_fixed = DefaultFixedHolidays();
    if (save) {
        WriteSetting(QString::fromLatin1(key::FixedHolidaysCount), QStringLiteral("7"));
        SaveHolidays();
    }
}

void RestoreFloatingDefaults(bool save)
{
    g_floating = DefaultFloatingHolidays();
    if (save) {
        WriteSetting(QString::fromLatin1(key::FloatingHolidaysCount), QStringLiteral("10"));
        SaveHolidays();
    }
}

void SetCatalogueMessageSink(CatalogueMessageSink* sink)
{
    g_sink = sink;
}

CatalogueMessageSinkHook::Value& CatalogueMessageSinkHook::Slot()
{
    return g_sink;
}

CatalogueMessageSink& CurrentCatalogueMessageSink()
{
    return g_sink ? *g_sink : g_stderrSink;
}

}  // namespace morvessa
