#include "preview/PreviewWindow.h"

#include "calendar/MonthGrid.h"
#include "core/SharedRoutines.h"
#include "host/SheetPicture.h"
#include "preview/PreviewLocations.h"
#include "preview/PreviewModel.h"
#include "preview/PrintChoices.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"
#include "widgets/DialogLayout.h"
#include "widgets/ScreenFit.h"
#include "widgets/ScreenReader.h"
#include "widgets/Twips.h"
#include "widgets/UiRoutines.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <stdexcept>

namespace morvessa {

namespace {

constexpr int kClientWidth = 9840;
constexpr int kClientHeight = 9390;
// One wheel notch (120 eighths of a degree) scrolls this far, in twips (40 px).
constexpr int kWheelNotch = 120;
constexpr int kWheelScrollTwips = 600;

// Qt's print dialog, with the page range offered over the months.
bool RunStandardPrintDialog(QPrinter& printer, int pageCount, QWidget* parent)
{
    const QPageLayout calendar = printer.pageLayout();
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, pageCount);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // The calendar's paper and orientation, unless the user set others in the printer's properties.
    if (!PaperChosenIn(dialog))
        printer.setPageLayout(calendar);
    return true;
}

class StandardSaveDialogs final : public SaveDialogs {
public:
    explicit StandardSaveDialogs(QWidget* parent) : parent_(parent) {}

    SaveFileChoice AskSaveFileName(const QString& title, const QStringList& filters,
                                   const QString& folder) override
    {
        QFileDialog dialog(parent_, title, folder);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(filters);
        if (!filters.isEmpty())
            dialog.selectNameFilter(filters.first());
        // The program asks its own overwrite question and adds the chosen type's extension itself.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.selectFile(QString());
        if (dialog.exec() != QDialog::Accepted)
            return {};
        const QStringList files = dialog.selectedFiles();
        return {files.isEmpty() ? QString() : files.first(), dialog.selectedNameFilter()};
    }

    bool AskYesNo(const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Yes | QMessageBox::No,
                        parent_);
        return box.exec() == QMessageBox::Yes;
    }

    void ShowMessage(const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, parent_);
        box.exec();
    }

private:
    QPointer<QWidget> parent_;
};

}  // namespace

std::unique_ptr<SaveDialogs> MakeStandardSaveDialogs(QWidget* parent)
{
    return std::make_unique<StandardSaveDialogs>(parent);
}

// PictureBox: shows the (zoomed) snapshot on white and reports the mouse in twips.
class PreviewWindow::PictureBox final : public QWidget {
public:
    PictureBox(PreviewWindow* form, QWidget* parent) : QWidget(parent), form_(form)
    {
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
    }

    void SetImage(const QImage& image)
    {
        image_ = image;
        update();
    }
    const QImage& Image() const { return image_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (image_.isNull())
            return;
        QPainter painter(this);
        painter.drawImage(0, 0, image_);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        form_->PictureMouseDown(event->position().x() * kTwipsPerPixel,
                                event->position().y() * kTwipsPerPixel);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        form_->PictureMouseMove(event->buttons() != Qt::NoButton, event->position().x() * kTwipsPerPixel,
                                event->position().y() * kTwipsPerPixel);
    }
    void mouseReleaseEvent(QMouseEvent*) override { form_->PictureMouseUp(); }

private:
    PreviewWindow* form_;
    QImage image_;
};

// Zoom_Ori: the hidden box that keeps the unzoomed snapshot.
class PreviewWindow::ZoomOriBox final : public QWidget {
public:
    using QWidget::QWidget;
    QImage picture;
};

class PreviewWindow::Canvas final : public PreviewCanvas {
public:
    explicit Canvas(PreviewWindow& form) : form_(form) {}

