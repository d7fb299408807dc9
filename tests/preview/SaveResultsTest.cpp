#include "preview/SaveResults.h"
#include "preview/PreviewLocations.h"
#include "preview/ScriptedDialogs.h"

#include "settings/SettingsStore.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/xls/XlsFile.h"
#include "support/SmallFilesystem.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace morvessa {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(data), data.size());
}

// A real workbook of a few sheets: the copy refuses anything less.
QByteArray SampleWorkbookBytes()
{
    sheet::Workbook book;
    for (int s = 1; s <= 3; ++s) {
        sheet::Worksheet& sheet = book.AddSheet("Month " + std::to_string(s));
        for (int r = 1; r <= 200; ++r)
            sheet.SetCellValue(r, 1, "Row " + std::to_string(r * s));
    }
    const std::vector<uint8_t> bytes = sheet::xls::WriteWorkbookBytes(book);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

class SaveResultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        workbookBytes = SampleWorkbookBytes();
        workbook = dir.filePath("tqmrex12345678.xls");
        WriteAll(workbook, workbookBytes);
        // Saving remembers its folder in the settings store: a store of this test's own.
        settings = std::make_unique<ScopedSettingsFile>(settingsDir.filePath("Vantrelle.ini"));
    }
    // A real workbook file, as generation leaves it, for the saves that read it.
    void UseRealWorkbook()
    {
        sheet::Workbook wb;
        sheet::Worksheet& january = wb.AddSheet("January");
        january.SetCellValue(1, 1, std::string("January 2026"));
        january.SetCellValue(9, 5, 1);
        sheet::xls::SaveWorkbook(wb, workbook.toStdString());
        workbookBytes = ReadAll(workbook);
    }
    QStringList FilesIn(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    bool ReportedAt(int line) const
    {
        const std::string needle =
            std::string(location::Form2_PushButton6_Click) + "at line " + std::to_string(line);
        for (const std::string& message : reports.messages)
            if (message.find(needle) != std::string::npos)
                return true;
        return false;
    }

    QTemporaryDir dir;
    QTemporaryDir settingsDir;
    std::unique_ptr<ScopedSettingsFile> settings;
    QByteArray workbookBytes;
    QString workbook;
    ScriptedDialogs dialogs;
    RecordingErrorReporter reports;
};

