// xls-records as a user runs it: on a workbook this program wrote, on one another program saved,
// and on broken files, where it must say what is wrong and exit non-zero.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "spreadsheet/Application.h"
#include "spreadsheet/ModelCalendarBuilder.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/xls/XlsFile.h"

namespace {

const QString kTool = QStringLiteral(MORVESSA_BINARY_DIR "/bin/xls-records");
const std::string kData = MORVESSA_SOURCE_DIR "/tests/spreadsheet/data/";

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

RunResult RunTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(kTool, arguments);
    RunResult result;
    if (!tool.waitForFinished(60000))
        return result;
    result.exitCode = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    result.out = tool.readAllStandardOutput().toStdString();
    result.err = tool.readAllStandardError().toStdString();
    return result;
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class XlsRecordsTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(kTool).isExecutable())
            GTEST_SKIP() << "xls-records is not built";
        ASSERT_TRUE(folder_.isValid());
    }

    // A two-month calendar written by the engine.
    QString WriteCalendar()
    {
        using namespace morvessa;
        using sheet::Application, sheet::Workbook;
        Application app;
        Workbook& book = sheet::testing::PrepareWorkbook(app, 36);
        sheet::testing::BuildMonth(app, book, 2024, 3, 15);
        sheet::testing::BuildMonth(app, book, 2024, 4, 15);
        const QString path = folder_.filePath(QStringLiteral("calendar.xls"));
        sheet::xls::SaveWorkbook(book, path.toStdString());
        return path;
    }

    QTemporaryDir folder_;
};

TEST_F(XlsRecordsTool, ListsTheRecordsOfAGeneratedWorkbookWithTheirFields)
{
    const RunResult run = RunTool({WriteCalendar()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "== stream \"Workbook\""));
    EXPECT_TRUE(Has(run.out, "00000000  0809  BOF"));
    EXPECT_TRUE(Has(run.out, "WRITEACCESS           112  \"Morvessa\""));
    EXPECT_TRUE(Has(run.out, "-- substream at ")) << "each sheet's substream is marked";
    EXPECT_TRUE(Has(run.out, ": sheet \"March\""));
    EXPECT_TRUE(Has(run.out, "\"March 2024\"")) << "a LABELSST shows its shared string";
    EXPECT_TRUE(Has(run.out, "MERGEDCELLS"));
    EXPECT_TRUE(Has(run.out, "SETUP"));
    EXPECT_FALSE(Has(run.out, "\n! ")) << "every record this program writes decodes";
}

TEST_F(XlsRecordsTool, LoadListsTheSheetsTheReaderBuilds)
{
    const RunResult run = RunTool({QStringLiteral("--load"), WriteCalendar()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "sheet \"March\": used range $A$1:"));
    EXPECT_TRUE(Has(run.out, "sheet \"April\": used range $A$1:"));
    EXPECT_TRUE(Has(run.out, " merged areas: "));
}

TEST_F(XlsRecordsTool, ReadsAWorkbookAnotherProgramSaved)
{
    const QString file = QString::fromStdString(kData + "foreign/calendar_2024_resaved_by_libreoffice.xls");
    const RunResult dump = RunTool({file});
    ASSERT_EQ(dump.exitCode, 0) << dump.out;
    EXPECT_TRUE(Has(dump.out, "MSODRAWINGGROUP")) << "records of other writers are named";
    EXPECT_TRUE(Has(dump.out, ": sheet \"December\""));
    EXPECT_FALSE(Has(dump.out, "\n! "));

    const RunResult load = RunTool({QStringLiteral("--load"), file});
    ASSERT_EQ(load.exitCode, 0) << load.err;
    EXPECT_TRUE(Has(load.out, ": 12 sheets"));
    EXPECT_TRUE(Has(load.out, "sheet \"July\": used range $A$1:$BD$"));
}

TEST_F(XlsRecordsTool, BrokenFilesGiveTheReadersReasonAndFail)
{
    const RunResult load =
        RunTool({QStringLiteral("--load"), QString::fromStdString(kData + "sheet_outside_stream.xls")});
    EXPECT_EQ(load.exitCode, 1);
    EXPECT_TRUE(Has(load.err, "a sheet lies outside the workbook stream.")) << load.err;

    const RunResult cut = RunTool({QString::fromStdString(kData + "record_longer_than_stream.xls")});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_TRUE(Has(cut.out, "! The file is not a valid workbook: a record is cut short.")) << cut.out;

    const RunResult missing = RunTool({folder_.filePath(QStringLiteral("missing.xls"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(RunTool({}).exitCode, 2) << "no file: the usage";
}

}  // namespace