    void CopyPictureToZoomOri() override { form_.zoomOri_->picture = form_.pictureBox_->Image(); }
    void RemovePicture() override { form_.pictureBox_->SetImage(QImage()); }
    void PaintZoomOriScaled(int dstWidth, int dstHeight, int srcWidth, int srcHeight) override
    {
        const QImage& source = form_.zoomOri_->picture;
        const QSize target(TwipsToPixels(dstWidth), TwipsToPixels(dstHeight));
        const QRect from(0, 0, TwipsToPixels(srcWidth), TwipsToPixels(srcHeight));
        if (target.isEmpty() || source.isNull()) {
            form_.pictureBox_->SetImage(QImage());
            return;
        }
        if (target == from.size()) {
            form_.pictureBox_->SetImage(source.copy(from));
            return;
        }
        QImage painted(target, QImage::Format_RGB32);
        painted.fill(Qt::white);
        QPainter painter(&painted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), target), source, from);
        painter.end();
        form_.pictureBox_->SetImage(painted);
    }
    void ResetPointer() override { form_.unsetCursor(); }

private:
    PreviewWindow& form_;
};

PreviewWindow::PreviewWindow(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                           Qt::WindowCloseButtonHint),
      model_(std::make_unique<PreviewModel>()), canvas_(std::make_unique<Canvas>(*this)),
      quit_([] { QCoreApplication::exit(0); }), mainWindow_(mainWindow)
{
    model_->SetCanvas(canvas_.get());
    setObjectName(QStringLiteral("Form2"));
    // The window's own area keeps its design; the menu bar sits above it.
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Form2Client"));

    const PictureBoxState& viewport = model_->Viewport();
    viewport_ = new QFrame(client_);
    viewport_->setObjectName(QStringLiteral("Picture2"));
    viewport_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    viewport_->setLineWidth(TwipsToPixels(viewport.border));
    viewport_->setGeometry(TwipsRect(static_cast<int>(viewport.left), static_cast<int>(viewport.top),
                                     viewport.width, viewport.height));
    QPalette white = viewport_->palette();
    white.setColor(QPalette::Window, Qt::white);
    viewport_->setPalette(white);
    viewport_->setAutoFillBackground(true);
    // PictureBox moves inside the drawing area only, clipped by it, never over the border.
    viewportInner_ = new QWidget(viewport_);
    viewportInner_->setGeometry(viewport_->contentsRect());
    viewportInner_->setPalette(white);
    viewportInner_->setAutoFillBackground(true);
    pictureBox_ = new PictureBox(this, viewportInner_);
    pictureBox_->setObjectName(QStringLiteral("Picture1"));
    // Reached by Tab, so the keyboard can scroll it and a screen reader names it.
    pictureBox_->setFocusPolicy(Qt::StrongFocus);
    NamePicture();

    verticalBar_ = new QScrollBar(Qt::Vertical, client_);
    verticalBar_->setObjectName(QStringLiteral("VScroll1"));
    verticalBar_->setGeometry(TwipsRect(9450, 120, 255, 7425));
    horizontalBar_ = new QScrollBar(Qt::Horizontal, client_);
    horizontalBar_->setObjectName(QStringLiteral("HScroll1"));
    horizontalBar_->setGeometry(TwipsRect(120, 7545, 9330, 255));
    NameControl(verticalBar_, tr("Scroll up and down"));
    NameControl(horizontalBar_, tr("Scroll across"));
    for (QScrollBar* bar : {horizontalBar_, verticalBar_}) {
        bar->setMinimum(0);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setEnabled(false);
    }

    zoomFrame_ = new QGroupBox(tr("Zoom:"), client_);
    zoomFrame_->setObjectName(QStringLiteral("Frame1"));
    zoomFrame_->setGeometry(TwipsRect(120, 7860, 9600, 855));
    zoomInButton_ = new QPushButton(tr("Zoom In"), zoomFrame_);
    zoomInButton_->setObjectName(QStringLiteral("PushButton1"));
    zoomInButton_->setGeometry(TwipsRect(240, 300, 4440, 405));
    zoomOutButton_ = new QPushButton(tr("Zoom Out"), zoomFrame_);
    zoomOutButton_->setObjectName(QStringLiteral("PushButton2"));
    zoomOutButton_->setGeometry(TwipsRect(4800, 300, 4560, 405));
    // The zoom level sits on the frame's top line, across from its title.
    zoomLevel_ = new QLabel(zoomFrame_);
    zoomLevel_->setObjectName(QStringLiteral("ZoomLevel"));
    zoomLevel_->setGeometry(TwipsRect(8160, 0, 1200, 240));
    zoomLevel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    zoomLevel_->setAutoFillBackground(true);
    backButton_ = new QPushButton(tr("< Back"), client_);
    backButton_->setObjectName(QStringLiteral("PushButton8"));
    backButton_->setGeometry(TwipsRect(120, 8850, 4680, 405));
    saveButton_ = new QPushButton(tr("Save Results To Excel File"), client_);
    saveButton_->setObjectName(QStringLiteral("PushButton6"));
    saveButton_->setGeometry(TwipsRect(4920, 8850, 4800, 405));
    // The main window's push-button font, so both windows' buttons look alike.
    for (QPushButton* button : {zoomInButton_, zoomOutButton_, saveButton_, backButton_})
        button->setFont(ArialBold(kPushButtonFontPoints));

    const PictureBoxState& zoomOri = model_->ZoomOri();
    zoomOri_ = new ZoomOriBox(client_);
    zoomOri_->setObjectName(QStringLiteral("Zoom_Ori"));
    zoomOri_->setGeometry(TwipsRect(static_cast<int>(zoomOri.left), static_cast<int>(zoomOri.top),
                                    zoomOri.width, zoomOri.height));
    zoomOri_->hide();

    dialogs_ = MakeStandardSaveDialogs(this);
    printDialog_ = [this](QPrinter& printer, int pageCount) {
        return RunStandardPrintDialog(printer, pageCount, this);
    };
    BuildMenuBar();
    // Opens at the design size; larger gives the viewport more room, smaller is offered only down to
    // what a screen smaller than the design leaves (the viewport gives up the room).
    const QSize designed(TwipsToPixels(kClientWidth),
                         TwipsToPixels(kClientHeight) + menuBar_->sizeHint().height());
    const QSize fitted = SizeWithinScreen(designed, *this);
    shrunk_ = designed - fitted;
    setMinimumSize(fitted);
    resize(fitted);
    LayOutClientArea();

    connect(zoomInButton_, &QPushButton::clicked, this, [this] { ZoomInClicked(); });
    connect(zoomOutButton_, &QPushButton::clicked, this, [this] { ZoomOutClicked(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { SaveClicked(); });
    connect(backButton_, &QPushButton::clicked, this, [this] { BackClicked(); });
    connect(horizontalBar_, &QScrollBar::valueChanged, this,
            [this](int value) { HorizontalScrolled(value); });
    connect(verticalBar_, &QScrollBar::valueChanged, this, [this](int value) { VerticalScrolled(value); });
    PressButtonsOnEnter(this);
    GiveButtonsMnemonics(this);
    NameQtDialogFields();  // for the save, PDF and print dialogs

    Form_Load();
}

PreviewWindow::~PreviewWindow()
{
    // Whatever way the program ends, the temporary workbook does not outlive the window.
    if (!excelFile_.isEmpty() && QFileInfo(excelFile_).isFile())
        QFile::remove(excelFile_);
}

void PreviewWindow::Form_Load()
{
    ErrorTrap trap(location::Form2_Form_Load);
    trap.Step(100, [&] { model_->Load(); });
    trap.Step(102, [&] { UseSystemFaceColour(this); });
    trap.Step(104, [&] {
        setWindowTitle(QString::fromLatin1(kProductName));
        setWindowIcon(ApplicationIcon());
    });
    bool haveCursorFile = false;
    trap.Step(108, [&] { haveCursorFile = FileExists(QDir(ProgramFolder()).filePath(kHandCursorFileName)); });
    // Per-widget cursors give the hand over the push buttons and the default pointer elsewhere;
    // the busy pointer, an application override, wins over both.
    if (haveCursorFile)
        trap.Step(110, [&] {
            for (QPushButton* button : {zoomInButton_, zoomOutButton_, saveButton_, backButton_})
                ApplyHandCursor(button);
        });
}

void PreviewWindow::Form_Activate()
{
    model_->Activate();
    ApplyModelToWidgets();
}

void PreviewWindow::ApplyModelToWidgets()
{
    const PictureBoxState& p1 = model_->PictureBox();
    pictureBox_->setGeometry(TwipsToPixels(p1.left), TwipsToPixels(p1.top), TwipsToPixels(p1.width),
                             TwipsToPixels(p1.height));
    const PictureBoxState& zo = model_->ZoomOri();
    zoomOri_->resize(TwipsToPixels(zo.width), TwipsToPixels(zo.height));

    syncingWidgets_ = true;
    // A disabled bar shows no thumb, whatever range it keeps.
    const auto sync = [](QScrollBar* bar, const ScrollBarState& state) {
        bar->setMaximum(state.enabled ? state.maximum : 0);
        bar->setValue(state.enabled ? state.value : 0);
        bar->setEnabled(state.enabled);
    };
    sync(horizontalBar_, model_->HorizontalBar());
    sync(verticalBar_, model_->VerticalBar());
    syncingWidgets_ = false;
    zoomLevel_->setText(tr("%1%").arg(qRound(model_->Zoom() * 100.0f)));
}

void PreviewWindow::SetPicture(const QImage& picture)
{
    snapshot_ = picture;
    ShowPicture(picture);
}

namespace {

// The title a month sheet shows over its grid ("July 2026"), or nothing.
QString SheetTitle(const sheet::Worksheet& sheet)
{
    for (int row = grid::kTitleFirstRow; row <= grid::kTitleLastRow; ++row)
        for (int column = 1; column <= grid::kLastColumn; ++column)
            if (const sheet::Cell* cell = sheet.FindCell(row, column);
                cell && cell->value.IsText() && !cell->value.Text().empty())
                return QString::fromStdString(cell->value.Text());
    return {};
}

}  // namespace

void PreviewWindow::NamePicture()
{
    QString shown = monthPicker_ ? monthPicker_->currentText() : QString();
    // The sheet's own title names the month with its year, as the picture shows it; the picker
    // has items only once the workbook is read, so this reads no file.
    if (!shown.isEmpty()) {
        try {
            const sheet::Workbook& book = calendar_.Workbook();
            const int index = monthPicker_->currentIndex() + 1;
            if (index >= 1 && index <= book.SheetCount())
                if (const QString title = SheetTitle(book.Sheet(index)); !title.isEmpty())
                    shown = title;
        } catch (const std::exception&) {
        }
    }
    NameControl(pictureBox_, shown.isEmpty() ? tr("Calendar") : tr("Calendar of %1").arg(shown));
}

void PreviewWindow::ShowPicture(const QImage& picture)
{
    NamePicture();
    pictureBox_->SetImage(picture);
    model_->SetPicture(PixelsToTwips(picture.width()), PixelsToTwips(picture.height()));
    ApplyModelToWidgets();
    // Already on screen: set the new picture up now rather than at the next activation.
    if (isVisible())
        Form_Activate();
}

QImage PreviewWindow::Picture() const
{
    return snapshot_;
}

void PreviewWindow::SetExcelFile(const QString& path)
{
    // A workbook this window still owns is dropped when another one replaces it.
    if (!excelFile_.isEmpty() && excelFile_ != path && QFileInfo(excelFile_).isFile())
        QFile::remove(excelFile_);
    excelFile_ = path;
    calendar_.SetPath(path);
    calendar_.Reset();
    FillMonthPicker();
}

QString PreviewWindow::ExcelFile() const
{
    return excelFile_;
}

void PreviewWindow::SetMainWindow(QWidget* mainWindow)
{
    mainWindow_ = mainWindow;
}

void PreviewWindow::SetSaveDialogs(std::unique_ptr<SaveDialogs> dialogs)
{
    dialogs_ = dialogs ? std::move(dialogs) : MakeStandardSaveDialogs(this);
}

void PreviewWindow::SetPrintDialogRunner(PrintDialogRunner runner)
{
    printDialog_ = std::move(runner);
}

void PreviewWindow::SetQuitHandler(std::function<void()> quit)
{
    quit_ = std::move(quit);
}

QWidget* PreviewWindow::PictureWidget() const
{
    return pictureBox_;
}
QImage PreviewWindow::PictureImage() const
{
    return pictureBox_->Image();
}

void PreviewWindow::SetHScrollbarByPercent(short percent)
{
    model_->SetHScrollbarByPercent(percent);
    ApplyModelToWidgets();
}

void PreviewWindow::SetVScrollbarByPercent(short percent)
{
    model_->SetVScrollbarByPercent(percent);
    ApplyModelToWidgets();
}

void PreviewWindow::ZoomIn()
{
    ZoomInClicked();
}
void PreviewWindow::ZoomOut()
{
    ZoomOutClicked();
}
void PreviewWindow::SaveResults()
{
    SaveClicked();
}
void PreviewWindow::Back()
{
    BackClicked();
}

void PreviewWindow::LayOutClientArea()
{
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), menuHeight);
    client_->setGeometry(0, menuHeight, width(), height() - menuHeight);
    // What the window grew by beyond its design size goes to the viewport, and so does what it lacks.
    const int dx = std::max(-shrunk_.width(), client_->width() - TwipsToPixels(kClientWidth));
    const int dy = std::max(-shrunk_.height(), client_->height() - TwipsToPixels(kClientHeight));
    const PictureBoxState& viewport = model_->Viewport();
    viewport_->setGeometry(TwipsRect(static_cast<int>(viewport.left), static_cast<int>(viewport.top),
                                     kViewportWidth, kViewportHeight)
                               .adjusted(0, 0, dx, dy));
    viewportInner_->setGeometry(viewport_->contentsRect());
    verticalBar_->setGeometry(TwipsRect(9450, 120, 255, 7425).adjusted(dx, 0, dx, dy));
    horizontalBar_->setGeometry(TwipsRect(120, 7545, 9330, 255).adjusted(0, dy, dx, dy));
    zoomFrame_->setGeometry(TwipsRect(120, 7860, 9600, 855).translated(0, dy));
    backButton_->setGeometry(TwipsRect(120, 8850, 4680, 405).translated(0, dy));
    saveButton_->setGeometry(TwipsRect(4920, 8850, 4800, 405).translated(0, dy));
    const int widthTwips = PixelsToTwips(viewport_->width());
    const int heightTwips = PixelsToTwips(viewport_->height());
    if (widthTwips != viewport.width || heightTwips != viewport.height) {
        model_->SetViewportSize(widthTwips, heightTwips);
        ApplyModelToWidgets();
    }
}

void PreviewWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (menuBar_)
        LayOutClientArea();
}

void PreviewWindow::ZoomInClicked()
{
    model_->ZoomInClick();
    ApplyModelToWidgets();
}

void PreviewWindow::ZoomOutClicked()
{
    model_->ZoomOutClick();
    ApplyModelToWidgets();
}

void PreviewWindow::SaveClicked()
{
    SaveResultsToFile(excelFile_, *dialogs_);
}

void PreviewWindow::BackClicked()
{
    BackToMainWindow(
        excelFile_,
        [this] {
            if (mainWindow_)
                mainWindow_->show();
        },
        [this] { hide(); });
}

void PreviewWindow::HorizontalScrolled(int value)
{
    if (syncingWidgets_)
        return;
    model_->SetHScrollValue(value);
    ApplyModelToWidgets();
}

void PreviewWindow::VerticalScrolled(int value)
{
    if (syncingWidgets_)
        return;
    model_->SetVScrollValue(value);
    ApplyModelToWidgets();
}

void PreviewWindow::PictureMouseDown(double xTwips, double yTwips)
{
    model_->MouseDown(static_cast<float>(xTwips), static_cast<float>(yTwips));
}

void PreviewWindow::PictureMouseMove(bool buttonHeld, double xTwips, double yTwips)
{
    model_->MouseMove(buttonHeld, static_cast<float>(xTwips), static_cast<float>(yTwips));
    if (buttonHeld)
        ApplyModelToWidgets();
}