TEST_F(SaveResultsTest, NewNameGetsACopyAndDone)
{
    const QString target = dir.filePath("calendar.xls");
    dialogs.fileNames.push_back(target);
    EXPECT_TRUE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_EQ(dialogs.titles, QStringList{"Save File"});
    ASSERT_EQ(dialogs.offeredFilters.size(), 1);
    EXPECT_EQ(dialogs.offeredFilters[0],
              (QStringList{"Excel 97-2003 Workbook (*.xls)", "Excel Workbook (*.xlsx)", "PDF (*.pdf)"}));
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(dialogs.messages, QStringList{"Done."});
    EXPECT_EQ(ReadAll(target), workbookBytes);
    EXPECT_EQ(ReadAll(workbook), workbookBytes);  // the temporary workbook stays
    EXPECT_EQ(FilesIn(dir.path()), (QStringList{"calendar.xls", "tqmrex12345678.xls"}));
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(SaveResultsTest, ExistingNameAnsweredNoKeepsTheFile)
{
    const QString target = dir.filePath("mine.xls");
    WriteAll(target, "precious");
    dialogs.fileNames.push_back(target);
    dialogs.answerYes = false;
    EXPECT_FALSE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_EQ(dialogs.questions, QStringList{"Are you sure you wish to overwrite " + target + " ?"});
    EXPECT_EQ(ReadAll(target), QByteArray("precious"));
    EXPECT_EQ(dialogs.messages, QStringList{"Done."});
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(SaveResultsTest, ExistingNameAnsweredYesIsReplaced)
{
    const QString target = dir.filePath("mine.xls");
    WriteAll(target, QByteArray(300000, 'x'));  // longer than the copy: nothing of it may remain
    dialogs.fileNames.push_back(target);
    EXPECT_TRUE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(ReadAll(target), workbookBytes);
    EXPECT_EQ(dialogs.messages, QStringList{"Done."});
    EXPECT_EQ(FilesIn(dir.path()).size(), 2);  // no leftover intermediate file
}

TEST_F(SaveResultsTest, NameWithoutExtensionGetsTheChosenTypesExtension)
{
    dialogs.fileNames = {dir.filePath("calendar"), dir.filePath("calendar.2026"), dir.filePath("dotted.")};
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_EQ(ReadAll(dir.filePath("calendar.xls")), workbookBytes);
    EXPECT_EQ(ReadAll(dir.filePath("calendar.2026")), workbookBytes);  // has an extension of its own
    EXPECT_EQ(ReadAll(dir.filePath("dotted.xls")), workbookBytes);
    EXPECT_FALSE(QFile::exists(dir.filePath("calendar")));
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(SaveResultsTest, ExcelWorkbookTypeWritesAnXlsxOfTheSameWorkbook)
{
    UseRealWorkbook();
    dialogs.fileNames = {dir.filePath("calendar")};
    dialogs.chosenFilters = {"Excel Workbook (*.xlsx)"};
    EXPECT_TRUE(SaveResultsToFile(workbook, dialogs, &reports));
    const QByteArray saved = ReadAll(dir.filePath("calendar.xlsx"));
    EXPECT_TRUE(saved.startsWith("PK"));  // a zip package
    EXPECT_TRUE(saved.contains("xl/worksheets/sheet1.xml"));
    EXPECT_EQ(dialogs.messages, QStringList{"Done."});
    EXPECT_EQ(FilesIn(dir.path()), (QStringList{"calendar.xlsx", "tqmrex12345678.xls"}));
    EXPECT_EQ(ReadAll(workbook), workbookBytes);
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(SaveResultsTest, PdfTypeWritesTheCalendarPages)
{
    UseRealWorkbook();
    dialogs.fileNames.push_back(dir.filePath("calendar"));
    dialogs.chosenFilters.push_back("PDF (*.pdf)");
    EXPECT_TRUE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_TRUE(reports.messages.empty());
    const QByteArray pdf = ReadAll(dir.filePath("calendar.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.contains("/Type /Page"));
    EXPECT_EQ(dialogs.messages, QStringList{"Done."});
}

TEST_F(SaveResultsTest, TypedExtensionOfAnOfferedTypeDecidesTheFormat)
{
    UseRealWorkbook();
    dialogs.fileNames = {dir.filePath("typed.XLSX"), dir.filePath("typed.xls")};
    dialogs.chosenFilters = {"Excel 97-2003 Workbook (*.xls)", "Excel Workbook (*.xlsx)"};
    EXPECT_TRUE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_TRUE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_TRUE(ReadAll(dir.filePath("typed.XLSX")).startsWith("PK"));
    EXPECT_EQ(ReadAll(dir.filePath("typed.xls")), workbookBytes);
    EXPECT_EQ(FilesIn(dir.path()).size(), 3);
}

TEST_F(SaveResultsTest, ExistingXlsxIsAskedForAndReplacedOnlyOnYes)
{
    UseRealWorkbook();
    const QString target = dir.filePath("mine.xlsx");
    WriteAll(target, "precious");
    dialogs.fileNames = {target, target};
    dialogs.answerYes = false;
    EXPECT_FALSE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_EQ(ReadAll(target), QByteArray("precious"));
    dialogs.answerYes = true;
    EXPECT_TRUE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_TRUE(ReadAll(target).startsWith("PK"));
    EXPECT_EQ(dialogs.questions, QStringList(2, "Are you sure you wish to overwrite " + target + " ?"));
    EXPECT_EQ(dialogs.messages, (QStringList{"Done.", "Done."}));
    EXPECT_EQ(FilesIn(dir.path()).size(), 2);  // no leftover intermediate file
}

TEST_F(SaveResultsTest, UnreadableWorkbookIsReportedAndNoXlsxIsLeft)
{
    WriteAll(workbook, "not a workbook file at all");
    const QString target = dir.filePath("mine.xlsx");
    WriteAll(target, "precious");
    dialogs.fileNames = {target};
    EXPECT_FALSE(SaveResultsToFile(workbook, dialogs, &reports));
    ASSERT_EQ(reports.messages.size(), 1u);
    EXPECT_TRUE(ReportedAt(130));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(ReadAll(target), QByteArray("precious"));
    EXPECT_EQ(FilesIn(dir.path()).size(), 2);
}

TEST_F(SaveResultsTest, DialogOpensWhereTheLastSaveWent)
{
    // Nothing remembered yet: the Documents folder (or the home folder where there is none).
    dialogs.fileNames = {dir.filePath("one.xls")};
    SaveResultsToFile(workbook, dialogs, &reports);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(dialogs.folders.value(0), QFileInfo(documents).isDir() ? documents : QDir::homePath());
    EXPECT_NE(dialogs.folders.value(0), QDir::currentPath());

    const QString sub = dir.filePath("sub");
    ASSERT_TRUE(QDir().mkpath(sub));
    dialogs.fileNames = {QDir(sub).filePath("two.xls"), dir.filePath("three.xls")};
    SaveResultsToFile(workbook, dialogs, &reports);
    SaveResultsToFile(workbook, dialogs, &reports);
    EXPECT_EQ(dialogs.folders.value(1), QFileInfo(dir.filePath("one.xls")).absolutePath());
    EXPECT_EQ(dialogs.folders.value(2), QFileInfo(sub).absoluteFilePath());
    EXPECT_EQ(ReadSetting(QString::fromLatin1(key::SaveFolder), QString()),
              QFileInfo(dir.path()).absoluteFilePath());

    // A cancelled or failed save remembers nothing; a folder that went away is not offered.
    dialogs.fileNames = {dir.filePath("no such folder/four.xls")};
    SaveResultsToFile(workbook, dialogs, &reports);
    SaveResultsToFile(workbook, dialogs, &reports);
    EXPECT_EQ(ReadSetting(QString::fromLatin1(key::SaveFolder), QString()),
              QFileInfo(dir.path()).absoluteFilePath());
    WriteSetting(QString::fromLatin1(key::SaveFolder), dir.filePath("gone"));
    SaveResultsToFile(workbook, dialogs, &reports);
    EXPECT_EQ(dialogs.folders.last(), dialogs.folders.first());
}

TEST_F(SaveResultsTest, CancelWritesNothingButSaysDone)
{
    EXPECT_FALSE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(dialogs.messages, QStringList{"Done."});
    EXPECT_EQ(FilesIn(dir.path()), QStringList{"tqmrex12345678.xls"});
}

TEST_F(SaveResultsTest, TwoSavesGiveTwoIdenticalCopies)
{
    dialogs.fileNames = {dir.filePath("one.xls"), dir.filePath("two.xls")};
    EXPECT_TRUE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_TRUE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_EQ(ReadAll(dir.filePath("one.xls")), workbookBytes);
    EXPECT_EQ(ReadAll(dir.filePath("two.xls")), workbookBytes);
    EXPECT_EQ(dialogs.messages, (QStringList{"Done.", "Done."}));
}

TEST_F(SaveResultsTest, SavingOverTheWorkbookItselfLosesNothing)
{
    dialogs.fileNames.push_back(workbook);
    EXPECT_TRUE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_EQ(ReadAll(workbook), workbookBytes);
}

TEST_F(SaveResultsTest, MissingFolderIsReportedWithoutDone)
{
    dialogs.fileNames.push_back(dir.filePath("no such folder/calendar.xls"));
    EXPECT_FALSE(SaveResultsToFile(workbook, dialogs, &reports));
    ASSERT_EQ(reports.messages.size(), 1u);
    EXPECT_TRUE(ReportedAt(130));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// A folder nobody may write into, even an administrator (who ignores permission bits).
class LockedFolder {
public:
    explicit LockedFolder(const QString& path) : path_(path)
    {
        QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (!Writable())
            return;
        immutable_ = QProcess::execute("chattr", {"+i", path_}) == 0;
    }
    ~LockedFolder()
    {
        if (immutable_)
            QProcess::execute("chattr", {"-i", path_});
        QFile::setPermissions(path_,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    bool Writable() const
    {
        QFile probe(QDir(path_).filePath(".probe"));
        if (!probe.open(QIODevice::WriteOnly))
            return false;
        probe.close();
        probe.remove();
        return true;
    }

private:
    QString path_;
    bool immutable_ = false;
};

TEST_F(SaveResultsTest, UnwritableFolderKeepsTheOldFileAndReports)
{
    const QString folder = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString target = QDir(folder).filePath("mine.xls");
    WriteAll(target, "precious");
    LockedFolder lock(folder);
    if (lock.Writable())
        GTEST_SKIP() << "cannot make a folder unwritable here";

    dialogs.fileNames.push_back(target);
    EXPECT_FALSE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(ReadAll(target), QByteArray("precious"));
    ASSERT_EQ(reports.messages.size(), 1u);
    EXPECT_TRUE(ReportedAt(130));
    EXPECT_NE(reports.messages[0].find("mine.xls"), std::string::npos);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(FilesIn(folder), QStringList{"mine.xls"});
}

TEST_F(SaveResultsTest, BackDropsTheWorkbookThenShowsAndHides)
{
    std::vector<std::string> calls;
    BackToMainWindow(
        workbook, [&] { calls.push_back(QFile::exists(workbook) ? "show (file still there)" : "show"); },
        [&] { calls.push_back("hide"); }, &reports);
    EXPECT_FALSE(QFile::exists(workbook));
    EXPECT_EQ(calls, (std::vector<std::string>{"show", "hide"}));

    // Already gone: only the windows change.
    calls.clear();
    BackToMainWindow(
        workbook, [&] { calls.push_back("show"); }, [&] { calls.push_back("hide"); }, &reports);
    EXPECT_EQ(calls, (std::vector<std::string>{"show", "hide"}));
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(SaveResultsTest, ClosingDropsTheWorkbook)
{
    QueryUnloadPreview(workbook, &reports);
    EXPECT_FALSE(QFile::exists(workbook));
    QueryUnloadPreview(workbook, &reports);  // already gone: nothing to say
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(SaveResultsTest, AnEmptyOrCutTemporaryWorkbookNeverReplacesTheUsersFile)
{
    const QString target = dir.filePath("mine.xls");
    WriteAll(target, "precious");
    // What a failed save leaves: the empty file that held the name, or the start of a workbook.
    for (const QByteArray& broken : {QByteArray(), workbookBytes.left(workbookBytes.size() / 2)}) {
        WriteAll(workbook, broken);
        dialogs.fileNames.push_back(target);
        EXPECT_FALSE(SaveResultsToFile(workbook, dialogs, &reports));
        EXPECT_EQ(ReadAll(target), QByteArray("precious"));
    }
    ASSERT_EQ(reports.messages.size(), 2u);
    EXPECT_TRUE(ReportedAt(130));
    EXPECT_NE(reports.messages[0].find("is not complete"), std::string::npos) << reports.messages[0];
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "\"Done.\" after nothing was saved";
    EXPECT_EQ(FilesIn(dir.path()), (QStringList{"mine.xls", "tqmrex12345678.xls"}));
}

TEST_F(SaveResultsTest, AFullDiskIsNamedAndKeepsTheOldFile)
{
    const QString folder = dir.filePath("small");
    ASSERT_TRUE(QDir().mkpath(folder));
    testing::SmallFilesystem disk(folder.toStdString(), 64);
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason();
    const QString target = QDir(folder).filePath("mine.xls");
    WriteAll(target, "precious");
    disk.Fill();
    dialogs.fileNames.push_back(target);
    EXPECT_FALSE(SaveResultsToFile(workbook, dialogs, &reports));
    EXPECT_EQ(ReadAll(target), QByteArray("precious"));
    ASSERT_EQ(reports.messages.size(), 1u);
    EXPECT_NE(reports.messages[0].find(target.toStdString() + " (the disk is full)"), std::string::npos)
        << reports.messages[0];
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(FilesIn(folder), (QStringList{".filler", "mine.xls"}));
}

}  // namespace
}  // namespace morvessa
