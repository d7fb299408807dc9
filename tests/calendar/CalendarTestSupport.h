#pragma once
// Helpers for the calendar tests: a settings file and a temporary folder of each test's own, the
// month sheets built as the driver builds them, and short readers of the built sheets.

#include "calendar/GenerationUi.h"
#include "calendar/MonthSheet.h"
#include "host/SheetSnapshot.h"
#include "core/CalendarNames.h"
#include "holidays/HolidayCatalogue.h"
#include "settings/SettingsStore.h"
#include "core/ErrorTrap.h"
#include "spreadsheet/Application.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace morvessa::calendar_test {

// Each test gets a settings file and a TEMP folder of its own; the user's are never touched.
class IsolatedCalendarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        settings_ = std::make_unique<ScopedSettingsFile>(folder_.filePath(QStringLiteral("Vantrelle.ini")));
        previousTemp_ = qgetenv("TEMP");
        hadTemp_ = qEnvironmentVariableIsSet("TEMP");
        qputenv("TEMP", TempPath().toUtf8());
        ASSERT_TRUE(QDir().mkpath(TempPath()));
        FixedHolidays().Reset(0);
        FloatingHolidays().Reset(0);
    }
    void TearDown() override
    {
        if (hadTemp_)
            qputenv("TEMP", previousTemp_);
        else
            qunsetenv("TEMP");
        settings_.reset();
    }

    QString TempPath() const { return folder_.filePath(QStringLiteral("temp")); }
    QString FolderPath(const QString& name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
    std::unique_ptr<ScopedSettingsFile> settings_;
    QByteArray previousTemp_;
    bool hadTemp_ = false;
};

// A host with the calendar workbook after the twelve month steps and the deletion of "Dead", as the
// driver has it just before holidays are marked.
struct BuiltMonths {
    std::unique_ptr<sheet::Application> app = std::make_unique<sheet::Application>();
    CalendarWorkbookState state;
};

inline BuiltMonths BuildMonths(int year)
{
    BuiltMonths built;
    PrepareWorkbook(*built.app, built.state);
    for (int month = 1; month <= 12; ++month)
        BuildMonthSheet(*built.app, built.state, year, month);
    built.app->Sheets()("Dead").Delete();
    return built;
}

// The value of a cell by address, as the sheet holds it.
inline sheet::CellValue ValueAt(sheet::Worksheet& ws, const char* address)
{
    return ws.Range(address).Value();
}

inline const sheet::CellFormat& FormatAt(sheet::Worksheet& ws, const char* address)
{
    const sheet::CellRange cell = sheet::CellRange::Parse(address);
    return ws.EffectiveFormat(cell.firstRow, cell.firstColumn);
}

// Fill colour index of a cell, or -4142 without a fill.
inline int FillAt(sheet::Worksheet& ws, const char* address)
{
    const sheet::CellFormat& format = FormatAt(ws, address);
    return format.interior.HasFill() ? format.interior.colorIndex : sheet::xlColorIndexNone;
}

// The merged area that covers the cell, as "A1:BD5"-style text without "$", or "" when none does.
inline std::string MergedAreaAt(sheet::Worksheet& ws, const char* address)
{
    const sheet::CellRange cell = sheet::CellRange::Parse(address);
    const sheet::CellRange* area = ws.MergedAreaAt(cell.firstRow, cell.firstColumn);
    return area ? area->Address(false, false) : std::string();
}

// Plays the main window and the preview, and remembers every call in order.
class RecordingGenerationUi final : public GenerationUi {
public:
    explicit RecordingGenerationUi(int monthIndex = 0) : monthIndex(monthIndex) {}
    int MonthSelectorIndex() const override { return monthIndex; }
    bool PictureWanted() const override { return pictureWanted; }
    void SetMainMousePointer(MousePointer pointer) override
    {
        calls.push_back("pointer " + std::to_string(static_cast<int>(pointer)));
        if (onPointer)
            onPointer(pointer);
    }
    void SetPreviewPictureFile(const std::string& path) override
    {
        picture = LoadSnapshotPicture(path);
        calls.push_back("picture");
    }
    void SetPreviewWorkbook(const std::string& path) override
    {
        workbook = path;
        calls.push_back("workbook");
    }
    void ShowPreview() override { calls.push_back("show preview"); }
    void HideMainWindow() override { calls.push_back("hide main"); }

    int monthIndex;
    bool pictureWanted = true;
    // Runs inside the driver between the snapshot's capture (pointer 11) and its load (pointer 0).
    std::function<void(MousePointer)> onPointer;
    std::vector<std::string> calls;
    QImage picture;
    std::string workbook;
};

}  // namespace morvessa::calendar_test
