#pragma once
// The calendar on paper from the preview: the open workbook as a PDF file the user names, or on a
// printer the user picks. Both draw the month sheets as the snapshot shows them (host/SheetPrint.h).

#include "preview/SaveResults.h"
#include "settings/PaperSetting.h"

#include <QString>

#include <functional>
#include <memory>

class QPrinter;

namespace morvessa {

namespace sheet {
class Workbook;
}

inline constexpr const char* kExportPdfTitle = QT_TRANSLATE_NOOP("CalendarExport", "Export PDF");

// The name with ".pdf" added unless it already ends so (in any letter case).
QString WithPdfSuffix(const QString& name);

// The open calendar: read from the temporary workbook once, on first use.
class OpenCalendar {
public:
    void SetPath(const QString& path);
    QString Path() const { return path_; }
    // Throws sheet::xls::XlsError when the file cannot be read.
    const sheet::Workbook& Workbook();
    // Forgets what was read, so the next use reads the file again.
    void Reset();

private:
    QString path_;
    std::unique_ptr<sheet::Workbook> workbook_;
};

// Every month sheet of the workbook as a PDF on `paper`, replacing `path` in one step. Throws
// std::runtime_error with the reason.
void WriteCalendarPdf(const sheet::Workbook& book, Paper paper, const QString& path);

// "Export PDF…": asks for a name (".pdf" added when missing), asks before replacing an existing
// file, writes every month on `paper` and says "Done.". A cancel writes nothing and says nothing;
// a failure is reported and keeps any older file. Returns whether the file was written.
bool ExportPdf(OpenCalendar& calendar, Paper paper, SaveDialogs& dialogs, ErrorReporter* reporter = nullptr);

// Shows the print dialog for `printer`; true when the user chose to print.
using PrintDialogRunner = std::function<bool(QPrinter& printer, int pageCount)>;

// "Print…": sets the printer to the calendar's pages (their orientation, `paper`, every month), lets
// the user pick printer, pages and paper, then draws exactly the pages named ("2,5" is the second
// and the fifth) and keeps the queue from picking pages out again. A job the queue refuses is
// reported. Returns whether it printed.
bool PrintCalendar(OpenCalendar& calendar, Paper paper, const PrintDialogRunner& askPrinter,
                   ErrorReporter* reporter = nullptr);

}  // namespace morvessa
