#include "holidays/HolidayCatalogue.h"

#include "colours/ColorPalette.h"
#include "holidays/HolidayListMerge.h"
#include "settings/SettingsStore.h"
#include "core/CalendarNames.h"
#include "core/NumericText.h"
#include "holidays/HolidayStoredForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QStringList>

#include <algorithm>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace morvessa {

using namespace holiday_store;

namespace {

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
QStringList g_problemsToldAtLoad;  // what the last load found damaged in the tables, and told

[[noreturn]] void ThrowSubscript()
{
    throw std::out_of_range("Subscript out of range");
}

void CheckKeyNumber(int keyNumber)
{
    if (keyNumber < 1 || keyNumber > 7)
        ThrowSubscript();
}

HolidayTable MakeFixedDefaults()
{
    struct Row {
        int month;
        int day;
        const char* name;
    };
    static constexpr Row rows[] = {
        {1, 1, "New Year's Day"}, {6, 14, "Flag Day"},      {7, 4, "Independence Day"},
        {12, 25, "Christmas"},    {11, 11, "Veterans Day"}, {2, 14, "Valentine's Day"},
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
        {1, 2, 3, "Martin Luther King Day"},
        {9, 2, 1, "Labor Day"},
        {10, 2, 2, "Columbus Day"},
        {11, 5, 4, "Thanksgiving"},
        {5, 1, 2, "Mother's Day"},
        {6, 1, 3, "Father's Day"},
        {2, 2, 3, "President's Day"},
        {3, 1, 2, "Daylight Saving Time Begins"},
        {11, 1, 1, "Daylight Saving Time Ends"},
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

// All nine keys in one update of the store, so counts and columns always land together.
void SaveTables(const HolidayTable& fixed, const HolidayTable& floating)
{
    SettingValues values;
    AppendTableValues(values, fixed, floating);
    WriteSettings(values);
}

HolidayChangeListener& ChangeListener()
{
    static HolidayChangeListener listener;
    return listener;
}

void TellListener(const HolidayLists& before, const HolidayLists& after)
{
    if (ChangeListener() && !(before == after))
        ChangeListener()(before, after);
}

// The stored tables of one reading, as a change starts from them; false when the store holds no
// counts to go by (removed meanwhile, or never saved), so the tables in memory stand in for them.
bool StoredTablesForChange(const QHash<QString, QString>& stored, HolidayTable& fixed, HolidayTable& floating)
{
    if (!CountResetReasons(stored).isEmpty())
        return false;
    ReadTables tables = ReadStoredTables(stored, true);
    // Told (with the copy of the file) before anything replaces the damaged values, unless the load
    // told this very damage already.
    if (!tables.problems.isEmpty() && tables.problems != g_problemsToldAtLoad)
        ReportDamagedHolidays(tables.problems);
    fixed = std::move(tables.fixed);
    floating = std::move(tables.floating);
    return true;
}

// The stored rule list of one reading; false when the key is missing. What cannot be read is left
// out, kept aside first as the load does (unless it is there already, so the user is told once).
bool StoredRulesForChange(const QHash<QString, QString>& stored, std::vector<HolidayRule>& rules)
{
    const auto it = stored.constFind(QString::fromLatin1(key::RuleHolidays));
    if (it == stored.constEnd())
        return false;
    rules.clear();
    if (it.value().isEmpty())
        return true;
    RuleListReading reading = ReadRuleList(it.value());
    rules = std::move(reading.rules);
    if (!reading.damagedText.isEmpty() && !RuleTextKeptAside(reading.damagedText))
        KeepDamagedRuleHolidaysAside(reading);
    return true;
}

QStringList KeysOfAllLists()
{
    QStringList keys = StoredHolidayKeys();
    keys.append(QString::fromLatin1(key::RuleHolidays));
    keys.append(QString::fromLatin1(key::RuleHolidaysDamaged));
    return keys;
}

// The notices of the store and of the catalogue go to the catalogue's sink.
void ForwardStoreNotices()
{
    SetSettingsNoticeHandler([](const QString& text) { CurrentCatalogueMessageSink().ShowMessage(text); });
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
    ForwardStoreNotices();
    ReportDamagedSettingsFile();
    const QStringList keys = StoredHolidayKeys();
    QHash<QString, QString> stored = ReadSettings(keys);
    if (!CountResetReasons(stored).isEmpty()) {
        SettingsEditLock lock;
        // Another copy of the program may have written the tables meanwhile.
        stored = ReadSettings(keys);
        if (const QStringList reasons = CountResetReasons(stored); !reasons.isEmpty()) {
            if (HoldsHolidays(stored))
                ReportReset(reasons);
            g_fixed = DefaultFixedHolidays();
            g_floating = DefaultFloatingHolidays();
            SaveTables(g_fixed, g_floating);
            stored = ReadSettings(keys);
        }
    }
    ReadTables tables = ReadStoredTables(stored, false);
    // Nothing is written here: a damaged store stays as it is until the user changes a holiday.
    if (!tables.problems.isEmpty())
        ReportDamagedHolidays(tables.problems);
    g_problemsToldAtLoad = tables.problems;
    g_fixed = std::move(tables.fixed);
    g_floating = std::move(tables.floating);

    InitColors();
}

HolidayLists CurrentHolidayLists()
{
    return {g_fixed, g_floating, RuleHolidays()};
}

void ChangeHolidayLists(const std::function<bool(HolidayLists& lists)>& change)
{
    ForwardStoreNotices();
    SettingsEditLock lock;
    const QHash<QString, QString> stored = ReadSettings(KeysOfAllLists());
    HolidayLists before = CurrentHolidayLists();
    const bool tablesStored = StoredTablesForChange(stored, before.fixed, before.floating);
    const bool rulesStored = StoredRulesForChange(stored, before.rules);
    HolidayLists after = before;
    if (!change(after))
        return;
    SettingValues values;
    // Tables the store lacks are written as they stand, as a save from memory would.
    if (!tablesStored || !(after.fixed == before.fixed) || !(after.floating == before.floating))
        AppendTableValues(values, after.fixed, after.floating);
    if (after.rules != before.rules || (!rulesStored && !after.rules.empty()))
        values.emplace_back(QString::fromLatin1(key::RuleHolidays), RuleListText(after.rules));
    if (!values.empty())
        WriteSettings(values);
    g_fixed = after.fixed;
    g_floating = after.floating;
    RuleHolidays() = after.rules;
    RuleHolidaysAsLastStored() = after.rules;
    TellListener(before, after);
}

void ChangeHolidays(const std::function<void(HolidayTable& fixed, HolidayTable& floating)>& change)
{
    ChangeHolidayLists([&](HolidayLists& lists) {
        change(lists.fixed, lists.floating);
        return true;
    });
}

void SetHolidayChangeListener(HolidayChangeListener listener)
{
    ChangeListener() = std::move(listener);
}

QString StoredCellText(const HolidayCell& cell, bool nameColumn)
{
    return CellFromField(EscapeField(cell.Text()), nameColumn).Text();
}

bool SameHolidayRowContent(const HolidayTable& a, int rowA, const HolidayTable& b, int rowB)
{
    if (a.ColumnCount() != b.ColumnCount())
        return false;
    for (int column = 1; column <= a.ColumnCount(); ++column)
        if (StoredCellText(a.Cell(rowA, column), column == a.ColumnCount()) !=
            StoredCellText(b.Cell(rowB, column), column == b.ColumnCount()))
            return false;
    return true;
}

int SameHolidayRow(const HolidayTable& from, int row, const HolidayTable& in)
{
    if (row < 1 || row > from.RowCount() || from.ColumnCount() != in.ColumnCount())
        return 0;
    int rank = 0;  // how many equal rows come before it
    for (int r = 1; r < row; ++r)
        rank += SameHolidayRowContent(from, r, from, row) ? 1 : 0;
    for (int r = 1; r <= in.RowCount(); ++r)
        if (SameHolidayRowContent(from, row, in, r) && rank-- == 0)
            return r;
    return 0;
}

void SaveHolidays()
{
    SettingsEditLock lock;
    HolidayLists before = CurrentHolidayLists();
    StoredTablesForChange(ReadSettings(StoredHolidayKeys()), before.fixed, before.floating);
    SaveTables(g_fixed, g_floating);
    TellListener(before, CurrentHolidayLists());
}

// Beside the tables' saves, so that both tell the undo history what they replaced.
void SaveRuleHolidays()
{
    SettingsEditLock lock;
    HolidayLists before = CurrentHolidayLists();
    before.rules.clear();  // a store without the key holds no rule holiday
    std::vector<HolidayRule> rules = RuleHolidays();
    if (StoredRulesForChange(ReadSettings(KeysOfAllLists()), before.rules))
        rules = MergeRuleChange(RuleHolidaysAsLastStored(), rules, before.rules);
    WriteSettings({{QString::fromLatin1(key::RuleHolidays), RuleListText(rules)}});
    RuleHolidays() = rules;
    RuleHolidaysAsLastStored() = std::move(rules);
    TellListener(before, CurrentHolidayLists());
}

QString HolidayColumnText(const HolidayTable& table, int column)
{
    if (column < 1 || column > table.ColumnCount())
        ThrowSubscript();
    QString text;
    for (int row = 1; row <= table.RowCount(); ++row) {
        text += EscapeField(table.Cell(row, column).Text());
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
    const QString text = ReadSetting(ColumnKey(keyNumber), QString());
    if (text.isEmpty()) {
        CurrentCatalogueMessageSink().ShowMessage(NoSavedValueMessage());
        return;
    }
    const QStringList fields = FieldsOfPieces(text.split(kRowEnd));
    if (fields.size() > target.RowCount())
        throw std::out_of_range(QStringLiteral("Subscript out of range: %1 holds %2 entries for %3 rows")
                                    .arg(ColumnKey(keyNumber))
                                    .arg(fields.size())
                                    .arg(target.RowCount())
                                    .toStdString());
    const int column = ColumnOfKey(keyNumber);
    for (int row = 1; row <= static_cast<int>(fields.size()); ++row)
        target.Cell(row, column) = CellFromField(fields[row - 1], column == target.ColumnCount());
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
    if (save)
        ChangeHolidays([](HolidayTable& fixed, HolidayTable&) { fixed = DefaultFixedHolidays(); });
    else
        g_fixed = DefaultFixedHolidays();
}

void RestoreFloatingDefaults(bool save)
{
    if (save)
        ChangeHolidays([](HolidayTable&, HolidayTable& floating) { floating = DefaultFloatingHolidays(); });
    else
        g_floating = DefaultFloatingHolidays();
}

void SetCatalogueMessageSink(CatalogueMessageSink* sink)
{
    g_sink = sink;
    ForwardStoreNotices();
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
