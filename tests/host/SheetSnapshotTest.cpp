#include "host/SheetSnapshot.h"
#include "host/HostTestSupport.h"
#include "host/SheetPicture.h"
#include "core/ErrorTrap.h"
#include "spreadsheet/Application.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace morvessa {
namespace {

// A clipboard that refuses a number of requests before it answers (or never answers).
class StubbornClipboard final : public ClipboardPictureSource {
public:
    explicit StubbornClipboard(int refusals, QImage picture = {})
        : refusals_(refusals), picture_(std::move(picture))
    {
    }
    std::optional<QImage> TryReadPicture(int format) override
    {
        ++requests;
        lastFormat = format;
        if (requests <= refusals_) {
            if (requests % 2)
                throw std::runtime_error("clipboard busy");  // either way of refusing counts
            return std::nullopt;
        }
        return picture_;
    }
    int requests = 0;
    int lastFormat = -1;

private:
    int refusals_;
    QImage picture_;
};

QImage Swatch(const QColor& colour)
{
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(GetClipboardPicture, ReturnsAtTheFirstAnswer)
{
    StubbornClipboard clipboard(0, Swatch(Qt::red));
    ScopedClipboardPictureSource scope(clipboard);
    EXPECT_EQ(GetClipboardPicture(0), Swatch(Qt::red));
    EXPECT_EQ(clipboard.requests, 1);
    EXPECT_EQ(clipboard.lastFormat, 0);
}

TEST(GetClipboardPicture, AsksAgainAfterRefusalsUpToAThousandTimesInAll)
{
    StubbornClipboard late(999, Swatch(Qt::blue));
    {
        ScopedClipboardPictureSource scope(late);
        EXPECT_EQ(GetClipboardPicture(0), Swatch(Qt::blue));
    }
    EXPECT_EQ(late.requests, 1000);

    StubbornClipboard never(1000, Swatch(Qt::blue));
    {
        ScopedClipboardPictureSource scope(never);
        EXPECT_TRUE(GetClipboardPicture(0).isNull());
    }
    EXPECT_EQ(never.requests, 1000);
}

class SnapshotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureGuiApplication();
        app.SetPictureSink(&SystemClipboardPictureSink());
        book = &app.Workbooks().Add();
        path = dir.filePath("temp.bmp").toStdString();
        QGuiApplication::clipboard()->clear();
    }

    sheet::Worksheet& Active() { return book->ActiveSheet(); }
    bool FileThere() const { return QFile::exists(QString::fromStdString(path)); }
    QImage Saved() const { return QImage(QString::fromStdString(path)); }

    sheet::Application app;
    sheet::Workbook* book = nullptr;
    QTemporaryDir dir;
    std::string path;
    RecordingErrorReporter reports;
    ScopedErrorReporter reporting{reports};
};

TEST_F(SnapshotTest, WritesTheUsedRangeAsABmpFile)
{
    Active().Range("B2").Value(sheet::CellValue("x"));
    Active().Range("D5").Interior().ColorIndex(6);
    saveCellsActivesheet(*book, path);
    EXPECT_TRUE(reports.messages.empty());
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), "BM");
    // Exactly the used range B2:D5, as the renderer draws it.
    EXPECT_EQ(Saved().convertToFormat(QImage::Format_RGB32),
              RenderRangePicture(Active(), sheet::CellRange::Parse("B2:D5")));
}

TEST_F(SnapshotTest, ReplacesAnOlderFile)
{
    {
        QFile old(QString::fromStdString(path));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older picture that is much longer than nothing");
    }
    Active().Range("A1:C3").Value(sheet::CellValue(7));
    saveCellsActivesheet(*book, path);
    EXPECT_TRUE(reports.messages.empty());
    EXPECT_FALSE(Saved().isNull());
}

