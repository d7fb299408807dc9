#include "calendar/GenerateCalendar.h"
#include "host/BmpCodec.h"

#include "calendar/HolidayMarking.h"
#include "calendar/MiniMonths.h"
#include "calendar/MonthSheet.h"
#include "calendar/Template.h"
#include "calendar/TempWorkbook.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayRules.h"
#include "host/HostInstances.h"
#include "host/SheetSnapshot.h"
#include "core/ErrorTrap.h"
#include "core/NumericText.h"
#include "core/SharedRoutines.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImage>

#include <stdexcept>

namespace morvessa {

namespace {

constexpr int kMaxTempNameAttempts = 1000;

// An object reference that was never set (the instance could not be created, the workbook never
// made) fails like a call through an empty object variable.
template <class T>
T& Require(T* object)
{
    if (!object)
        throw sheet::NothingError();
    return *object;
}

std::string SnapshotPath()
{
    return QDir::toNativeSeparators(TempFolder() + QDir::separator() + QString::fromLatin1(kSnapshotFileName))
        .toStdString();
}

QImage LoadSnapshotPicture(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile())
        throw std::runtime_error("File not found");
    QFile in(file);
    QImage picture;
    if (in.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = in.readAll();
        // The picture keeps its own format whatever the file is called.
        std::optional<QImage> direct = DecodeBmp24(bytes);
        picture = direct ? std::move(*direct) : QImage::fromData(bytes);
    }
    if (picture.isNull())
        throw std::runtime_error("Invalid picture");
    return picture;
}

}  // namespace

void GenerateCalendar(std::string& yearText, GenerationUi& ui)
{
    ErrorTrap trap(location::Calendar_GenerateCalendar);
    ApplicationPtr app;
    CalendarWorkbookState state;
    std::string TempWorkbookPath;
    bool tempWorkbookCreated = false;
    ApplicationPtr snapshotApp;
    sheet::Workbook* snapshotWorkbook = nullptr;
    const std::string snapshotPath = SnapshotPath();

    trap.Step(102, [&] { app = CreateObject(kHostProgId); });
    trap.Step(104, [&] { LoadHolidays(); });
    trap.Step(104, [&] { LoadRuleHolidays(); });

    bool belowRange = false;
    trap.Step(106, [&] { belowRange = ToNumber(QString::fromStdString(yearText)) < 1900; });
    if (belowRange)
        trap.Step(108, [&] { yearText = "1900"; });
    bool aboveRange = false;
    trap.Step(110, [&] { aboveRange = ToNumber(QString::fromStdString(yearText)) > 2100; });
    if (aboveRange)
        trap.Step(112, [&] { yearText = "2100"; });

    trap.Step(114, [&] { Require(app.get()).ScreenUpdating(false); });
    trap.Step(116, [&] { Require(app.get()).DisplayAlerts(false); });
    trap.Step(118, [&] { Require(app.get()).EnableEvents(false); });
    trap.Step(120, [&] { Require(app.get()).EnableCancelKey(sheet::xlDisabled); });
    trap.Step(122, [&] { Require(app.get()).Cursor(sheet::xlWait); });

    trap.Step(124, [&] { BuildMonthSheet(Require(app.get()), state, "", "", true, 0); });
    for (int month = 1; month <= 12; ++month) {
        trap.Step(124 + 2 * month, [&] {
            BuildMonthSheet(Require(app.get()), state, CalendarMonthName(month), yearText, false, month);
        });
    }
    trap.Step(150, [&] { Require(app.get()).Sheets()(kDeadSheetName).Delete(); });
    trap.Step(152, [&] {
        MarkHolidays(Require(app.get()), ToWholeNumber(QString::fromStdString(yearText)), trap, 152);
    });
    trap.Step(154, [&] { BuildSubCalendar(Require(app.get())); });
    for (int month = 1; month <= 12; ++month) {
        trap.Step(154 + 2 * month,
                  [&] { AddMiniMonths(Require(app.get()), CalendarMonthName(month), yearText, month); });
    }
    trap.Step(180, [&] { Require(app.get()).Sheets()(kSubCalendarSheetName).Delete(); });
    trap.Step(182, [&] { Require(app.get()).Sheets()(ui.MonthSelectorIndex() + 1).Select(); });
    trap.Step(198, [&] { Require(app.get()).Range("I11").Select(); });
    trap.Step(200, [&] { Require(app.get()).Cursor(sheet::xlDefault); });
    trap.Step(202, [&] { Require(app.get()).ScreenUpdating(true); });
    trap.Step(204, [&] { Require(app.get()).DisplayAlerts(true); });
    trap.Step(206, [&] { Require(app.get()).EnableEvents(true); });
    trap.Step(208, [&] { Require(app.get()).EnableCancelKey(sheet::xlInterrupt); });

    // A fresh random name until one can be created exclusively: an existing file, or one another
    // process creates at the same moment, is never overwritten.
    for (int attempt = 0; attempt < kMaxTempNameAttempts && !tempWorkbookCreated; ++attempt) {
        if (!trap.Step(210, [&] { TempWorkbookPath = TempWorkbookPathFor(RandomTempWorkbookName()); }))
            break;
        if (!trap.Step(224, [&] {
                if (!FileExists(TempWorkbookPath))
                    tempWorkbookCreated = CreateFileExclusively(TempWorkbookPath) == ExclusiveCreate::Created;
            }))
            break;
    }
    trap.Step(226, [&] {
        if (!tempWorkbookCreated)
            throw std::runtime_error("No temporary workbook file could be created in " +
                                     TempFolder().toStdString());
        Require(state.CalendarWorkbook).SaveAs(TempWorkbookPath, GetXlsFileFormat(app.get()));
    });
    trap.Step(228, [&] { Require(app.get()).DisplayAlerts(false); });
    trap.Step(230, [&] { Require(state.CalendarWorkbook).Close(); });
    trap.Step(232, [&] { Require(app.get()).Quit(); });
    trap.Step(234, [&] {
        app.reset();
        state.CalendarWorkbook = nullptr;
    });

    trap.Step(236, [&] { snapshotApp = OpenWorkbookInNewInstance(TempWorkbookPath); });
    trap.Step(238, [&] { ui.SetMainMousePointer(11); });
    trap.Step(240, [&] {
        sheet::Workbooks& workbooks = Require(snapshotApp.get()).Workbooks();
        snapshotWorkbook = &workbooks(workbooks.Count());
    });
    trap.Step(242, [&] { saveCellsActivesheet(Require(snapshotWorkbook), snapshotPath); });
    trap.Step(244, [&] { Require(snapshotApp.get()).DisplayAlerts(false); });
    trap.Step(246, [&] { Require(snapshotWorkbook).Close(); });
    trap.Step(248, [&] { Require(snapshotApp.get()).Quit(); });
    trap.Step(250, [&] { ui.SetMainMousePointer(0); });
    trap.Step(252, [&] { ui.SetPreviewPicture(LoadSnapshotPicture(snapshotPath)); });
    trap.Step(254, [&] { ui.SetPreviewWorkbook(TempWorkbookPath); });
    trap.Step(256, [&] { ui.ShowPreview(); });
    trap.Step(258, [&] { ui.HideMainWindow(); });
    try {
        DeleteFileQuietly(snapshotPath);
    } catch (...) {
        // Failures of the clean-up are not reported.
    }
}

}  // namespace morvessa
