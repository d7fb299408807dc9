#include "preview/PreviewWindow.h"
#include "preview/PreviewModel.h"
#include "preview/ScriptedDialogs.h"
#include "settings/SettingsStore.h"

#include "spreadsheet/Workbook.h"
#include "spreadsheet/xls/XlsFile.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QWheelEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace morvessa {
namespace {

// A recognisable picture: white with a black frame and a red block in the top left quarter.
QImage SamplePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < width; ++x) {
        image.setPixel(x, 0, qRgb(0, 0, 0));
        image.setPixel(x, height - 1, qRgb(0, 0, 0));
    }
    for (int y = 0; y < height / 2; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A real click: press and release over the button's centre.
void Click(QWidget* button)
{
    const QPoint centre = button->rect().center();
    SendMouse(button, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    SendMouse(button, QEvent::MouseButtonRelease, centre, Qt::NoButton);
}

QByteArray WorkbookBytes()
{
    sheet::Workbook book;
    book.AddSheet("January").SetCellValue(1, 1, std::string("January 2026"));  // its title
    const std::vector<uint8_t> bytes = sheet::xls::WriteWorkbookBytes(book);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

class PreviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        workbook = dir.filePath("tqmrex11223344.xls");
        QFile file(workbook);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WorkbookBytes());
        file.close();
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        form = std::make_unique<PreviewWindow>(&mainWindow);
        form->SetSaveDialogs(std::move(scripted));
        form->SetQuitHandler([this] { ++quits; });
    }
    void HandOver(const QImage& picture)
    {
        form->SetPicture(picture);
        form->SetExcelFile(workbook);
        form->show();
        mainWindow.hide();
    }

    QTemporaryDir dir;
    QString workbook;
    QWidget mainWindow;
    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<PreviewWindow> form;
    int quits = 0;
};

TEST_F(PreviewWindowTest, LaysOutTheWindowAsDesigned)
{
    EXPECT_EQ(form->windowTitle(), QString("Morvessa"));
    // The designed area under the menu bar; the window opens at that size and grows, never shrinks.
    const int menuHeight = form->MenuBar()->height();
    EXPECT_GT(menuHeight, 0);
    EXPECT_EQ(form->ClientArea()->geometry(), QRect(0, menuHeight, 656, 626));
    EXPECT_EQ(form->size(), QSize(656, 626 + menuHeight));
    EXPECT_EQ(form->minimumSize(), form->size());
    EXPECT_EQ(form->ViewportWidget()->geometry(), QRect(8, 8, 622, 495));
    EXPECT_EQ(form->HorizontalBar()->geometry(), QRect(8, 503, 622, 17));
    EXPECT_EQ(form->VerticalBar()->geometry(), QRect(630, 8, 17, 495));
    EXPECT_EQ(form->ZoomInButton()->text().remove(u'&'), QString("Zoom In"));
    EXPECT_EQ(form->ZoomOutButton()->text().remove(u'&'), QString("Zoom Out"));
    EXPECT_EQ(form->BackButton()->text().remove(u'&'), QString("< Back"));
    EXPECT_EQ(form->SaveButton()->text().remove(u'&'), QString("Save Results To Excel File"));
    const auto* frame = form->findChild<QGroupBox*>("Frame1");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), QString("Zoom:"));
    const auto* zoomOri = form->findChild<QWidget*>("Zoom_Ori");
    ASSERT_NE(zoomOri, nullptr);
    EXPECT_TRUE(zoomOri->isHidden());
}

TEST_F(PreviewWindowTest, TheMonthPickerStaysOverTheMenuBarsRightEnd)
{
    HandOver(SamplePicture(400, 300));
    QWidget* row = form->MonthPicker()->parentWidget();
    QMenuBar* bar = form->MenuBar();
    const int height = bar->height();
    // Where the bar leaves room for it: inside the bar, at its right end, clear of the menus.
    const auto expectAtRightEnd = [&] {
        const QRect place = row->geometry();
        EXPECT_TRUE(bar->geometry().contains(place)) << place.x() << "," << place.y();
        EXPECT_LE(bar->width() - place.right(), 8);
        EXPECT_LT(bar->actionGeometry(bar->actions().last()).right(), place.left());
        EXPECT_TRUE(row->isVisible());
    };
    expectAtRightEnd();
    form->resize(form->width() + 300, form->height());
    expectAtRightEnd();
    EXPECT_EQ(bar->height(), height);
    // The bar, not the window, chose the picker's look.
    EXPECT_EQ(row->font(), bar->font());
}