void PreviewWindow::PictureMouseUp()
{
    model_->MouseUp();
    ApplyModelToWidgets();
}

void PreviewWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = this->screen()) {
            QRect placed = frameGeometry();
            placed.moveCenter(screen->availableGeometry().center());
            move(placed.topLeft());
        }
    }
    Form_Activate();
}

void PreviewWindow::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        wheelZoomDelta_ += delta.y();
        for (; wheelZoomDelta_ >= kWheelNotch; wheelZoomDelta_ -= kWheelNotch)
            ZoomInClicked();
        for (; wheelZoomDelta_ <= -kWheelNotch; wheelZoomDelta_ += kWheelNotch)
            ZoomOutClicked();
        event->accept();
        return;
    }
    // Shift turns the usual wheel sideways, as in most programs.
    const bool across = (event->modifiers() & Qt::ShiftModifier) || (delta.y() == 0 && delta.x() != 0);
    const int turned = across ? (delta.y() != 0 ? delta.y() : delta.x()) : delta.y();
    QScrollBar* bar = across ? horizontalBar_ : verticalBar_;
    const int twipsPerStep = across ? model_->HStep() : model_->VStep();
    if (bar->isEnabled() && twipsPerStep > 0 && turned != 0) {
        // Turning the wheel away from you moves the view up (or left), as everywhere else.
        const int steps = -turned * kWheelScrollTwips / (kWheelNotch * twipsPerStep);
        bar->setValue(std::clamp(bar->value() + steps, bar->minimum(), bar->maximum()));
    }
    event->accept();
}

