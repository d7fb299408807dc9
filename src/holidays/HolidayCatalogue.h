#pragma once
// The user's holidays: a table of fixed-date holidays (month, day, name) and one of floating-date
// holidays (month, weekday, occurrence 1..4 or "Last", name), loaded from and saved to the settings
// store. Rows and columns are numbered from 1, as the windows address them.

#include "core/ScopedOverride.h"
#include "holidays/HolidayRules.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

namespace morvessa {

// One table cell: empty, a number or text.
class HolidayCell {
public:
    enum class Kind { Empty, Number, Text };

    HolidayCell() = default;
    HolidayCell(double number) : kind_(Kind::Number), number_(number) {}  // NOLINT: cells read like values
    HolidayCell(int number) : kind_(Kind::Number), number_(number) {}     // NOLINT
    HolidayCell(const QString& text) : kind_(Kind::Text), text_(text) {}  // NOLINT
    HolidayCell(const char* text) : kind_(Kind::Text), text_(QString::fromUtf8(text)) {}  // NOLINT

    Kind kind() const { return kind_; }
    bool IsEmpty() const { return kind_ == Kind::Empty; }
    bool IsNumber() const { return kind_ == Kind::Number; }
    bool IsText() const { return kind_ == Kind::Text; }

    // The number of a number cell (0 for others).
    double Number() const { return kind_ == Kind::Number ? number_ : 0.0; }
    // The text form: a number in plain decimal ("14"), text as it is, "" for an empty cell.
    QString Text() const;

    friend bool operator==(const HolidayCell& a, const HolidayCell& b);

private:
    Kind kind_ = Kind::Empty;
    double number_ = 0.0;
    QString text_;
};

// The most rows a table may hold (row numbers are 16-bit in the stored form's history).
inline constexpr int kMaxHolidayRows = 32766;

// A table of rows 1..RowCount(), each of ColumnCount() cells.
class HolidayTable {
public:
    explicit HolidayTable(int columnCount) : columns_(columnCount) {}

    int RowCount() const { return static_cast<int>(cells_.size() / static_cast<std::size_t>(columns_)); }
    int ColumnCount() const { return columns_; }

    // Row and column from 1; outside the table throws std::out_of_range("Subscript out of range").
    HolidayCell& Cell(int row, int column);
    const HolidayCell& Cell(int row, int column) const;

    // RowCount() rows of empty cells; a negative count or one above kMaxHolidayRows throws.
    void Reset(int rowCount);

    friend bool operator==(const HolidayTable&, const HolidayTable&) = default;

private:
    friend void AppendHolidayRow(HolidayTable& table);
    friend void DeleteHolidayRow(HolidayTable& table, int row);
    int columns_;
    std::vector<HolidayCell> cells_;  // row-major
};

// Column numbers of the two tables.
namespace fixed_column {
inline constexpr int Month = 1, Day = 2, Name = 3;
}
namespace floating_column {
inline constexpr int Month = 1, Weekday = 2, Occurrence = 3, Name = 4;
}

// The two global tables (3 and 4 columns). They start empty; LoadHolidays fills them.
HolidayTable& FixedHolidays();
HolidayTable& FloatingHolidays();

// The default rows, exactly as first-run users get them.
const HolidayTable& DefaultFixedHolidays();
const HolidayTable& DefaultFloatingHolidays();

// Loads both tables from the store, then InitColors. When either count is missing, 0 or not a
// number, both tables become the defaults and are saved; if the store held holidays, a copy of the
// settings file is kept first and the user is told. A damaged store - a count that is not a whole
// number, a column whose entries do not match its count, a column written in another encoding -
// is not written: the tables hold every row that could be read, a copy of the file is kept and the
// user is told once, in plain words, what is wrong and where the copy is. An unparseable settings
// file is reported the same way.
void LoadHolidays();

// The three lists of holidays at one moment: the two tables and the rule holidays.
struct HolidayLists {
    HolidayTable fixed{3};
    HolidayTable floating{4};
    std::vector<HolidayRule> rules;

