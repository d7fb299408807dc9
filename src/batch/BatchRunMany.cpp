#include "batch/BatchRuns.h"

#include "batch/BatchReports.h"
#include "calendar/CalendarWorkbook.h"
#include "calendar/CalendarOptions.h"
#include "calendar/GenerateCalendar.h"
#include "calendar/RunHolidays.h"
#include "calendar/GenerationUi.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayRules.h"
#include "host/HostInstances.h"
#include "settings/PaperSetting.h"
#include "settings/SettingsStore.h"
#include "core/ErrorTrap.h"
#include "core/RunFolder.h"
#include "core/SharedRoutines.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/io/AtomicFile.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/xlsx/XlsxFile.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

namespace morvessa::batch {

QString ManyWorkbookPath(const BatchOptions& options, const QString& settingsPath, int year)
{
    const QString name =
        options.settingsPaths.size() > 1
            ? QStringLiteral("%1-%2.xls").arg(QFileInfo(settingsPath).completeBaseName()).arg(year)
            : QStringLiteral("%1.xls").arg(year);
    return QDir(options.outDir).filePath(name);
}

namespace {

// Workbooks written before the disk is waited for: few enough descriptors held open, many enough
// that the flushes cost little against the writing.
constexpr std::size_t kWorkbooksPerFlush = 64;

// Puts the pending workbooks in place; each one that cannot be is reported and counted.
void CommitWorkbooks(sheet::io::ReplacementBatch& batch, int& unwritten)
{
    for (const sheet::io::FileError& error : batch.Commit()) {
        PrintToolError(QString::fromStdString(UnsavedFileReport(error.path(), error.reason())));
        ++unwritten;
    }
}

}  // namespace

int RunMany(const BatchOptions& options)
{
    CountingStderrReporter reporter;
    ScopedErrorReporter useReporter(reporter);
    StderrCatalogueMessages catalogueMessages;
    ScopedCatalogueMessageSink useMessages(catalogueMessages);
    std::optional<ScopedPaperChoice> paper;
    if (options.paper)
        paper.emplace(*options.paper);
    if (!QDir().mkpath(options.outDir)) {
        PrintToolError(BatchTool::tr("cannot make the folder %1").arg(options.outDir));
        return kExitFailedSteps;
    }
    const QStringList sources =
        options.settingsPaths.isEmpty() ? QStringList{QString()} : options.settingsPaths;
    // Every workbook is safe on the disk once in place, but the disk is waited for once per batch.
    sheet::io::ReplacementBatch pending;
    int unwritten = 0;
    for (const QString& source : sources) {
        if (!source.isEmpty())
            SetSettingsFile(source);
        FollowSystemOnFirstRun();
        std::unique_ptr<PrivateFolder> copyFolder;
        try {
            copyFolder = PrivateFolder::Create(TempFolder().toStdString(), kBatchRunFolderPrefix);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "morvessa-batch: %s\n", error.what());
            CommitWorkbooks(pending, unwritten);
            return kExitFailedSteps;
        }
        if (!UseRunHolidaysOf(options, QString::fromStdString(copyFolder->path()))) {
            CommitWorkbooks(pending, unwritten);
            return kExitUsage;
        }
        {
            ErrorTrap load(location::Calendar_GenerateCalendar);
            load.Step(104, [] { LoadHolidays(); });
            load.Step(104, [] { LoadRuleHolidays(); });
        }
        if (!options.exportIcsPath.isEmpty() &&
            !ExportRunHolidays(options, options.years.front(), options.years.back()))
            return kExitFailedSteps;
        const CalendarOptions layout = options.Layout();
        for (const int year : options.years) {
            const int reportsBefore = reporter.count;
            sheet::Application instance;
            CalendarWorkbookState state;
            ErrorTrap trap(location::Calendar_GenerateCalendar);
            BuildCalendarWorkbook(&instance, state, year, options.month, trap, layout);
            const QString path = ManyWorkbookPath(options, source, year);
            const bool failed = reporter.count != reportsBefore;
            if ((!failed || options.keepGoing) && state.CalendarWorkbook) {
                trap.Step(226, [&] {
                    sheet::xls::SaveWorkbook(*state.CalendarWorkbook, path.toStdString(), pending);
                });
                if (pending.Pending() >= kWorkbooksPerFlush)
                    CommitWorkbooks(pending, unwritten);
            }
            if (failed && !options.keepGoing) {
                PrintToolError(BatchTool::tr("%1 was not written: a step failed").arg(path));
                ++unwritten;
            }
        }
    }
    CommitWorkbooks(pending, unwritten);
    return unwritten == 0 && reporter.count == 0 ? kExitOk : kExitFailedSteps;
}

}  // namespace morvessa::batch