TEST_F(PreviewWindowTest, ButtonsUseTheMainWindowsBoldButtonFontAndTheirTextsFit)
{
    for (QPushButton* button :
         {form->ZoomInButton(), form->ZoomOutButton(), form->BackButton(), form->SaveButton()}) {
        EXPECT_TRUE(button->font().bold()) << button->text().toStdString();
        EXPECT_EQ(button->font().pointSizeF(), 11.25) << button->text().toStdString();
        EXPECT_EQ(button->font().family(), QString("Arial"));
        EXPECT_LT(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width())
            << button->text().toStdString();
    }
}

TEST_F(PreviewWindowTest, FirstDisplayOfSmallAndLargePictures)
{
    HandOver(SamplePicture(400, 300));
    EXPECT_EQ(form->PictureWidget()->geometry(), QRect(0, 0, 400, 300));
    EXPECT_FALSE(form->HorizontalBar()->isEnabled());
    EXPECT_FALSE(form->VerticalBar()->isEnabled());
    EXPECT_EQ(form->PictureImage().pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(form->PictureImage().pixel(390, 290), qRgb(255, 255, 255));
    EXPECT_TRUE(mainWindow.isHidden());

    // After "< Back" the next snapshot is set up afresh.
    form->Back();
    form->SetExcelFile(QString());
    HandOver(SamplePicture(800, 600));
    EXPECT_EQ(form->PictureWidget()->size(), QSize(800, 600));
    EXPECT_TRUE(form->HorizontalBar()->isEnabled());
    EXPECT_EQ(form->HorizontalBar()->maximum(), 267);
    EXPECT_EQ(form->VerticalBar()->maximum(), 157);
}

TEST_F(PreviewWindowTest, ZoomButtonsRescaleThePicture)
{
    HandOver(SamplePicture(400, 300));
    Click(form->ZoomInButton());
    EXPECT_FLOAT_EQ(form->Model().Zoom(), 1.25f);
    EXPECT_EQ(form->PictureWidget()->size(), QSize(500, 375));
    EXPECT_EQ(form->PictureImage().size(), QSize(500, 375));
    EXPECT_TRUE(form->VerticalBar()->isEnabled() == false);
    Click(form->ZoomOutButton());
    Click(form->ZoomOutButton());
    EXPECT_EQ(form->PictureWidget()->size(), QSize(300, 225));
}

// A wheel turn delivered to the window (a test's event is not passed up from the picture as the
// window system's own are).
void Wheel(QWidget* widget, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF at = widget->rect().center();
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

TEST_F(PreviewWindowTest, TheZoomLevelIsShownAndFollowsEveryStep)
{
    HandOver(SamplePicture(400, 300));
    QLabel* level = form->ZoomLevelLabel();
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->text(), QString("100%"));
    Click(form->ZoomInButton());
    EXPECT_EQ(level->text(), QString("125%"));
    Click(form->ZoomOutButton());
    Click(form->ZoomOutButton());
    EXPECT_EQ(level->text(), QString("75%"));
    // Inside the zoom frame, clear of both buttons.
    EXPECT_FALSE(level->geometry().intersects(form->ZoomInButton()->geometry()));
    EXPECT_FALSE(level->geometry().intersects(form->ZoomOutButton()->geometry()));
    EXPECT_LE(QFontMetrics(level->font()).horizontalAdvance("375%"), level->width());
}

TEST_F(PreviewWindowTest, TheWheelScrollsAndCtrlWheelZooms)
{
    HandOver(SamplePicture(800, 600));
    QWidget* picture = form->PictureWidget();
    ASSERT_TRUE(form->VerticalBar()->isEnabled());
    Wheel(&*form, QPoint(0, -120));  // one notch towards the user: down by 40 px
    EXPECT_EQ(form->VerticalBar()->value(), 60);
    EXPECT_EQ(picture->pos(), QPoint(0, -40));
    Wheel(&*form, QPoint(0, 360));  // back up, stopping at the top
    EXPECT_EQ(form->VerticalBar()->value(), 0);
    Wheel(&*form, QPoint(0, -120), Qt::ShiftModifier);  // across
    EXPECT_EQ(form->HorizontalBar()->value(), 60);
    EXPECT_EQ(picture->pos(), QPoint(-40, 0));

    Wheel(&*form, QPoint(0, 120), Qt::ControlModifier);
    EXPECT_FLOAT_EQ(form->Model().Zoom(), 1.25f);
    // A fine-grained wheel zooms once the turns add up to a notch.
    Wheel(&*form, QPoint(0, -60), Qt::ControlModifier);
    EXPECT_FLOAT_EQ(form->Model().Zoom(), 1.25f);
    Wheel(&*form, QPoint(0, -60), Qt::ControlModifier);
    EXPECT_FLOAT_EQ(form->Model().Zoom(), 1.0f);
    EXPECT_EQ(form->ZoomLevelLabel()->text(), QString("100%"));
}

TEST_F(PreviewWindowTest, TheKeyboardScrollsThePictureAsTheWheelDoes)
{
    HandOver(SamplePicture(800, 600));
    QWidget* picture = form->PictureWidget();
    // A screen reader says which calendar it is, as the sheet's title does.
    EXPECT_EQ(picture->accessibleName().toStdString(), "Calendar of January 2026");
    EXPECT_EQ(picture->focusPolicy(), Qt::StrongFocus);
    const auto press = [&](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(picture, &event);
    };
    press(Qt::Key_Down);
    EXPECT_EQ(picture->pos(), QPoint(0, -40));
    press(Qt::Key_Right);
    EXPECT_EQ(picture->pos(), QPoint(-40, -40));
    press(Qt::Key_PageDown);  // most of a screen: the rest of this picture
    EXPECT_EQ(form->VerticalBar()->value(), form->VerticalBar()->maximum());
    EXPECT_GT(form->VerticalBar()->maximum(), 60);
    press(Qt::Key_PageUp);
    press(Qt::Key_Up);
    press(Qt::Key_Left);
    EXPECT_EQ(picture->pos(), QPoint(0, 0));
}

TEST_F(PreviewWindowTest, DragPansAndMouseUpSettlesTheBars)
{
    HandOver(SamplePicture(800, 600));
    QWidget* picture = form->PictureWidget();
    SendMouse(picture, QEvent::MouseButtonPress, QPoint(200, 100), Qt::LeftButton);
    SendMouse(picture, QEvent::MouseMove, QPoint(111, 47), Qt::LeftButton);  // 89 px left, 53 up
    EXPECT_EQ(picture->pos(), QPoint(-89, -53));
    SendMouse(picture, QEvent::MouseButtonRelease, QPoint(111, 47), Qt::NoButton);
    // 1335 / 2668 twips = 50 % of 267 -> 134; 795 / 1573 = 51 % of 157 -> 80
    EXPECT_EQ(form->HorizontalBar()->value(), 134);
    EXPECT_EQ(form->VerticalBar()->value(), 80);
    EXPECT_EQ(picture->pos(), QPoint(-89, -53));  // -1340 and -800 twips

    // Moving the bar moves the picture.
    form->HorizontalBar()->setValue(10);
    EXPECT_EQ(picture->x(), -7);  // -100 twips
}

TEST_F(PreviewWindowTest, SaveButtonCopiesTheWorkbook)
{
    HandOver(SamplePicture(400, 300));
    ScopedSettingsFile settings(dir.filePath("Vantrelle.ini"));
    const QString target = dir.filePath("saved.xls");
    dialogs->fileNames.push_back(target);
    Click(form->SaveButton());
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), WorkbookBytes());
    EXPECT_EQ(dialogs->messages, QStringList{"Done."});
    EXPECT_TRUE(QFile::exists(workbook));
}

