#include "holidays/HolidayStoredForm.h"

#include "core/NumericText.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace morvessa::holiday_store {

namespace {

bool ColumnsHoldAnything(const QHash<QString, QString>& stored, const StoredTable& form)
{
    for (int column = 0; column < form.columnCount; ++column)
        if (!stored.value(ColumnKey(form.firstKeyNumber + column)).isEmpty())
            return true;
    return false;
}

HolidayTable ReadOneTable(const QHash<QString, QString>& stored, const StoredTable& form, bool quiet,
                          QStringList& problems)
{
    const QString countKey = QString::fromLatin1(form.countKey);
    const QString countText = stored.value(countKey);
    int count = -1;  // unknown
    try {
        count = ToWholeNumber(countText);
    } catch (const ConversionError&) {
    }
    // Whole sentences for each table, so each language can bend "fixed" and "floating" as it must.
    const bool fixedTable = form.firstKeyNumber == 1;
    if (count == 0 && EmptyListsAllowed(stored) && !ColumnsHoldAnything(stored, form))
        return HolidayTable(form.columnCount);
    if (count < 1 || count > kMaxHolidayRows) {
        problems.append(
            (fixedTable
                 ? QCoreApplication::translate(
                       "HolidayCatalogue", "%1 should hold the number of fixed holidays, but it holds \"%2\"")
                 : QCoreApplication::translate("HolidayCatalogue",
                                               "%1 should hold the number of floating holidays, but it "
                                               "holds \"%2\""))
                .arg(countKey, countText));
        count = -1;
    }

    std::vector<QStringList> columns(static_cast<std::size_t>(form.columnCount));
    int rows = std::max(count, 0);
    for (int column = 1; column <= form.columnCount; ++column) {
        const QString columnKey = ColumnKey(form.firstKeyNumber + column - 1);
        const QString text = stored.value(columnKey);
        if (text.isEmpty()) {
            if (!quiet)
                CurrentCatalogueMessageSink().ShowMessage(NoSavedValueMessage());
            continue;
        }
        bool foreignSeparator = false;
        const QStringList pieces = ColumnPieces(text, count, foreignSeparator);
        if (foreignSeparator)
            problems.append(QCoreApplication::translate("HolidayCatalogue",
                                                        "%1 was written in another character encoding, so "
                                                        "letters outside plain English may show as \"%2\"")
                                .arg(columnKey, QString(QChar(QChar::ReplacementCharacter))));
        else if (count >= 0 && pieces.size() != count)
            problems.append(
                (fixedTable
                     ? QCoreApplication::translate("HolidayCatalogue",
                                                   "%1 says there are %2 fixed holidays, but %3 holds %4")
                     : QCoreApplication::translate("HolidayCatalogue",
                                                   "%1 says there are %2 floating holidays, but %3 holds %4"))
                    .arg(countKey)
                    .arg(count)
                    .arg(columnKey)
                    .arg(pieces.size()));
        columns[static_cast<std::size_t>(column - 1)] = FieldsOfPieces(pieces);
        rows = std::max(rows, static_cast<int>(std::min<qsizetype>(pieces.size(), kMaxHolidayRows)));
    }

    // A loaded table always has a row: with nothing readable, the defaults are shown (not saved).
    if (rows == 0) {
        problems.append(fixedTable ? QCoreApplication::translate(
                                         "HolidayCatalogue",
                                         "no fixed holiday could be read, so the default ones are shown")
                                   : QCoreApplication::translate(
                                         "HolidayCatalogue",
                                         "no floating holiday could be read, so the default ones are shown"));
        return form.firstKeyNumber == 1 ? DefaultFixedHolidays() : DefaultFloatingHolidays();
    }
    HolidayTable table(form.columnCount);
    table.Reset(rows);
    for (int column = 1; column <= form.columnCount; ++column) {
        const QStringList& fields = columns[static_cast<std::size_t>(column - 1)];
        for (int row = 1; row <= std::min(rows, static_cast<int>(fields.size())); ++row)
            table.Cell(row, column) = CellFromField(fields[row - 1], column == form.columnCount);
    }
    return table;
}

}  // namespace

