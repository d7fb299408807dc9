#include "preview/CalendarExport.h"
#include "preview/PreviewLocations.h"
#include "preview/PrintChoices.h"

#include "core/SharedRoutines.h"
#include "host/SheetPrint.h"
#include "settings/SettingsStore.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/xls/XlsFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>

#include <stdexcept>

namespace morvessa {

QString WithPdfSuffix(const QString& name)
{
    if (name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return name;
    return name + QStringLiteral(".pdf");
}

void OpenCalendar::SetPath(const QString& path)
{
    if (path != path_)
        workbook_.reset();
    path_ = path;
}

const sheet::Workbook& OpenCalendar::Workbook()
{
    if (!workbook_) {
        if (path_.isEmpty())
            throw sheet::xls::XlsError("There is no calendar to show: generate one first.");
        workbook_ = sheet::xls::OpenWorkbook(QFile::encodeName(path_).toStdString());
    }
    return *workbook_;
}

void OpenCalendar::Reset()
{
    workbook_.reset();
}

namespace {
// The PDF's title and the print job's name, which the print dialog also offers as the file's name.
const char* const kDocumentTitle = QT_TRANSLATE_NOOP("CalendarExport", "Morvessa calendar");
QString DocumentTitle()
{
    return QCoreApplication::translate("CalendarExport", kDocumentTitle);
}
}  // namespace

void WriteCalendarPdf(const sheet::Workbook& book, Paper paper, const QString& path)
{
    const std::vector<const sheet::Worksheet*> sheets = SheetsInSpan(book, {1, book.SheetCount()});
    WriteFileReplacing(SheetsPdf(sheets, paper, DocumentTitle(), PagesOrientation(sheets)), path);
}

bool ExportPdf(OpenCalendar& calendar, Paper paper, SaveDialogs& dialogs, ErrorReporter* reporter)
{
    ErrorTrap trap(location::Form2_mnuExportPdf_Click, reporter);
    QString target;
    bool replace = false;
    bool written = false;
    trap.Step(100, [&] {
        target =
            dialogs
                .AskSaveFileName(QCoreApplication::translate("CalendarExport", kExportPdfTitle),
                                 {QCoreApplication::translate("SaveResults", kPdfFilter)}, SaveDialogFolder())
                .fileName;
    });
    if (target.isEmpty())
        return false;
    trap.Step(102, [&] { target = WithPdfSuffix(target); });
    // A folder of that name is never replaced; the write below reports it.
    bool exists = false;
    trap.Step(104, [&] { exists = QFileInfo(target).isFile(); });
    replace = !exists;
    if (exists)
        trap.Step(106, [&] { replace = dialogs.AskYesNo(OverwriteQuestion(target)); });
    if (!replace)
        return false;
    written = trap.Step(108, [&] { WriteCalendarPdf(calendar.Workbook(), paper, target); });
    if (written) {
        try {
            RememberSaveFolder(target);
        } catch (const SettingsStoreError&) {
            // The file is written; only the next dialog's starting folder is lost.
        }
    }
    if (written)
        trap.Step(110,
                  [&] { dialogs.ShowMessage(QCoreApplication::translate("SaveResults", kDoneMessage)); });
    return written;
}

bool PrintCalendar(OpenCalendar& calendar, Paper paper, const PrintDialogRunner& askPrinter,
                   ErrorReporter* reporter)
{
    ErrorTrap trap(location::Form2_mnuPrint_Click, reporter);
    const sheet::Workbook* book = nullptr;
    if (!trap.Step(100, [&] { book = &calendar.Workbook(); }))
        return false;
    QPrinter printer(QPrinter::HighResolution);
    const int pages = book->SheetCount();
    trap.Step(102, [&] {
        printer.setPageLayout(CalendarPageLayout(paper, PagesOrientation(SheetsInSpan(*book, {1, pages}))));
        printer.setDocName(DocumentTitle());
        printer.setFromTo(1, pages);
    });
    bool accepted = false;
    trap.Step(104, [&] { accepted = askPrinter && askPrinter(printer, pages); });
    if (!accepted)
        return false;
    return trap.Step(106, [&] {
        // Exactly the pages named, in their order: "2,5" is February and May, nothing between.
        std::vector<const sheet::Worksheet*> sheets;
        for (const int page : TakeChosenPages(printer, pages)) {
            const std::vector<const sheet::Worksheet*> one = SheetsInSpan(*book, {page, page});
            sheets.insert(sheets.end(), one.begin(), one.end());
        }
        if (sheets.empty())
            throw std::runtime_error(
                QCoreApplication::translate("CalendarExport", "The chosen pages hold no month.").toStdString());
        // Printing to a file is saving one: through the same one-step replace as Export PDF, not
        // the printer's own file, which follows any link at the name and is cut short on failure.
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
            WriteFileReplacing(SheetsPdf(sheets, printer.pageLayout(), DocumentTitle()),
                               printer.outputFileName());
            return;
        }
        PaintSheetPages(printer, sheets);
        // A queue that refuses the job must not pass for a printed calendar.
        if (const QString refusal = QueueRefusal(); !refusal.isEmpty())
            throw std::runtime_error(
                QCoreApplication::translate("CalendarExport", "The printer did not take the calendar: %1")
                    .arg(refusal)
                    .toStdString());
    });
}

}  // namespace morvessa
