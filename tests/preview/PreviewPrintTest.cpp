// The preview's way to paper: Export PDF (name, suffix, overwrite question, failure), Print through
// the print dialog to the same pages, the month picker, Fit, and a window that grows.

#include "host/SheetPicture.h"
#include "preview/PreviewModel.h"
#include "preview/PreviewWindow.h"
#include "preview/ScriptedDialogs.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/xls/XlsFile.h"
#include "support/PdfTools.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <unistd.h>

namespace morvessa {
namespace {

class PreviewPrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(test::PdfToolsPresent()) << "the poppler utilities are missing (scripts/setup.sh)";
        // Three month sheets of different sizes, set up for landscape pages as the generation sets them
        // up; the second is active, as the main window chose it.
        sheet::Workbook book;
        const char* names[] = {"January", "February", "March"};
        for (int index = 0; index < 3; ++index) {
            sheet::Worksheet& sheet = book.AddSheet(names[index]);
            sheet.SetCellValue(1, 1, std::string("Sheet") + names[index]);
            sheet::PageLayout page = sheet.Layout();
            page.landscape = true;
            sheet.SetLayout(page);
            sheet.SetCellValue(10 + 5 * index, 12 + 4 * index, 1.0 + index);
            sheet.ApplyFormat(sheet::CellRange::Parse("C3:D4"), [](sheet::CellFormat& format) {
                format.interior.colorIndex = 6;
                format.interior.pattern = sheet::xlPatternSolid;
            });
        }
        book.SetActiveSheetIndex(2);
        workbook = dir.filePath(QStringLiteral("tqmrex55667788.xls"));
        sheet::xls::SaveWorkbook(book, workbook.toStdString());

        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        form = std::make_unique<PreviewWindow>(&mainWindow);
        form->SetSaveDialogs(std::move(scripted));
        form->SetQuitHandler([] {});
        QImage snapshot(800, 600, QImage::Format_RGB32);
        snapshot.fill(Qt::white);
        form->SetPicture(snapshot);
        form->SetExcelFile(workbook);
        form->show();
    }

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    QString workbook;
    QWidget mainWindow;
    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<PreviewWindow> form;
};

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(PreviewPrintTest, ExportPdfAddsTheSuffixAndWritesEveryMonth)
{
    dialogs->fileNames = {Path("calendar")};
    form->ExportPdfAction()->trigger();
    ASSERT_EQ(dialogs->titles, QStringList{QStringLiteral("Export PDF")});
    ASSERT_EQ(dialogs->offeredFilters.size(), 1);
    EXPECT_EQ(dialogs->offeredFilters[0], QStringList{QStringLiteral("PDF (*.pdf)")});
    const QString pdf = Path("calendar.pdf");
    EXPECT_EQ(test::PdfPageCount(pdf), 3);
    for (int page = 1; page <= 3; ++page) {
        const std::vector<QSizeF> sizes = test::PdfPageSizes(pdf);
        ASSERT_EQ(sizes.size(), 3u);
        EXPECT_GT(sizes[page - 1].width(), sizes[page - 1].height());
    }
    EXPECT_TRUE(test::PdfPageText(pdf, 3).contains(QStringLiteral("SheetMarch")));
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(dialogs->questions.isEmpty());
    EXPECT_FALSE(QFile::exists(Path("calendar")));
}

