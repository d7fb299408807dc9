#include "host/HostInstances.h"
#include "host/InstanceRegistry.h"
#include "host/HostTestSupport.h"
#include "core/NumericText.h"
#include "spreadsheet/Application.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace morvessa {
namespace {

namespace fs = std::filesystem;

// Answers the instance checks' boxes and records what they were asked.
class RecordingInstanceUi final : public InstanceCheckUi {
public:
    void ShowMessage(const std::string& text) override { events.push_back("message:" + text); }
    bool AskYesNo(const std::string& text) override
    {
        events.push_back("question:" + text);
        return answerYes;
    }
    void EndProgram() override { events.push_back("end"); }

    bool answerYes = false;
    std::vector<std::string> events;
};

std::vector<fs::path> Entries(const std::string& folder)
{
    std::vector<fs::path> entries;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(folder, ec)) {
        if (item.path().extension() == ".instance")
            entries.push_back(item.path());
    }
    return entries;
}

void WriteEntry(const std::string& folder, const std::string& file, long long pid, const std::string& start,
                const std::string& name)
{
    fs::create_directories(folder);
    ::chmod(folder.c_str(), 0700);
    std::ofstream(folder + "/" + file)
        << "pid=" << pid << "\nstart=" << start << "\nname=" << name << "\nversion=16.0\n";
}

// A child process that keeps an instance until told to quit it; it talks through two pipes.
class InstanceProcess {
public:
    // crash: the child ends without quitting or releasing its instance, as a killed process would.
    explicit InstanceProcess(bool crash)
    {
        int toChild[2];
        int toParent[2];
        EXPECT_EQ(::pipe(toChild), 0);
        EXPECT_EQ(::pipe(toParent), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(toChild[1]);
            ::close(toParent[0]);
            ApplicationPtr app = CreateObject("Excel.Application");
            char byte = 'r';
            (void)!::write(toParent[1], &byte, 1);
            (void)!::read(toChild[0], &byte, 1);
            if (crash)
                ::_exit(0);
            app->Quit();
            (void)!::write(toParent[1], &byte, 1);
            (void)!::read(toChild[0], &byte, 1);
            ::_exit(0);
        }
        ::close(toChild[0]);
        ::close(toParent[1]);
        toChild_ = toChild[1];
        fromChild_ = toParent[0];
        char byte = 0;
        EXPECT_EQ(::read(fromChild_, &byte, 1), 1);  // the instance exists
    }
    ~InstanceProcess() { Finish(); }

    long long pid() const { return pid_; }
    // The child quits its instance (or, for a crash, just ends) and waits.
    void Step()
    {
        char byte = 'q';
        EXPECT_EQ(::write(toChild_, &byte, 1), 1);
        (void)!::read(fromChild_, &byte, 1);
    }
    void Finish()
    {
        if (pid_ <= 0)
            return;
        ::close(toChild_);
        ::close(fromChild_);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

private:
    pid_t pid_ = 0;
    int toChild_ = -1;
    int fromChild_ = -1;
};

TEST(CreateObject, GivesAnInvisibleInstanceNamedLikeTheHost)
{
    test::PrivateInstanceTable table;
    ApplicationPtr app = CreateObject("Excel.Application");
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->Name(), "Microsoft Excel");
    EXPECT_FALSE(app->Visible());
    EXPECT_GE(ToWholeNumber(QString::fromStdString(app->Version())), 12);
    EXPECT_NE(CreateObject("excel.application"), nullptr);  // ProgIDs ignore case
    EXPECT_THROW(CreateObject("Word.Application"), HostInstanceError);
}

TEST(InstanceTable, AttachFindsAnInstanceOfThisProcessUntilItQuits)
{
    test::PrivateInstanceTable table;
    EXPECT_FALSE(IsExcelRunning());
    ApplicationPtr app = CreateObject("Excel.Application");
    EXPECT_TRUE(IsExcelRunning());
    const AttachedInstance attached = GetObject("Excel.Application");
    EXPECT_EQ(attached.Name(), "Microsoft Excel");
    EXPECT_EQ(attached.Version(), app->Version());
    EXPECT_EQ(attached.pid(), ::getpid());

    app->Quit();
    EXPECT_FALSE(IsExcelRunning());
    EXPECT_THROW(GetObject("Excel.Application"), HostInstanceError);
    EXPECT_THROW(attached.Name(), HostInstanceError);  // a reference to a gone instance fails
    EXPECT_TRUE(Entries(table.Folder()).empty());
}

