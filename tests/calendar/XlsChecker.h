#pragma once
// Runs the independent workbook checker (xlrd, Python's own calendar) on a generated file.

#include <gtest/gtest.h>

#include "spreadsheet/XlsSheetStructure.h"
#include "spreadsheet/io/AtomicFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace morvessa::calendar_test {

inline const QString kCheckerScript =
    QStringLiteral(MORVESSA_SOURCE_DIR "/tests/calendar/check_calendar_xls.py");

// Success when the checker finds no difference; its findings otherwise.
inline ::testing::AssertionResult CalendarFileMatches(const QString& file, int year, int activeMonth,
                                                      const QString& settingsJsonFile = QString())
{
    // The sheet-level records, which the outside reader forgives.
    sheet::xls::testing::ExpectSheetsMatchTheirCells(
        sheet::io::ReadWholeFile(QFile::encodeName(file).toStdString(), 64u << 20));
    QStringList arguments{kCheckerScript, file, QString::number(year), QString::number(activeMonth)};
    if (!settingsJsonFile.isEmpty())
        arguments << settingsJsonFile;
    QProcess checker;
    checker.setProcessChannelMode(QProcess::MergedChannels);
    checker.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!checker.waitForFinished(120000))
        return ::testing::AssertionFailure() << "the checker did not finish";
    const QString output = QString::fromUtf8(checker.readAll());
    if (checker.exitStatus() != QProcess::NormalExit || checker.exitCode() != 0)
        return ::testing::AssertionFailure() << "year " << year << ":\n" << output.toStdString();
    return ::testing::AssertionSuccess();
}

inline const QString kXlsxComparisonScript =
    QStringLiteral(MORVESSA_SOURCE_DIR "/tests/spreadsheet/compare_xlsx_xls.py");

// Success when an independent reader of .xlsx files (openpyxl) sees in `xlsx` cell by cell what
// xlrd sees in `xls`: values, fonts, fills, borders, alignment, merged areas, sizes, selection.
inline ::testing::AssertionResult XlsxReadsLikeXls(const QString& xls, const QString& xlsx)
{
    QProcess checker;
    checker.setProcessChannelMode(QProcess::MergedChannels);
    checker.start(QStringLiteral("/usr/bin/python3"), {kXlsxComparisonScript, xls, xlsx});
    if (!checker.waitForFinished(120000))
        return ::testing::AssertionFailure() << "the comparison did not finish";
    const QString output = QString::fromUtf8(checker.readAll());
    if (checker.exitStatus() != QProcess::NormalExit || checker.exitCode() != 0)
        return ::testing::AssertionFailure() << output.toStdString();
    return ::testing::AssertionSuccess();
}

}  // namespace morvessa::calendar_test
