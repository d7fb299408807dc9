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
#include "host/Drawing.h"
#include "host/SheetFiles.h"
#include "settings/PaperSetting.h"
#include "settings/SettingsStore.h"
#include "core/ErrorTrap.h"
#include "core/RunFolder.h"
#include "core/SharedRoutines.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/io/AtomicFile.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/xlsx/XlsxFile.h"

#include <QFile>

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>

namespace morvessa::batch {

namespace {

// Copies the generated workbook to --out, or writes it as an .xlsx there when the name asks for
// one; false (reported) when it cannot. `readBack`: the generation reopened the workbook whole for
// the picture (none of its steps failed), so the copy need not read it a second time.
bool WriteWorkbook(const HeadlessGenerationUi& ui, const BatchOptions& options, bool readBack)
{
    const QString tempWorkbook = QString::fromStdString(ui.workbookPath());
    bool written = false;
    if (tempWorkbook.isEmpty() || !ui.previewShown()) {
        PrintToolError(BatchTool::tr("the generation handed over no workbook"));
    } else if (!options.workbookWanted) {
        written = true;
    } else {
        try {
            if (options.outPath.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
                sheet::xlsx::SaveXlsFileAsXlsx(ui.workbookPath(), options.outPath.toStdString());
            else
                sheet::xls::CopyWorkbookFile(
                    ui.workbookPath(), QFile::encodeName(options.outPath).toStdString(),
                    readBack ? sheet::xls::SourceCheck::AlreadyReadBack : sheet::xls::SourceCheck::ReadBack);
            written = true;
        } catch (const std::exception&) {
            PrintToolError(QString::fromStdString(CurrentFailureInUsersWords()));
        }
    }
    if (!tempWorkbook.isEmpty())
        DeleteFileQuietly(tempWorkbook);
    return written;
}

// Writes the months asked for as a PDF, drawn from the generated workbook; false (reported) when it
// cannot. An older file at the path stays unless the new one is complete.
bool WritePdf(const HeadlessGenerationUi& ui, const BatchOptions& options, const CalendarOptions& layout)
{
    if (ui.workbookPath().empty() || !ui.previewShown()) {
        PrintToolError(BatchTool::tr("the generation handed over no workbook"));
        return false;
    }
    // Every page: the year page and the twelve months.
    SheetSpan span{1, 13};
    if (options.pdfMonths && layout.HasMonthPages()) {
        span = *SheetsOfMonths(*options.pdfMonths, layout.firstMonth);  // checked before the run
        // The months stand after the year page.
        if (layout.HasYearPage())
            span = {span.first + 1, span.last + 1};
    }
    try {
        const std::unique_ptr<sheet::Workbook> book = sheet::xls::OpenWorkbook(ui.workbookPath());
        const std::vector<const sheet::Worksheet*> sheets = SheetsInSpan(*book, span);
        WriteFileReplacing(Drawings().SheetsPdf(sheets, CalendarPaper(), QStringLiteral("Morvessa calendar")),
                           options.pdfPath);
        return true;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "morvessa-batch: %s\n", error.what());
        return false;
    }
}

// Writes the snapshot picture to --snapshot: the generation's own BMP file, byte for byte; false
// (reported) when it cannot.
bool WriteSnapshot(const HeadlessGenerationUi& ui, const QString& snapshotPath)
{
    const QByteArray& bmp = ui.pictureFile();
    if (bmp.isEmpty()) {
        PrintToolError(BatchTool::tr("no snapshot picture was taken"));
        return false;
    }
    try {
        sheet::io::ReplaceFileAtomically(
            QFile::encodeName(snapshotPath).toStdString(),
            std::span(reinterpret_cast<const uint8_t*>(bmp.constData()), static_cast<size_t>(bmp.size())));
    } catch (const sheet::io::FileError& error) {
        PrintToolError(BatchTool::tr("cannot write %1").arg(QString::fromUtf8(error.what())));
        return false;
    }
    return true;
}

}  // namespace

int RunOne(const BatchOptions& options)
{
    if (!options.settingsPath.isEmpty())
        SetSettingsFile(options.settingsPath);
    FollowSystemOnFirstRun();

    CountingStderrReporter reporter;
    ScopedErrorReporter useReporter(reporter);
    StderrCatalogueMessages catalogueMessages;
    ScopedCatalogueMessageSink useMessages(catalogueMessages);

    // Partial files next to --out that a killed run left.
    if (!options.outPath.isEmpty())
        sheet::io::RemoveAbandonedPartialFiles(QFile::encodeName(options.outPath).toStdString());
    // The run's private folder inside TEMP (the generation's workbook and picture go there too):
    // nothing of another user or another run at the same time meets it, and it goes with the run.
    std::string runFolder;
    try {
        runFolder = RunFolder();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "morvessa-batch: %s\n", error.what());
        return kExitFailedSteps;
    }