TEST_F(PreviewWindowTest, BackShowsTheMainWindowAndDropsTheWorkbook)
{
    HandOver(SamplePicture(400, 300));
    Click(form->BackButton());
    EXPECT_FALSE(QFile::exists(workbook));
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(quits, 0);
}

TEST_F(PreviewWindowTest, ClosingDropsTheWorkbookAndEndsTheProgram)
{
    HandOver(SamplePicture(400, 300));
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(QFile::exists(workbook));
    EXPECT_EQ(quits, 1);
}

TEST_F(PreviewWindowTest, MissingSnapshotShowsAnEmptyViewport)
{
    RecordingErrorReporter reports;
    ScopedErrorReporter scope(reports);
    HandOver(QImage());  // the snapshot could not be taken
    form->ZoomIn();
    form->ZoomOut();
    SendMouse(form->PictureWidget(), QEvent::MouseButtonPress, QPoint(0, 0), Qt::LeftButton);
    SendMouse(form->PictureWidget(), QEvent::MouseButtonRelease, QPoint(0, 0), Qt::NoButton);
    EXPECT_TRUE(form->PictureImage().isNull());
    EXPECT_FALSE(form->HorizontalBar()->isEnabled());
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(PreviewWindowTest, NoWorkbookOutlivesTheWindow)
{
    HandOver(SamplePicture(40, 30));
    const QString first = workbook;
    const QString second = dir.filePath("tqmrex99999999.xls");
    QFile(first).copy(second);
    form->SetExcelFile(second);  // a new handover without "< Back"
    EXPECT_FALSE(QFile::exists(first));
    form.reset();
    EXPECT_FALSE(QFile::exists(second));
}

}  // namespace
}  // namespace morvessa
