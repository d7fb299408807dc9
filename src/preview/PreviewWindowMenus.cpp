// The preview window's menu bar and month picker: PDF export, print, the zoom that fits, the
// paper, and the month shown.
#include "preview/PreviewWindow.h"

#include "host/SheetPicture.h"
#include "preview/PreviewLocations.h"
#include "preview/PreviewModel.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"
#include "widgets/ScreenReader.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>
#include <QMenu>
#include <QMenuBar>

namespace morvessa {

void PreviewWindow::BuildMenuBar()
{
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("Form2MenuBar"));
    menuBar_->setNativeMenuBar(false);

    QMenu* file = menuBar_->addMenu(tr("&File"));
    exportPdfAction_ = file->addAction(tr("Export PDF…"), this, [this] { ExportPdf(); });
    printAction_ = file->addAction(tr("Print…"), this, [this] { Print(); });
    printAction_->setShortcut(QKeySequence::Print);
    // Ctrl+P works wherever the focus is in this window.
    printAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(printAction_);

    QMenu* view = menuBar_->addMenu(tr("&View"));
    fitAction_ = view->addAction(tr("Fit"), this, [this] { FitZoom(); });

    QMenu* paper = menuBar_->addMenu(tr("&Paper"));
    auto* group = new QActionGroup(paper);
    for (Paper choice : kAllPapers) {
        QAction* action = paper->addAction(PaperName(choice), this, [this, choice] { ChoosePaper(choice); });
        action->setCheckable(true);
        group->addAction(action);
        paperActions_.emplace_back(choice, action);
    }
    CheckPaper(CalendarPaper());

    // The picker's row sits where a menu bar's corner widget would, as the window's child so that
    // a screen reader walking the window finds it.
    auto* corner = new QWidget(this);
    corner->setObjectName(QStringLiteral("MonthPickerRow"));
    auto* row = new QHBoxLayout(corner);
    row->setContentsMargins(4, 1, 4, 1);
    auto* monthLabel = new QLabel(tr("Month:"), corner);
    row->addWidget(monthLabel);
    monthPicker_ = new QComboBox(corner);
    monthPicker_->setObjectName(QStringLiteral("cmbPreviewMonth"));
    NameFieldByLabel(monthLabel, monthPicker_);
    monthPicker_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    monthPicker_->setEnabled(false);
    row->addWidget(monthPicker_);
    SetReadableCornerWidget(menuBar_, corner);
    connect(monthPicker_, &QComboBox::currentIndexChanged, this, [this](int index) {
        NamePicture();
        if (!fillingPicker_ && index >= 0)
            ShowMonth(index);
    });
}

QAction* PreviewWindow::PaperAction(Paper paper) const
{
    for (const auto& [choice, action] : paperActions_) {
        if (choice == paper)
            return action;
    }
    return nullptr;
}

void PreviewWindow::CheckPaper(Paper paper)
{
    if (QAction* action = PaperAction(paper))
        action->setChecked(true);
}

void PreviewWindow::FillMonthPicker()
{
    fillingPicker_ = true;
    monthPicker_->clear();
    monthPicker_->setEnabled(false);
    try {
        const sheet::Workbook& book = calendar_.Workbook();
        for (int index = 1; index <= book.SheetCount(); ++index)
            monthPicker_->addItem(QString::fromStdString(book.Sheet(index).Name()));
        monthPicker_->setCurrentIndex(book.ActiveSheetIndex() - 1);
        monthPicker_->setEnabled(book.SheetCount() > 0);
    } catch (const std::exception&) {
        // No readable workbook (yet): the picker stays empty; the snapshot is still shown.
        calendar_.Reset();
    }
    fillingPicker_ = false;
    NamePicture();
}

void PreviewWindow::ShowMonth(int index)
{
    ErrorTrap trap(location::Form2_cmbMonth_Click);
    const sheet::Worksheet* sheet = nullptr;
    trap.Step(100, [&] {
        const sheet::Workbook& book = calendar_.Workbook();
        if (index < 0 || index >= book.SheetCount())
            throw std::out_of_range("Subscript out of range");
        sheet = &book.Sheet(index + 1);
    });
    if (!sheet)
        return;
    QImage picture;
    trap.Step(102, [&] {
        const std::optional<sheet::CellRange> area = sheet->UsedArea();
        if (!area)
            throw std::runtime_error(tr("The month sheet is empty.").toStdString());
        picture = RenderRangePicture(*sheet, *area);
    });
    if (picture.isNull())
        return;
    trap.Step(104, [&] {
        ShowPicture(picture);
        if (monthPicker_->currentIndex() != index) {
            fillingPicker_ = true;
            monthPicker_->setCurrentIndex(index);
            fillingPicker_ = false;
        }
    });
}

void PreviewWindow::ExportPdf()
{
    morvessa::ExportPdf(calendar_, CalendarPaper(), *dialogs_);
}

void PreviewWindow::Print()
{
    PrintCalendar(calendar_, CalendarPaper(), printDialog_);
}

void PreviewWindow::FitZoom()
{
    model_->FitClick();
    ApplyModelToWidgets();
}

void PreviewWindow::ChoosePaper(Paper paper)
{
    ErrorTrap trap(location::Form2_mnuPaper_Click);
    trap.Step(100, [&] { StorePaper(paper); });
    // What the store holds now, whether or not the choice could be kept.
    CheckPaper(CalendarPaper());
}

}  // namespace morvessa
