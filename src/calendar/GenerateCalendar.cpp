#include "calendar/GenerateCalendar.h"

#include "calendar/CalendarWorkbook.h"
#include "calendar/TempWorkbook.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayRules.h"
#include "host/HostInstances.h"
#include "host/SnapshotSteps.h"
#include "core/ErrorTrap.h"
#include "core/RunFolder.h"
#include "core/SharedRoutines.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>

#include <stdexcept>

namespace morvessa {

namespace {

constexpr int kMaxTempNameAttempts = 1000;

std::string NothingMade()
{
    return QCoreApplication::translate("ErrorReport", kNothingMadeMessage).toStdString();
}

// An object reference that was never set (the instance could not be created, the workbook never
// made) fails like a call through an empty object variable.
template <class T>
T& Require(T* object)
{
    if (!object)
        throw sheet::NothingError();
    return *object;
}

// The snapshot keeps its fixed name, but in the run's private folder: no other user can plant a
// link there, and no other run at the same time can take another month's picture from it.
std::string SnapshotPathIn(const std::string& folder)
{
    return folder + "/" + kSnapshotFileName;
}

// One run of the generation: the steps share the trap, the host instances and the paths.
class GenerationRun {
public:
    GenerationRun(CalendarYear year, GenerationUi& ui, const CalendarOptions& options)
        : trap_(location::Calendar_GenerateCalendar), year_(year.Number()), ui_(ui), options_(options)
    {
    }

    void Run()
    {
        trap_.Step(102, [&] { app_ = CreateObject(kHostProgId); });
        trap_.Step(104, [&] { LoadHolidays(); });
        trap_.Step(104, [&] { LoadRuleHolidays(); });
        BuildWorkbook();
        // Only a workbook that was saved whole is handed over; the failed save was reported.
        if (!SaveTempWorkbook())
            return;
        HandOverSnapshot();
        try {
            DeleteFileQuietly(snapshotPath_);
        } catch (...) {
            // Failures of the clean-up are not reported.
        }
    }

private:
    sheet::Application& App() { return Require(app_.get()); }

    // The twelve month sheets with holidays and mini months; the month the main window's selector
    // shows is active.
    void BuildWorkbook()
    {
        BuildCalendarWorkbook(app_.get(), state_, year_, ui_.MonthSelectorIndex() + 1, trap_, options_);
    }

    // Saves the workbook under a fresh name in the run's private folder and closes its instance.
    // Whether the workbook was saved.
    bool SaveTempWorkbook()
    {
        bool created = false;
        bool saved = false;
        // A fresh random name until one can be created exclusively: an existing file, or one
        // another process creates at the same moment, is never overwritten.
        for (int attempt = 0; attempt < kMaxTempNameAttempts && !created; ++attempt) {
            if (!trap_.Step(210, [&] {
                    if (runFolder_.empty()) {
                        runFolder_ = RunFolder();
                        snapshotPath_ = SnapshotPathIn(runFolder_);
                    }
                    tempWorkbookPath_ = TempWorkbookPathIn(runFolder_, RandomTempWorkbookName());
                }))
                break;
            if (!trap_.Step(224, [&] {
                    if (!FileExists(tempWorkbookPath_))
                        created = CreateFileExclusively(tempWorkbookPath_) == ExclusiveCreate::Created;
                }))
                break;
        }
        trap_.Step(226, [&] {
            if (!created)
                throw std::runtime_error(
                    QCoreApplication::translate("ErrorReport", "No temporary workbook file could be created in %1.")
                        .arg(runFolder_.empty() ? TempFolder() : QString::fromStdString(runFolder_))
                        .toStdString() +
                    " " + NothingMade());
            try {
                Require(state_.CalendarWorkbook)
                    .SaveAs(tempWorkbookPath_, GetXlsFileFormat(app_.get()), sheet::io::Durability::Cached);
            } catch (...) {
                // The empty file that held the name is no workbook: nothing of it is handed on.
                const std::string reason = CurrentFailureInUsersWords();
                DeleteFileQuietly(tempWorkbookPath_);
                throw std::runtime_error(reason + " " + NothingMade());
            }
            saved = true;
        });
        trap_.Step(228, [&] { App().DisplayAlerts(false); });
        trap_.Step(230, [&] { Require(state_.CalendarWorkbook).Close(); });
        trap_.Step(232, [&] { App().Quit(); });
        trap_.Step(234, [&] {
            app_.reset();
            state_.CalendarWorkbook = nullptr;
        });
        return saved;
    }

    // Reopens the saved workbook in a new instance for the snapshot, then hands both to the preview.
    // Without a picture wanted, the workbook alone is handed over: no reopen, no drawing.
    void HandOverSnapshot()
    {
        if (ui_.PictureWanted())
            TakeSnapshot();
        trap_.Step(254, [&] { ui_.SetPreviewWorkbook(tempWorkbookPath_); });
        trap_.Step(256, [&] { ui_.ShowPreview(); });
        trap_.Step(258, [&] { ui_.HideMainWindow(); });
    }

    void TakeSnapshot()
    {
        ApplicationPtr snapshotApp;
        sheet::Workbook* snapshotWorkbook = nullptr;
        trap_.Step(236, [&] { snapshotApp = OpenWorkbookInNewInstance(tempWorkbookPath_); });
        trap_.Step(238, [&] { ui_.SetMainMousePointer(MousePointer::Hourglass); });
        trap_.Step(240, [&] {
            sheet::Workbooks& workbooks = Require(snapshotApp.get()).Workbooks();
            snapshotWorkbook = &workbooks(workbooks.Count());
        });
        trap_.Step(242, [&] { saveCellsActivesheet(Require(snapshotWorkbook), snapshotPath_); });
        trap_.Step(244, [&] { Require(snapshotApp.get()).DisplayAlerts(false); });
        trap_.Step(246, [&] { Require(snapshotWorkbook).Close(); });
        trap_.Step(248, [&] { Require(snapshotApp.get()).Quit(); });
        trap_.Step(250, [&] { ui_.SetMainMousePointer(MousePointer::Default); });
        trap_.Step(252, [&] { ui_.SetPreviewPictureFile(snapshotPath_); });
    }

    ErrorTrap trap_;
    const int year_;
    GenerationUi& ui_;
    const CalendarOptions options_;
    std::string runFolder_;
    std::string snapshotPath_;
    ApplicationPtr app_;
    CalendarWorkbookState state_;
    std::string tempWorkbookPath_;
};

}  // namespace

void GenerateCalendar(CalendarYear year, GenerationUi& ui, const CalendarOptions& options)
{
    GenerationRun(year, ui, options).Run();
}

void GenerateCalendar(CalendarYear year, GenerationUi& ui)
{
    GenerateCalendar(year, ui, StoredCalendarOptions());
}

}  // namespace morvessa
