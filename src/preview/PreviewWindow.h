#pragma once
// The result window: shows the calendar snapshot with zoom, scroll bars and drag-to-pan, saves the
// temporary workbook to a file the user picks, and leads back to the main window.
//
// Handover from generation, in this order:
//     form2->SetPicture(snapshot);      // the picture box's picture
//     form2->SetExcelFile(tempPath);    // mExcelFile; the window owns that file from now on
//     form2->show();                    // modeless
//     mainWindow->hide();
// Every new picture runs the display setup again at the next activation (zoom 1, fresh ranges).

#include "preview/CalendarExport.h"
#include "preview/SaveResults.h"
#include "settings/PaperSetting.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QScrollBar;

namespace morvessa {

class PreviewModel;
class PreviewCanvas;

// The program's own save dialogs: QFileDialog "Save File", QMessageBox question and message, all
// parented to `parent`.
std::unique_ptr<SaveDialogs> MakeStandardSaveDialogs(QWidget* parent);

class PreviewWindow : public QWidget {
    Q_OBJECT

public:
    // `mainWindow` is shown again by "< Back" (not owned; may be set later).
    explicit PreviewWindow(QWidget* mainWindow = nullptr);
    ~PreviewWindow() override;

    // --- handover ---
    void SetPicture(const QImage& picture);
    QImage Picture() const;  // the snapshot as handed over
    void SetExcelFile(const QString& path);
    QString ExcelFile() const;
    void SetMainWindow(QWidget* mainWindow);

    // --- seams for the program and for tests ---
    // Replaces the save/overwrite/"Done." dialogs (the standard ones are used by default).
    void SetSaveDialogs(std::unique_ptr<SaveDialogs> dialogs);
    // What ending the program means after the window is closed; defaults to QCoreApplication::exit(0).
    void SetQuitHandler(std::function<void()> quit);

    // --- the window's procedures ---
    void SetHScrollbarByPercent(short percent);
    void SetVScrollbarByPercent(short percent);
    void ZoomIn();       // "Zoom In"
    void ZoomOut();      // "Zoom Out"
    void SaveResults();  // "Save Results To Excel File"
    void Back();         // "< Back"

    // --- the menu bar and the month picker, above the window's own area ---
    void ExportPdf();               // File > "Export PDF…"
    void Print();                   // File > "Print…" (Ctrl+P)
    void FitZoom();                 // View > "Fit"
    void ChoosePaper(Paper paper);  // Paper > A4, Letter, Legal, A3: stored for every later use
    // Shows the month sheet at this position (0-based) of the open workbook, as the snapshot does.
    void ShowMonth(int index);
    // Replaces Qt's print dialog (tests print to a PDF file without a screen).
    void SetPrintDialogRunner(PrintDialogRunner runner);

    // The display state in twips, for the main window and tests.
    const PreviewModel& Model() const { return *model_; }
    // The controls, for tests and screenshots.
    QWidget* PictureWidget() const;
    QImage PictureImage() const;  // what PictureBox shows now
    QFrame* ViewportWidget() const { return viewport_; }
    QScrollBar* HorizontalBar() const { return horizontalBar_; }
    QScrollBar* VerticalBar() const { return verticalBar_; }
    QPushButton* ZoomInButton() const { return zoomInButton_; }
    QPushButton* ZoomOutButton() const { return zoomOutButton_; }
    QPushButton* BackButton() const { return backButton_; }
    QPushButton* SaveButton() const { return saveButton_; }
    QLabel* ZoomLevelLabel() const { return zoomLevel_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    QWidget* ClientArea() const { return client_; }
    QComboBox* MonthPicker() const { return monthPicker_; }
    QAction* ExportPdfAction() const { return exportPdfAction_; }
    QAction* PrintAction() const { return printAction_; }
    QAction* FitAction() const { return fitAction_; }
    QAction* PaperAction(Paper paper) const;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The wheel scrolls the picture (Shift or a sideways wheel: across); Ctrl+wheel zooms.
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Arrow keys and Page Up/Down scroll the picture.
    void keyPressEvent(QKeyEvent* event) override;

private:
    class PictureBox;
    class ZoomOriBox;
    class Canvas;

    void Form_Load();
    void Form_Activate();
    bool Form_QueryUnload();
    void ZoomInClicked();
    void ZoomOutClicked();
    void SaveClicked();
    void BackClicked();
    void HorizontalScrolled(int value);
    void VerticalScrolled(int value);
    void PictureMouseDown(double xTwips, double yTwips);
    void PictureMouseMove(bool buttonHeld, double xTwips, double yTwips);
    void PictureMouseUp();

    // Puts the model's twips onto the widgets (pixels).
    void ApplyModelToWidgets();
    // A picture in PictureBox and the display set up for it.
    void ShowPicture(const QImage& picture);
    // The picture's name for a screen reader: the month (or year page) the picker shows.
    void NamePicture();
    void BuildMenuBar();
    // The Parts' controls at their places, the viewport and bars grown by what the window grew.
    void LayOutClientArea();
    // The picker lists the open workbook's sheets and shows the active one.
    void FillMonthPicker();
    void CheckPaper(Paper paper);

    std::unique_ptr<PreviewModel> model_;
    std::unique_ptr<PreviewCanvas> canvas_;
    std::unique_ptr<SaveDialogs> dialogs_;
    PrintDialogRunner printDialog_;
    OpenCalendar calendar_;
    std::function<void()> quit_;
    QWidget* mainWindow_ = nullptr;
    QString excelFile_;  // mExcelFile
    QImage snapshot_;
    bool centred_ = false;
    QSize shrunk_;  // how far below its design size a small screen made the window
    bool syncingWidgets_ = false;
    int wheelZoomDelta_ = 0;  // Ctrl+wheel turns not yet a whole notch (fine-grained wheels)

    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QComboBox* monthPicker_ = nullptr;
    QAction* exportPdfAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* fitAction_ = nullptr;
    std::vector<std::pair<Paper, QAction*>> paperActions_;
    bool fillingPicker_ = false;

    QFrame* viewport_ = nullptr;
    QWidget* viewportInner_ = nullptr;
    PictureBox* pictureBox_ = nullptr;
    ZoomOriBox* zoomOri_ = nullptr;
    // Object names: Picture2 viewport_, Picture1 pictureBox_, Zoom_Ori zoomOri_, HScroll1
    // horizontalBar_, VScroll1 verticalBar_, Frame1 zoomFrame_, PushButton1 zoomInButton_,
    // PushButton2 zoomOutButton_, PushButton8 backButton_, PushButton6 saveButton_. The handlers
    // report as those controls' events: ZoomInClicked as "Form2.PushButton1_Click", ZoomOutClicked
    // PushButton2_Click, SaveClicked PushButton6_Click, BackClicked PushButton8_Click.
    QScrollBar* horizontalBar_ = nullptr;
    QScrollBar* verticalBar_ = nullptr;
    QGroupBox* zoomFrame_ = nullptr;
    QLabel* zoomLevel_ = nullptr;
    QPushButton* zoomInButton_ = nullptr;
    QPushButton* zoomOutButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

}  // namespace morvessa