TEST_F(SnapshotTest, AUsedRangeEndingInRowOneOrColumnAWritesNothing)
{
    Active().Range("A1:F1").Value(sheet::CellValue(1));
    saveCellsActivesheet(*book, path);
    EXPECT_FALSE(FileThere());

    sheet::Worksheet& column = book->Sheets().Add();
    column.Range("A1:A9").Value(sheet::CellValue(1));
    saveCellsActivesheet(*book, path);
    EXPECT_FALSE(FileThere());

    book->Sheets().Add();  // empty: its used range is A1
    saveCellsActivesheet(*book, path);
    EXPECT_FALSE(FileThere());
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(SnapshotTest, AClipboardThatNeverAnswersFailsTheSaveAndLeavesTheOldFile)
{
    {
        QFile old(QString::fromStdString(path));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    Active().Range("C3").Value(sheet::CellValue(1));
    StubbornClipboard never(1000);
    ScopedClipboardPictureSource scope(never);
    saveCellsActivesheet(*book, path);
    EXPECT_EQ(never.requests, 1000);
    ASSERT_EQ(reports.messages.size(), 1u);
    EXPECT_NE(reports.messages[0].find("in Quorvant2021/08/31.Excel1.saveCellsActivesheet at line 112"),
              std::string::npos);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old");
}

TEST_F(SnapshotTest, AFolderThatCannotBeWrittenIsReportedAndLeavesNoStrayFile)
{
    Active().Range("C3").Value(sheet::CellValue(1));
    path = dir.filePath("missing/temp.bmp").toStdString();
    saveCellsActivesheet(*book, path);
    ASSERT_EQ(reports.messages.size(), 1u);
    EXPECT_EQ(reports.messages[0].rfind("Path/File access error", 0), 0u);
    EXPECT_NE(reports.messages[0].find("at line 112"), std::string::npos);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(SnapshotTest, AFailedCopyIsReportedAndWhatTheClipboardHoldsIsSaved)
{
    app.SetPictureSink(nullptr);
    Active().Range("C3").Value(sheet::CellValue(1));
    QGuiApplication::clipboard()->setImage(Swatch(Qt::green));
    saveCellsActivesheet(*book, path);
    ASSERT_EQ(reports.messages.size(), 1u);
    EXPECT_NE(reports.messages[0].find("at line 110"), std::string::npos);
    EXPECT_EQ(Saved().convertToFormat(QImage::Format_RGB32), Swatch(Qt::green));
}

TEST_F(SnapshotTest, AClosedWorkbookIsReportedStepByStep)
{
    book->Close();
    saveCellsActivesheet(*book, path);
    ASSERT_EQ(reports.messages.size(), 3u);
    EXPECT_NE(reports.messages[0].find("at line 100"), std::string::npos);
    EXPECT_NE(reports.messages[1].find("at line 102"), std::string::npos);
    EXPECT_NE(reports.messages[2].find("at line 104"), std::string::npos);
    EXPECT_FALSE(FileThere());
}

TEST_F(SnapshotTest, TheUsersClipboardComesBackAfterThePictureWasRead)
{
    Active().Range("B2:C3").Value(sheet::CellValue(5));
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto* mine = new QMimeData;
    mine->setText("the user's text");
    mine->setHtml("<b>the user's text</b>");
    mine->setImageData(Swatch(Qt::cyan));
    clipboard->setMimeData(mine);

    saveCellsActivesheet(*book, path);
    EXPECT_TRUE(FileThere());
    EXPECT_NE(Saved().convertToFormat(QImage::Format_RGB32), Swatch(Qt::cyan));  // our picture, not theirs
    const QMimeData* now = clipboard->mimeData();
    ASSERT_NE(now, nullptr);
    EXPECT_FALSE(now->hasFormat(kSheetPictureMimeType));
    EXPECT_EQ(now->text(), "the user's text");
    EXPECT_EQ(now->html(), "<b>the user's text</b>");
    EXPECT_EQ(qvariant_cast<QImage>(now->imageData()).convertToFormat(QImage::Format_RGB32),
              Swatch(Qt::cyan));
}

TEST_F(SnapshotTest, AnEmptyClipboardIsLeftEmpty)
{
    Active().Range("B2:C3").Value(sheet::CellValue(5));
    saveCellsActivesheet(*book, path);
    EXPECT_TRUE(FileThere());
    const QMimeData* now = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(!now || (!now->hasImage() && !now->hasFormat(kSheetPictureMimeType)));
}

TEST_F(SnapshotTest, CopyPicturePutsTheRangesPictureOnTheClipboard)
{
    // The sink draws exactly the range it is given and leaves it marked as ours.
    Active().Range("A1:B2").Value(sheet::CellValue(3));
    Active().Range("A1:B2").CopyPicture();
    const QMimeData* now = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(now, nullptr);
    EXPECT_TRUE(now->hasFormat(kSheetPictureMimeType));
    EXPECT_EQ(qvariant_cast<QImage>(now->imageData()),
              RenderRangePicture(Active(), sheet::CellRange::Parse("A1:B2")));
}

}  // namespace
}  // namespace morvessa