QString ColumnKey(int keyNumber)
{
    return QString::number(keyNumber) + QStringLiteral("Data");
}

int ColumnOfKey(int keyNumber)
{
    return keyNumber <= 3 ? keyNumber : keyNumber - 3;
}

QString EscapeField(const QString& text)
{
    if (!text.contains(kFieldEnd) && !text.contains(kRowEnd) && !text.contains(kEscape))
        return text;
    QString escaped;
    for (const QChar c : text) {
        if (c == kFieldEnd)
            escaped += QString(kEscape) + u'1';
        else if (c == kRowEnd)
            escaped += QString(kEscape) + u'2';
        else if (c == kEscape)
            escaped += QString(kEscape) + kEscape;
        else
            escaped += c;
    }
    return escaped;
}

QString UnescapeField(const QString& field)
{
    if (!field.contains(kEscape))
        return field;
    QString text;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar next = i + 1 < field.size() ? field[i + 1] : QChar();
        if (field[i] == kEscape && (next == u'1' || next == u'2' || next == kEscape)) {
            text += next == u'1' ? kFieldEnd : next == u'2' ? kRowEnd : kEscape;
            ++i;
        } else {
            text += field[i];
        }
    }
    return text;
}

HolidayCell CellFromField(const QString& field, bool nameColumn)
{
    if (field.isEmpty())
        return HolidayCell();
    const QString text = UnescapeField(field);
    if (!nameColumn && IsNumeric(text))
        return HolidayCell(LeadingNumber(text));
    return HolidayCell(text);
}

QStringList StoredHolidayKeys()
{
    QStringList keys;
    for (const StoredTable& stored : kStoredTables) {
        keys.append(QString::fromLatin1(stored.countKey));
        for (int column = 1; column <= stored.columnCount; ++column)
            keys.append(ColumnKey(stored.firstKeyNumber + column - 1));
    }
    keys.append(QString::fromLatin1(key::EmptyHolidayLists));
    return keys;
}

bool EmptyListsAllowed(const QHash<QString, QString>& stored)
{
    return stored.value(QString::fromLatin1(key::EmptyHolidayLists)).trimmed() == u'1';
}

QStringList ColumnPieces(const QString& text, int expectedRows, bool& foreignSeparator)
{
    foreignSeparator = false;
    QStringList pieces = text.split(kRowEnd);
    if (expectedRows >= 0 && pieces.size() != expectedRows) {
        const QString damagedEnd = QString(kFieldEnd) + QChar(QChar::ReplacementCharacter);
        QStringList other = text.split(damagedEnd);
        if (other.size() == expectedRows) {
            foreignSeparator = true;
            pieces = other;
        }
    }
    return pieces;
}

QStringList FieldsOfPieces(const QStringList& pieces)
{
    QStringList fields;
    for (const QString& piece : pieces) {
        const qsizetype fieldEnd = piece.indexOf(kFieldEnd);
        fields.append(fieldEnd < 0 ? piece : piece.left(fieldEnd));
    }
    return fields;
}

bool HoldsHolidays(const QHash<QString, QString>& stored)
{
    for (auto it = stored.constBegin(); it != stored.constEnd(); ++it)
        if (!it.value().isEmpty())
            return true;
    return false;
}

ReadTables ReadStoredTables(const QHash<QString, QString>& stored, bool quiet)
{
    ReadTables tables;
    tables.fixed = ReadOneTable(stored, kStoredTables[0], quiet, tables.problems);
    tables.floating = ReadOneTable(stored, kStoredTables[1], quiet, tables.problems);
    return tables;
}

void AppendTableValues(SettingValues& values, const HolidayTable& fixed, const HolidayTable& floating)
{
    for (const StoredTable& form : kStoredTables) {
        const HolidayTable& table = form.firstKeyNumber == 1 ? fixed : floating;
        values.emplace_back(QString::fromLatin1(form.countKey), QString::number(table.RowCount()));
        for (int column = 1; column <= form.columnCount; ++column)
            values.emplace_back(ColumnKey(form.firstKeyNumber + column - 1),
                                HolidayColumnText(table, column));
    }
}

}  // namespace morvessa::holiday_store
