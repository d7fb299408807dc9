// Printing through a real print queue: a private CUPS daemon with a PDF printer, driven through the
// program's print dialog. The queue's job file shows what the program sent, its PDF what came out.

#include "preview/PrintChoices.h"
#include "preview/PreviewWindow.h"
#include "settings/SettingsStore.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/xls/XlsFile.h"
#include "support/PdfTools.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include <unistd.h>

namespace morvessa {
namespace {

const QString kCupsd = QStringLiteral("/usr/sbin/cupsd");
const QString kPdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString kPdfDriver = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const char* const kMonths[] = {"January", "February", "March", "April", "May", "June"};

bool Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// A CUPS daemon of its own, on a socket in a temporary folder, with one PDF queue writing there.
// The PDF backend reads its settings from /etc/cups only, so the queue's own file is put there
// under the queue's unique name and taken away again.
class PrivateQueue {
public:
    PrivateQueue() : name_(QStringLiteral("morvessa%1").arg(::getpid()))
    {
        root_ = dir_.path();
        for (const char* sub : {"etc", "spool/tmp", "cache", "state", "log", "out", "pdfspool"})
            QDir().mkpath(root_ + u'/' + QLatin1String(sub));
        // The daemon's filters run as "lp" and must reach every folder.
        Run(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("a+rwX"), root_});
        Write(QStringLiteral("etc/cups-files.conf"),
              QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                             "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                             "PageLog %1/log/page_log\nDataDir /usr/share/cups\nServerBin /usr/lib/cups\n"
                             "User lp\nGroup lp\nSystemGroup root\n")
                  .arg(root_));
        Write(QStringLiteral("etc/cupsd.conf"),
              QStringLiteral("Listen %1/cups.sock\nBrowsing No\nWebInterface No\nPreserveJobFiles Yes\n"
                             "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n")
                  .arg(root_));
        backendConf_ = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(name_);
        QFile conf(backendConf_);
        if (!conf.open(QIODevice::WriteOnly))
            return;
        conf.write(QStringLiteral("Out %1/out\nAnonDirName %1/out\nSpool %1/pdfspool\nLog %1/log\nUserUMask 0000\n")
                       .arg(root_)
                       .toUtf8());
        conf.close();
        daemon_.start(kCupsd, {QStringLiteral("-f"), QStringLiteral("-c"), root_ + QStringLiteral("/etc/cupsd.conf"),
                               QStringLiteral("-s"), root_ + QStringLiteral("/etc/cups-files.conf")});
        if (!daemon_.waitForStarted(10000))
            return;
        qputenv("CUPS_SERVER", (root_ + QStringLiteral("/cups.sock")).toLocal8Bit());
        for (int tries = 0; tries < 50 && !QFile::exists(root_ + QStringLiteral("/cups.sock")); ++tries)
            QThread::msleep(100);
        ready_ = Run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), name_, QStringLiteral("-E"), QStringLiteral("-v"),
                                                QStringLiteral("cups-pdf:/") + name_, QStringLiteral("-P"), kPdfDriver,
                                                QStringLiteral("-o"), QStringLiteral("media=A4")}) &&
                 Run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name_});
    }
    ~PrivateQueue()
    {
        daemon_.terminate();
        daemon_.waitForFinished(10000);
        if (!backendConf_.isEmpty())
            QFile::remove(backendConf_);
    }

    bool Ready() const { return ready_; }
    const QString& Name() const { return name_; }
    bool Refuse() { return Run(QStringLiteral("cupsreject"), {name_}); }

    // The PDF the queue printed for the `count`-th job and the file the program sent for it,
    // once the job is done (waiting up to half a minute).
    QString Printed(int count) const { return Wait(QStringLiteral("out"), count); }
    QString Sent(int count) const { return Wait(QStringLiteral("spool"), count, QStringLiteral("d*")); }

private:
    void Write(const QString& path, const QString& text) const
    {
        QFile file(root_ + u'/' + path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
    }
    QString Wait(const QString& folder, int count, const QString& pattern = QStringLiteral("*.pdf")) const
    {
        for (int tries = 0; tries < 300; ++tries) {
            const QStringList files =
                QDir(root_ + u'/' + folder).entryList({pattern}, QDir::Files, QDir::Time | QDir::Reversed);
            if (files.size() >= count) {
                QThread::msleep(300);  // the backend writes the file in steps
                return root_ + u'/' + folder + u'/' + files[count - 1];
            }
            QThread::msleep(100);
        }
        return {};
    }

    QTemporaryDir dir_{QStringLiteral("/tmp/morvessa-queue-XXXXXX")};
    QString root_;
    QString name_;
    QString backendConf_;
    QProcess daemon_;
    bool ready_ = false;
};

class PrintQueueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0 || !QFile::exists(kCupsd) || !QFile::exists(kPdfBackend) || !QFile::exists(kPdfDriver))
            GTEST_SKIP() << "needs root, cups and printer-driver-cups-pdf (scripts/setup.sh)";
        ASSERT_TRUE(test::PdfToolsPresent());
        queue_ = std::make_unique<PrivateQueue>();
        ASSERT_TRUE(queue_->Ready()) << "the private print queue did not start";
        ASSERT_TRUE(dir_.isValid());
        settings_ = std::make_unique<ScopedSettingsFile>(dir_.filePath(QStringLiteral("settings.ini")));
        sheet::Workbook book;
        for (const char* month : kMonths) {
            sheet::Worksheet& sheet = book.AddSheet(month);
            sheet.SetCellValue(1, 1, std::string("Sheet") + month);
            sheet.SetCellValue(20, 30, 1.0);
            sheet::PageLayout page = sheet.Layout();
            page.landscape = true;
            sheet.SetLayout(page);
        }
        const QString workbook = dir_.filePath(QStringLiteral("calendar.xls"));
        sheet::xls::SaveWorkbook(book, workbook.toStdString());
        form_ = std::make_unique<PreviewWindow>(&owner_);
        form_->SetQuitHandler([] {});
        form_->SetExcelFile(workbook);
    }

    // Prints with the program's own print dialog, answered as a user would: `choose` fills it in.
    void PrintWith(const std::function<void(QPrintDialog&)>& choose)
    {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            choose(*dialog);
            dialog->accept();
        });
        form_->Print();
    }
    static void ListPages(QPrintDialog& dialog, const char* pages)
    {
        dialog.findChild<QRadioButton*>(QStringLiteral("pagesRadioButton"))->setChecked(true);
        dialog.findChild<QLineEdit*>(QStringLiteral("pagesLineEdit"))->setText(QString::fromLatin1(pages));
    }
    static QStringList SentMonths(const QString& file)
    {
        QStringList months;
        for (int page = 1; page <= test::PdfPageCount(file); ++page) {
            const QString text = test::PdfPageText(file, page);
            for (const char* month : kMonths)
                if (text.contains(QStringLiteral("Sheet") + QLatin1String(month)))
                    months << QLatin1String(month);
        }
        return months;
    }

    QTemporaryDir dir_;
    std::unique_ptr<PrivateQueue> queue_;
    std::unique_ptr<ScopedSettingsFile> settings_;
    QWidget owner_;
    std::unique_ptr<PreviewWindow> form_;
};

TEST_F(PrintQueueTest, TheQueueGetsTheCalendarsPaperAndExactlyTheNamedPages)
{
    RecordingErrorReporter reports;
    ScopedErrorReporter useReports(reports);
    form_->ChoosePaper(Paper::Letter);

    PrintWith([](QPrintDialog& dialog) { ListPages(dialog, "2,5"); });
    EXPECT_EQ(SentMonths(queue_->Sent(1)), (QStringList{QStringLiteral("February"), QStringLiteral("May")}));
    const QString first = queue_->Printed(1);
    ASSERT_FALSE(first.isEmpty()) << "the queue printed nothing";
    EXPECT_EQ(test::PdfPageCount(first), 2);  // the queue picked nothing out again
    for (const QSizeF& size : test::PdfPageSizes(first))
        EXPECT_EQ(std::minmax(qRound(size.width()), qRound(size.height())), std::minmax(612, 792));  // Letter

    // One page, on the A4 the user sets in the printer's properties.
    PrintWith([](QPrintDialog& dialog) {
        ListPages(dialog, "3");
        QTimer::singleShot(0, [] {
            auto* properties = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(properties, nullptr);
            auto* sizes = properties->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
            ASSERT_NE(sizes, nullptr);
            ASSERT_GE(sizes->findText(QStringLiteral("A4")), 0);
            sizes->setCurrentIndex(sizes->findText(QStringLiteral("A4")));
            properties->accept();
        });
        dialog.findChild<QPushButton*>(QStringLiteral("properties"))->click();
    });
    EXPECT_EQ(SentMonths(queue_->Sent(2)), QStringList{QStringLiteral("March")});
    ASSERT_FALSE(queue_->Printed(2).isEmpty());
    EXPECT_EQ(test::PdfPageCount(queue_->Printed(2)), 1);
    for (const QSizeF& size : test::PdfPageSizes(queue_->Printed(2)))
        EXPECT_EQ(std::minmax(qRound(size.width()), qRound(size.height())), std::minmax(595, 842));  // A4
    EXPECT_TRUE(reports.messages.empty()) << reports.messages.front();

    // A queue that takes no jobs: said, not passed over.
    ASSERT_TRUE(queue_->Refuse());
    PrintWith([](QPrintDialog&) {});
    ASSERT_EQ(reports.messages.size(), 1u);
    EXPECT_NE(reports.messages.front().find("did not take"), std::string::npos) << reports.messages.front();
}

TEST(PrintChoicesTest, APageListNamesEachPageOnceInItsOrder)
{
    EXPECT_EQ(ParsePageList(QStringLiteral("2,5"), 13), (std::vector<int>{2, 5}));
    EXPECT_EQ(ParsePageList(QStringLiteral(" 5 , 1-3,2"), 13), (std::vector<int>{5, 1, 2, 3}));
    for (const char* bad : {"", "0", "14", "3-2", "1-2-3", "a", "2,,5"})
        EXPECT_TRUE(ParsePageList(QString::fromLatin1(bad), 13).empty()) << bad;
}

}  // namespace
}  // namespace morvessa
