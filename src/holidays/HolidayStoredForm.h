#pragma once
// The holiday catalogue's stored form, for the catalogue's own files only: the nine settings keys
// of the fixed and floating tables, reading them back (keeping every row a damaged table still
// holds), writing them, and telling the user about damage once.
//
// Each table is stored as a count key and one key per column; a column holds one field per row,
// each ended by "|" and then by the not sign.

#include "holidays/HolidayCatalogue.h"
#include "settings/SettingsStore.h"

#include <QChar>
#include <QHash>
#include <QString>
#include <QStringList>

namespace morvessa::holiday_store {

inline constexpr QChar kFieldEnd = u'|';
inline constexpr QChar kRowEnd = QChar(0x00AC);  // the not sign

// The key of a column: "1Data" .. "7Data" (1..3 the fixed table's, 4..7 the floating table's).
QString ColumnKey(int keyNumber);
// The column within its table of a column key's number.
int ColumnOfKey(int keyNumber);

// The stored form, one entry per table: its count key and its column keys in column order. The
// nine keys are written in this order, each count before its columns.
struct StoredTable {
    const char* countKey;
    int firstKeyNumber;
    int columnCount;
};
inline constexpr StoredTable kStoredTables[] = {
    {key::FixedHolidaysCount, 1, 3},
    {key::FloatingHolidaysCount, 4, 4},
};

// The nine keys, each count before its columns, and the key that lets a list be empty.
QStringList StoredHolidayKeys();
// Whether the store lets a list hold no holiday (key::EmptyHolidayLists).
bool EmptyListsAllowed(const QHash<QString, QString>& stored);

// The separators inside a name are stored escaped, so a name comes back whole: "|" as kEscape "1",
// the not sign as kEscape "2", kEscape itself doubled. Text without any of the three is stored as it is.
inline constexpr QChar kEscape = QChar(0x241B);  // the symbol for escape
QString EscapeField(const QString& text);
QString UnescapeField(const QString& field);

// A stored field (escaped): a number when it reads as one, otherwise its text; a name column's field
// is always its text ("007" stays "007"). An empty field is an empty cell.
HolidayCell CellFromField(const QString& field, bool nameColumn);

// The pieces of a stored column, one per row. A not sign written in another encoding (one Latin-1
// byte) reads as U+FFFD; when the proper split does not match the count, that split is tried.
QStringList ColumnPieces(const QString& text, int expectedRows, bool& foreignSeparator);
// The field of each piece (what stands before its "|").
QStringList FieldsOfPieces(const QStringList& pieces);

// Whether the store holds anything of the holiday tables (a first run holds nothing).
bool HoldsHolidays(const QHash<QString, QString>& stored);

// The tables the stored keys describe, and what is wrong with them in plain words. A damaged
// table keeps every row any of its columns holds, so nothing stored is dropped.
struct ReadTables {
    HolidayTable fixed{3};
    HolidayTable floating{4};
    QStringList problems;
};
// `quiet`: an empty column is not reported (a change reads the store again, the load has told).
ReadTables ReadStoredTables(const QHash<QString, QString>& stored, bool quiet);

// The nine keys of both tables, each count before its columns.
void AppendTableValues(SettingValues& values, const HolidayTable& fixed, const HolidayTable& floating);

// --- damage ---
QString NoSavedValueMessage();
// Why the stored counts make the load start from the default tables ("1Count is missing"); empty
// when both counts are numbers other than 0.
QStringList CountResetReasons(const QHash<QString, QString>& stored);
// Tells the user once what is damaged, after keeping a copy of the settings file.
void ReportDamagedHolidays(const QStringList& problems);
// Tells the user once that both tables were reset to the defaults, and why.
void ReportReset(const QStringList& reasons);

}  // namespace morvessa::holiday_store