    if (!UseRunHolidaysOf(options, QString::fromStdString(runFolder)))
        return kExitUsage;
    if (!options.exportIcsPath.isEmpty()) {
        const int first = options.years.empty() ? options.year.Number() : options.years.front();
        const int last = options.years.empty() ? options.year.Number() : options.years.back();
        if (!ExportRunHolidays(options, first, last))
            return kExitFailedSteps;
        if (options.exportOnly)
            return reporter.count == 0 ? kExitOk : kExitFailedSteps;
    }

    // The paper asked for here reaches the workbook's page setup and the PDF, not the store.
    std::optional<ScopedPaperChoice> paper;
    if (options.paper)
        paper.emplace(*options.paper);
    const CalendarOptions layout = options.Layout();
    // The months are known as calendar months; the first month may come from the settings file.
    if (options.pdfMonths && !SheetsOfMonths(*options.pdfMonths, layout.firstMonth)) {
        PrintUsageError(
            BatchTool::tr("--months %1-%2 runs backwards in a calendar that starts with month %3")
                .arg(options.pdfMonths->first)
                .arg(options.pdfMonths->last)
                .arg(layout.firstMonth));
        return kExitUsage;
    }

    // The month's picture is drawn only when it is kept: a workbook or a PDF needs none.
    const bool pictureWanted = !options.snapshotPath.isEmpty();
    HeadlessGenerationUi ui(options.month - 1, pictureWanted);
    GenerateCalendar(options.year, ui, layout);

    if (reporter.count > 0 && !options.keepGoing) {
        // A failed run must not replace a good calendar from an earlier run.
        if (!ui.workbookPath().empty())
            DeleteFileQuietly(QString::fromStdString(ui.workbookPath()));
        PrintToolError(BatchTool::tr("%n step(s) failed; no file was written (--keep-going writes them anyway)",
                                     nullptr, reporter.count));
        return kExitFailedSteps;
    }
    bool succeeded = reporter.count == 0;
    // The PDF is drawn from the generation's workbook, which WriteWorkbook then takes away.
    if (!options.pdfPath.isEmpty())
        succeeded = WritePdf(ui, options, layout) && succeeded;
    succeeded = WriteWorkbook(ui, options, pictureWanted && reporter.count == 0) && succeeded;
    if (!options.snapshotPath.isEmpty())
        succeeded = WriteSnapshot(ui, options.snapshotPath) && succeeded;
    return succeeded ? kExitOk : kExitFailedSteps;
}

bool UseRunHolidaysOf(const BatchOptions& options, const QString& folder)
{
    if (options.countries.isEmpty() && options.icsFiles.isEmpty())
        return true;
    try {
        for (const QString& line :
             UseRunHolidays({options.countries, options.holidayKinds, options.icsFiles, options.englishNames}, folder))
            std::printf("%s\n", qUtf8Printable(line));
    } catch (const std::exception& error) {
        PrintUsageError(QString::fromUtf8(error.what()));
        return false;
    }
    return true;
}

}  // namespace morvessa::batch