    friend bool operator==(const HolidayLists&, const HolidayLists&) = default;
};
HolidayLists CurrentHolidayLists();

// One change of the holiday lists, made under the store's edit lock so that another copy of the
// program (or morvessa-batch) loses nothing: the stored lists are read again and `change` is applied
// to them. When it returns true, the lists it changed are saved in one update and the lists in memory
// become the result (so they also show what the other copy stored). When it returns false or throws,
// or the store cannot be written, nothing is written and the lists in memory stay as they were.
// A list the store does not hold (its keys are missing) starts from the list in memory. Damaged
// tables are read as the load reads them (every readable row; a copy of the file is kept and the user
// told before anything is written); a damaged rule list is kept aside as the load does and reads as
// empty. Nothing is written for lists the change left as they were.
void ChangeHolidayLists(const std::function<bool(HolidayLists& lists)>& change);

// ChangeHolidayLists for the two tables alone (the rule list is refreshed from the store, not changed).
void ChangeHolidays(const std::function<void(HolidayTable& fixed, HolidayTable& floating)>& change);

// Told of every change of the stored lists this copy makes (ChangeHolidayLists, SaveHolidays,
// SaveRuleHolidays): what the store held just before and what was saved. One listener; the undo
// history installs it. nullptr removes it.
using HolidayChangeListener = std::function<void(const HolidayLists& before, const HolidayLists& after)>;
void SetHolidayChangeListener(HolidayChangeListener listener);

// The text of a cell as the store gives it back (a month typed "03" reads back as the number 3; a
// name is text and comes back as it is).
QString StoredCellText(const HolidayCell& cell, bool nameColumn);

// Whether row `rowA` of `a` and row `rowB` of `b` are the same holiday as the store keeps it: the
// same text in every cell once read back (a month typed "03" is stored and read back as 3).
bool SameHolidayRowContent(const HolidayTable& a, int rowA, const HolidayTable& b, int rowB);

// The row of `in` that is the same holiday as row `row` of `from`: the same content
// (SameHolidayRowContent) and the same rank among equal rows; 0 when `in` no longer holds it.
int SameHolidayRow(const HolidayTable& from, int row, const HolidayTable& in);

// Writes the two tables in memory as they are: FixedHolidaysCount, 1Data..3Data,
// FloatingHolidaysCount, 4Data..7Data, in that order, in one update.
void SaveHolidays();

// Writes column key `keyNumber` (1..7: 1..3 from the fixed table, 4..7 from the floating one) of
// `table`: every cell's text form + "|" + "¬", without the final "¬" ("1|¬6|¬7|").
void SaveHolidayColumn(const HolidayTable& table, int keyNumber);

// The text SaveHolidayColumn stores for column `column` of `table`.
QString HolidayColumnText(const HolidayTable& table, int column);

// Reads column key `keyNumber` (1..7) into its column of the global tables. An empty or missing key
// shows kNoSavedValueMessage and leaves the column empty. More pieces than rows throws
// std::out_of_range and leaves the column as it was. (LoadHolidays reads all columns at once.)
void LoadHolidayColumn(int keyNumber);

// Removes one row (from 1). Does nothing on a table of fewer than 2 rows or a row outside it.
// Does not save.
void DeleteHolidayRow(HolidayTable& table, int row);

// Adds one empty row at the end; throws std::length_error at kMaxHolidayRows. Does not save.
void AppendHolidayRow(HolidayTable& table);

// Replace one table by its defaults; with `save` as one ChangeHolidays, so the other table is kept
// as stored.
void RestoreFixedDefaults(bool save);
void RestoreFloatingDefaults(bool save);

// The message for an empty column key (nothing is appended to it).
inline constexpr const char* kNoSavedValueMessage =
    QT_TRANSLATE_NOOP("HolidayCatalogue", "No Saved Value To Retrieve For Range : ");

// Where the catalogue's messages go: a message box (OK only, no icon, application title) in the
// program; stderr by default.
class CatalogueMessageSink {
public:
    virtual ~CatalogueMessageSink() = default;
    virtual void ShowMessage(const QString& text) = 0;
};

// Installs `sink` (not owned); nullptr goes back to stderr. The settings store's notices (a damaged
// file and where its copy is) go to the same sink.
void SetCatalogueMessageSink(CatalogueMessageSink* sink);
CatalogueMessageSink& CurrentCatalogueMessageSink();

// Keeps every message; for tests and tools.
class RecordingCatalogueMessageSink final : public CatalogueMessageSink {
public:
    void ShowMessage(const QString& text) override { messages.push_back(text); }
    std::vector<QString> messages;
};

// Installs a sink for one scope and puts the previous one back afterwards.
struct CatalogueMessageSinkHook {
    using Value = CatalogueMessageSink*;
    static Value& Slot();
};
using ScopedCatalogueMessageSink = ScopedOverride<CatalogueMessageSinkHook>;

}  // namespace morvessa