TEST_F(PreviewPrintTest, AnExistingPdfIsReplacedOnlyAfterYes)
{
    {
        QFile old(Path("kept.pdf"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("older");
    }
    dialogs->answerYes = false;
    dialogs->fileNames = {Path("kept.pdf")};
    form->ExportPdf();
    EXPECT_EQ(dialogs->questions,
              QStringList{QStringLiteral("Are you sure you wish to overwrite %1 ?").arg(Path("kept.pdf"))});
    EXPECT_EQ(Contents(Path("kept.pdf")), QByteArray("older"));
    EXPECT_TRUE(dialogs->messages.isEmpty());

    dialogs->answerYes = true;
    dialogs->fileNames = {Path("kept.pdf")};
    form->ExportPdf();
    EXPECT_EQ(test::PdfPageCount(Path("kept.pdf")), 3);

    // A read-only file gets its own question.
    QFile::setPermissions(Path("kept.pdf"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    dialogs->answerYes = false;
    dialogs->fileNames = {Path("kept.pdf")};
    form->ExportPdf();
    EXPECT_EQ(dialogs->questions.back(), QStringLiteral("%1 is read-only. Replace it anyway?").arg(Path("kept.pdf")));
    dialogs->answerYes = true;

    // Cancelled: nothing asked, written or said.
    form->ExportPdf();
    EXPECT_EQ(dialogs->messages.size(), 1);
}

TEST_F(PreviewPrintTest, AFailedExportIsReportedAndNotCalledDone)
{
    RecordingErrorReporter reports;
    ScopedErrorReporter useReports(reports);
    dialogs->fileNames = {Path("missing/calendar.pdf")};
    form->ExportPdf();
    ASSERT_EQ(reports.messages.size(), 1u);
    EXPECT_NE(reports.messages.front().find("mnuExportPdf_Click"), std::string::npos);
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(PreviewPrintTest, PrintShowsThePrintDialogAndPrintsTheChosenMonths)
{
    const QString out = Path("printed.pdf");
    int asked = 0;
    form->SetPrintDialogRunner([&](QPrinter& printer, int pages) {
        ++asked;
        EXPECT_EQ(pages, 3);
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
        // The user picks pages 2 to 3 and prints to a file.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        printer.setFromTo(2, 3);
        return true;
    });
    // Printing to a file saves like Export PDF: another user's link at the name is replaced, never
    // written through, and no partial file stays beside it.
    const bool root = ::geteuid() == 0;
    if (root) {
        QFile victim(Path("victim.txt"));
        ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
        victim.write("private");
        victim.close();
        ASSERT_TRUE(QFile::link(Path("victim.txt"), out));
        ASSERT_EQ(::lchown(QFile::encodeName(out).constData(), 65534, 65534), 0);
    }
    // Ctrl+P is the print action's key, and the window owns the action so it works from anywhere.
    EXPECT_EQ(form->PrintAction()->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_TRUE(form->actions().contains(form->PrintAction()));
    form->PrintAction()->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(test::PdfPageCount(out), 2);
    EXPECT_TRUE(test::PdfPageText(out, 1).contains(QStringLiteral("SheetFebruary")));
    EXPECT_TRUE(test::PdfPageText(out, 2).contains(QStringLiteral("SheetMarch")));
    EXPECT_FALSE(QFileInfo(out).isSymLink());
    if (root) {
        EXPECT_EQ(Contents(Path("victim.txt")), QByteArray("private"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QStringList{QStringLiteral("printed.pdf*")}, QDir::Files | QDir::System),
              QStringList{QStringLiteral("printed.pdf")});

    // A cancelled dialog prints nothing.
    QFile::remove(out);
    form->SetPrintDialogRunner([](QPrinter&, int) { return false; });
    form->Print();
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(PreviewPrintTest, TheMonthPickerDrawsAnyMonthFromTheOpenWorkbook)
{
    QComboBox* picker = form->MonthPicker();
    ASSERT_EQ(picker->count(), 3);
    EXPECT_EQ(picker->itemText(0), QStringLiteral("January"));
    EXPECT_EQ(picker->currentIndex(), 1);  // the active sheet
    EXPECT_TRUE(picker->isEnabled());

    const auto book = sheet::xls::OpenWorkbook(workbook.toStdString());
    // Works from the workbook read at the handover, even once the file is gone.
    QFile::remove(workbook);
    picker->setCurrentIndex(2);
    const sheet::Worksheet& march = book->Sheet(3);
    const QImage expected = RenderRangePicture(march, *march.UsedArea());
    EXPECT_EQ(form->PictureImage(), expected);
    EXPECT_EQ(form->Model().Zoom(), 1.0f);
    // The snapshot as handed over stays what Picture() returns.
    EXPECT_EQ(form->Picture().size(), QSize(800, 600));
}

TEST_F(PreviewPrintTest, FitShowsTheWholePictureAndGrowingTheWindowGrowsTheViewport)
{
    form->FitAction()->trigger();
    const PictureBoxState& viewport = form->Model().Viewport();
    EXPECT_LE(form->Model().PictureBox().width, viewport.InnerWidth());
    EXPECT_LE(form->Model().PictureBox().height, viewport.InnerHeight());
    EXPECT_TRUE(form->Model().PictureBox().width == viewport.InnerWidth() ||
                form->Model().PictureBox().height == viewport.InnerHeight());
    EXPECT_FALSE(form->HorizontalBar()->isEnabled());
    EXPECT_FALSE(form->VerticalBar()->isEnabled());

    const QRect viewportBefore = form->ViewportWidget()->geometry();
    const QRect saveBefore = form->SaveButton()->geometry();
    form->resize(form->width() + 200, form->height() + 150);
    EXPECT_EQ(form->ViewportWidget()->geometry(), viewportBefore.adjusted(0, 0, 200, 150));
    EXPECT_EQ(form->SaveButton()->geometry(), saveBefore.translated(0, 150));
    EXPECT_EQ(form->Model().Viewport().width, PixelsToTwips(viewportBefore.width() + 200));
    // Fit again uses the larger room.
    const int fittedBefore = form->Model().PictureBox().width;
    form->FitZoom();
    EXPECT_GT(form->Model().PictureBox().width, fittedBefore);
    // Never smaller than the designed window.
    form->resize(100, 100);
    EXPECT_EQ(form->size(), form->minimumSize());
    EXPECT_EQ(form->ViewportWidget()->geometry(), viewportBefore);
}

}  // namespace
}  // namespace morvessa