TEST(InstanceTable, ReleasingTheLastReferenceEndsTheListing)
{
    test::PrivateInstanceTable table;
    CreateObject("Excel.Application");  // dropped at once, never quit
    EXPECT_FALSE(IsExcelRunning());
    ApplicationPtr first = CreateObject("Excel.Application");
    ApplicationPtr second = CreateObject("Excel.Application");
    EXPECT_EQ(Entries(table.Folder()).size(), 2u);
    first->Quit();
    EXPECT_TRUE(IsExcelRunning());  // the other one still runs
    second.reset();
    EXPECT_FALSE(IsExcelRunning());
}

TEST(InstanceTable, AttachFindsAnInstanceOfAnotherProcessUntilItQuits)
{
    test::PrivateInstanceTable table;
    InstanceProcess child(/*crash=*/false);
    EXPECT_TRUE(IsExcelRunning());
    EXPECT_EQ(GetObject("Excel.Application").pid(), child.pid());
    child.Step();  // the child quits its instance but keeps running
    EXPECT_FALSE(IsExcelRunning());
}

TEST(InstanceTable, AnInstanceOfADeadProcessIsNotFoundAndItsEntryGoes)
{
    test::PrivateInstanceTable table;
    InstanceProcess child(/*crash=*/true);
    EXPECT_TRUE(IsExcelRunning());
    child.Step();
    child.Finish();
    ASSERT_EQ(Entries(table.Folder()).size(), 1u);  // nobody cleaned up after the dead process
    EXPECT_FALSE(IsExcelRunning());
    EXPECT_TRUE(Entries(table.Folder()).empty());
}

TEST(InstanceTable, AnEntryWhosePidNowBelongsToAnotherProcessIsStale)
{
    test::PrivateInstanceTable table;
    WriteEntry(table.Folder(), "reused.instance", ::getpid(), "1", "Microsoft Excel");
    EXPECT_FALSE(IsExcelRunning());
    WriteEntry(table.Folder(), "garbled.instance", 0, "", "Microsoft Excel");
    EXPECT_FALSE(IsExcelRunning());
    EXPECT_TRUE(Entries(table.Folder()).empty());
}

TEST(InstanceTable, ARunningInstanceWithAnotherNameDoesNotCount)
{
    test::PrivateInstanceTable table;
    WriteEntry(table.Folder(), "other.instance", ::getpid(), ProcessStartTime(::getpid()),
               "Microsoft Excel 2");
    EXPECT_EQ(GetObject("Excel.Application").Name(), "Microsoft Excel 2");
    EXPECT_FALSE(IsExcelRunning());
    RecordingInstanceUi ui;
    EXPECT_FALSE(WarnExcelOpen(ui));
    EXPECT_TRUE(ui.events.empty());
}

TEST(InstanceTable, AFolderOthersCanWriteIsNotTrusted)
{
    test::PrivateInstanceTable table;
    WriteEntry(table.Folder(), "planted.instance", ::getpid(), ProcessStartTime(::getpid()),
               "Microsoft Excel");
    ASSERT_TRUE(IsExcelRunning());
    ::chmod(table.Folder().c_str(), 0777);
    EXPECT_FALSE(IsExcelRunning());
    // Instances still work there; they are just not listed in a folder that is not private.
    ApplicationPtr app = CreateObject("Excel.Application");
    EXPECT_NE(app, nullptr);
    EXPECT_EQ(Entries(table.Folder()).size(), 1u);
}

TEST(InstanceTable, TheDefaultFolderIsPrivateToTheUser)
{
    const std::string folder = InstanceRegistryFolder();
    EXPECT_FALSE(folder.empty());
    // Either below the user's runtime folder or named by the user id in the temporary folder.
    EXPECT_TRUE(folder.find("/morvessa-instances") != std::string::npos);
    test::PrivateInstanceTable table;
    EXPECT_EQ(InstanceRegistryFolder(), table.Folder());
}

const std::string kNotInstalledText =
    "Error 842001. A normal instance of Excel could not be created.\r\n\r\n"
    "1. Please make sure Excel is installed on this computer.\r\n\r\n"
    "2. Please open Excel normally and make sure a blank spreadsheet opens immediately without any "
    "interrupting window (such as an Excel file recovery window).\r\n\r\n"
    "3. Please make sure that when you double-click on a XLS or XLSX file that Excel opens normally without "
    "any interrupting messages.\r\n\r\n"
    "4. All versions of Excel are supported by this software except for the rare Excel Starter and Student "
    "editions.";

TEST(CheckExcelInstalled, SaysNothingWhenAnInstanceCanBeCreatedAndDoesNotQuitIt)
{
    test::PrivateInstanceTable table;
    bool quitCalled = false;
    ScopedInstanceFactory factory([&] {
        auto app = std::make_shared<sheet::Application>();
        app->OnQuit([&] { quitCalled = true; });
        return app;
    });
    RecordingInstanceUi ui;
    CheckExcelInstalled(ui);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_FALSE(quitCalled);
    EXPECT_FALSE(IsExcelRunning());  // released, so no longer listed
}

