#include "dialogs/ColorPickerDialog.h"

#include "colours/ColorPalette.h"
#include "dialogs/ColorPickerModel.h"
#include "dialogs/ColorSwatch.h"
#include "widgets/DialogLayout.h"
#include "widgets/DialogWidgets.h"
#include "widgets/UiRoutines.h"
#include "core/ErrorTrap.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

namespace morvessa {

ColorPickerDialog::ColorPickerDialog(QWidget* parent, const QString& caption) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmColor"));
    SetUpFixedDialog(this, caption.isEmpty() ? tr("Color Picker") : caption,
                     TwipsRect(0, 0, 8040, 1890).size());

    shpColor_ = new ColorSwatch(this);
    shpColor_->setObjectName(QStringLiteral("shpColor"));
    shpColor_->setGeometry(TwipsRect(120, 120, 7800, 375));
    shpColor_->ShowColor(*SwatchColorForScrollValue(kColorScrollLaidOut));

    // Stacked under the swatch, whose border stays drawn over it, and shown only while the swatch
    // is see-through: readable at "no colour", never hiding a colour.
    Label1_ = new QLabel(tr("No color"), this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setFont(ArialBold(20.25));
    Label1_->setGeometry(TwipsRect(1440, 120, 1935, 375));
    Label1_->setVisible(false);
    Label1_->stackUnder(shpColor_);

    HScroll1_ = new QScrollBar(Qt::Horizontal, this);
    HScroll1_->setObjectName(QStringLiteral("HScroll1"));
    HScroll1_->setGeometry(TwipsRect(120, 600, 7800, 255));
    HScroll1_->setRange(kColorScrollMinimum, kColorScrollMaximum);
    HScroll1_->setSingleStep(1);
    HScroll1_->setPageStep(1);
    HScroll1_->setValue(kColorScrollLaidOut);
    HScroll1_->setFocusPolicy(Qt::StrongFocus);  // arrow keys step through the palette
    HScroll1_->setInvertedControls(false);       // the right arrow key goes up the palette

    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(TwipsRect(120, 930, 7800, 345));
    Image1_->setScaledContents(true);
    Image1_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image1_->setPixmap(QPixmap::fromImage(PaletteStripImage()));

    PushButton1_ = MakePushButton(QStringLiteral("PushButton1"), tr("Save"), this);
    PushButton1_->setGeometry(TwipsRect(120, 1395, 3840, 405));
    PushButton2_ = MakePushButton(QStringLiteral("PushButton2"), tr("Cancel"), this);
    PushButton2_->setGeometry(TwipsRect(4080, 1395, 3840, 405));
    PushButton1_->setDefault(true);  // Enter saves; Esc cancels through QDialog's reject

    setTabOrder(HScroll1_, PushButton1_);
    setTabOrder(PushButton1_, PushButton2_);
    HScroll1_->setFocus();

    connect(HScroll1_, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(PushButton1_, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton2_, &QPushButton::clicked, this, [this] { PushButton2_Click(); });

    Form_Load();
}

void ColorPickerDialog::Form_Load()
{
    ErrorTrap trap(location::frmColor_Form_Load);
    trap.Step(100, [&] { UseSystemFaceColour(this); });
    trap.Step(102, [&] { setWindowIcon(ApplicationIcon()); });
    trap.Step(104, [&] {
        ApplyHandCursor(PushButton1_);
        ApplyHandCursor(PushButton2_);
    });
    // A stored value above 56 fails here; the picker then keeps its laid-out value 1 (black).
    trap.Step(106, [&] { HScroll1_->setValue(ScrollValueForColorIndex(CurrentColorIndex())); });
}

void ColorPickerDialog::HScroll1_Change()
{
    const std::optional<QColor> colour = SwatchColorForScrollValue(HScroll1_->value());
    if (colour) {
        shpColor_->ShowColor(*colour);
    } else {
        shpColor_->ShowTransparent();
    }
    Label1_->setVisible(!colour);
}

void ColorPickerDialog::PushButton1_Click()
{
    ErrorTrap trap(location::frmColor_btnSave_Click);
    trap.Step(100, [&] { CurrentColorIndex() = HScroll1_->value(); });
    trap.Step(102, [&] { accept(); });
}

void ColorPickerDialog::PushButton2_Click()
{
    ErrorTrap trap(location::frmColor_btnCancel_Click);
    trap.Step(100, [&] { reject(); });
}

}  // namespace morvessa