void PreviewWindow::keyPressEvent(QKeyEvent* event)
{
    // Arrows move as far as a notch of the wheel, Page Up/Down most of a screen up
    // and down; keys the focused control uses itself (a scroll bar, the month picker) never get here.
    const bool across = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    QScrollBar* bar = across ? horizontalBar_ : verticalBar_;
    const int twipsPerStep = across ? model_->HStep() : model_->VStep();
    const int notch = twipsPerStep > 0 ? std::max(1, kWheelScrollTwips / twipsPerStep) : 0;
    const int page = twipsPerStep > 0 ? std::max(1, model_->Viewport().InnerHeight() * 9 / 10 / twipsPerStep) : 0;
    int steps = 0;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: steps = -notch; break;
    case Qt::Key_Right:
    case Qt::Key_Down: steps = notch; break;
    case Qt::Key_PageUp: steps = -page; break;
    case Qt::Key_PageDown: steps = page; break;
    default: QWidget::keyPressEvent(event); return;
    }
    if (bar->isEnabled())
        bar->setValue(std::clamp(bar->value() + steps, bar->minimum(), bar->maximum()));
    event->accept();
}

void PreviewWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void PreviewWindow::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    event->accept();
    // Unload: the program ends here; no other window's closing code runs.
    if (quit_)
        quit_();
}

bool PreviewWindow::Form_QueryUnload()
{
    QueryUnloadPreview(excelFile_);
    return true;
}

}  // namespace morvessa