TEST(CheckExcelInstalled, ShowsItsMessageThenEndsTheProgramWhenCreationFails)
{
    test::PrivateInstanceTable table;
    for (InstanceFactory failing :
         {InstanceFactory([]() -> ApplicationPtr { throw std::runtime_error("no host"); }),
          InstanceFactory([] { return ApplicationPtr(); })}) {
        ScopedInstanceFactory factory(failing);
        RecordingInstanceUi ui;
        CheckExcelInstalled(ui);
        EXPECT_EQ(ui.events, (std::vector<std::string>{"message:" + kNotInstalledText, "end"}));
    }
}

const std::string kWarningText = "Excel may be open. It is recommended that you close Excel first.\r"
                                 "Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.\r\n\r\n"
                                 "Would you like to proceed anyway?";

TEST(WarnExcelOpen, AsksOnlyWhenAnInstanceRunsAndStopsUnlessTheAnswerIsYes)
{
    test::PrivateInstanceTable table;
    RecordingInstanceUi ui;
    EXPECT_FALSE(WarnExcelOpen(ui));
    EXPECT_TRUE(ui.events.empty());

    ApplicationPtr running = CreateObject("Excel.Application");
    ui.answerYes = true;
    EXPECT_FALSE(WarnExcelOpen(ui));
    ui.answerYes = false;
    EXPECT_TRUE(WarnExcelOpen(ui));
    EXPECT_EQ(ui.events, (std::vector<std::string>{"question:" + kWarningText, "question:" + kWarningText}));
    EXPECT_FALSE(running->HasQuit());  // the user's instance is never told to quit
}

class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) : previous_(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

TEST(GetXlsFileFormat, VersionTwelveAndLaterSaveAs97Format)
{
    LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(XlsFileFormatForVersion("11.0"), -4143);
    EXPECT_EQ(XlsFileFormatForVersion("12.0"), 56);
    EXPECT_EQ(XlsFileFormatForVersion("16.0"), 56);
    EXPECT_EQ(XlsFileFormatForVersion("11.6"), 56);  // the nearest whole number counts
    EXPECT_THROW(XlsFileFormatForVersion("sixteen"), ConversionError);
    EXPECT_THROW(XlsFileFormatForVersion("70000"), ConversionError);  // beyond 16 bits
}

TEST(GetXlsFileFormat, ACommaLocaleReadsThePointVersionAlike)
{
    LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(XlsFileFormatForVersion("16.0"), 56);
    EXPECT_EQ(XlsFileFormatForVersion("16,0"), 56);
    EXPECT_EQ(XlsFileFormatForVersion("11.0"), -4143);
}

TEST(GetXlsFileFormat, AsksTheGivenInstanceOrAFreshOneThatItQuits)
{
    test::PrivateInstanceTable table;
    sheet::Application old("11.0");
    EXPECT_EQ(GetXlsFileFormat(&old), -4143);
    EXPECT_FALSE(old.HasQuit());

    std::shared_ptr<sheet::Application> fresh;
    {
        ScopedInstanceFactory factory([&] { return fresh = std::make_shared<sheet::Application>(); });
        EXPECT_EQ(GetXlsFileFormat(), 56);
    }
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->HasQuit());

    ScopedInstanceFactory failing([]() -> ApplicationPtr { throw std::runtime_error("no host"); });
    EXPECT_ANY_THROW(GetXlsFileFormat());  // the caller's trap reports it
}

TEST(OpenWorkbookInNewInstance, OpensTheFileInAFreshListedInstance)
{
    test::PrivateInstanceTable table;
    QTemporaryDir dir;
    const std::string path = dir.filePath("book.xls").toStdString();
    {
        sheet::Application writer;
        sheet::Workbook& book = writer.Workbooks().Add();
        book.ActiveSheet().Range("B2").Value(sheet::CellValue("kept"));
        book.SaveAs(path, 56);
    }
    ApplicationPtr app = OpenWorkbookInNewInstance(path);
    ASSERT_EQ(app->Workbooks().Count(), 1);
    EXPECT_EQ(app->Workbooks()(app->Workbooks().Count()).ActiveSheet().Range("B2").Value(),
              sheet::CellValue("kept"));
    EXPECT_TRUE(IsExcelRunning());
    app->Quit();
    EXPECT_FALSE(IsExcelRunning());

    EXPECT_ANY_THROW(OpenWorkbookInNewInstance(dir.filePath("missing.xls").toStdString()));
    EXPECT_FALSE(IsExcelRunning());  // the instance that could not open it is gone again
}

}  // namespace
}  // namespace morvessa
