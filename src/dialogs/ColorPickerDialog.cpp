#include "dialogs/ColorPickerDialog.h"

#include "colours/ColorPalette.h"
#include "dialogs/ColorPickerModel.h"
#include "dialogs/ColorSwatch.h"
#include "widgets/DialogLayout.h"
#include "widgets/DialogWidgets.h"
#include "widgets/ScreenReader.h"
#include "widgets/UiRoutines.h"
#include "core/ErrorTrap.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

namespace morvessa {

ColorPickerDialog::ColorPickerDialog(QWidget* parent, const QString& caption) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmColor"));
    SetUpFixedDialog(this, caption.isEmpty() ? tr("Color Picker") : caption,
                     TwipsRect(0, 0, 8040, 1890).size());

    swatch_ = new ColorSwatch(this);
    swatch_->setObjectName(QStringLiteral("shpColor"));
    swatch_->setGeometry(TwipsRect(120, 120, 7800, 375));
    swatch_->ShowColor(*SwatchColorForScrollValue(kColorScrollLaidOut));

    // Stacked under the swatch, whose border stays drawn over it, and shown only while the swatch
    // is see-through: readable at "no colour", never hiding a colour.
    noColourLabel_ = new QLabel(tr("No color"), this);
    noColourLabel_->setObjectName(QStringLiteral("Label1"));
    noColourLabel_->setFont(ArialBold(20.25));
    noColourLabel_->setGeometry(TwipsRect(1440, 120, 1935, 375));
    noColourLabel_->setVisible(false);
    noColourLabel_->stackUnder(swatch_);

    colourScrollBar_ = new QScrollBar(Qt::Horizontal, this);
    colourScrollBar_->setObjectName(QStringLiteral("HScroll1"));
    colourScrollBar_->setGeometry(TwipsRect(120, 600, 7800, 255));
    colourScrollBar_->setRange(kColorScrollMinimum, kColorScrollMaximum);
    colourScrollBar_->setSingleStep(1);
    colourScrollBar_->setPageStep(1);
    colourScrollBar_->setValue(kColorScrollLaidOut);
    colourScrollBar_->setFocusPolicy(Qt::StrongFocus);  // arrow keys step through the palette
    colourScrollBar_->setInvertedControls(false);       // the right arrow key goes up the palette

    paletteStrip_ = new QLabel(this);
    paletteStrip_->setObjectName(QStringLiteral("Image1"));
    paletteStrip_->setGeometry(TwipsRect(120, 930, 7800, 345));
    paletteStrip_->setScaledContents(true);
    // A click on a bar chooses its colour, as scrolling to it would.
    paletteStrip_->installEventFilter(this);
    paletteStrip_->setPixmap(QPixmap::fromImage(PaletteStripImage()));

    saveButton_ = MakePushButton(QStringLiteral("PushButton1"), tr("Save"), this);
    saveButton_->setGeometry(TwipsRect(120, 1395, 3840, 405));
    cancelButton_ = MakePushButton(QStringLiteral("PushButton2"), tr("Cancel"), this);
    cancelButton_->setGeometry(TwipsRect(4080, 1395, 3840, 405));
    saveButton_->setDefault(true);  // Enter saves; Esc cancels through QDialog's reject

    setTabOrder(colourScrollBar_, saveButton_);
    setTabOrder(saveButton_, cancelButton_);
    colourScrollBar_->setFocus();

    connect(colourScrollBar_, &QScrollBar::valueChanged, this, [this] { ColourScrolled(); });
    ColourScrolled();
    connect(saveButton_, &QPushButton::clicked, this, [this] { SaveClicked(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { CancelClicked(); });

    Form_Load();
}

void ColorPickerDialog::Form_Load()
{
    ErrorTrap trap(location::frmColor_Form_Load);
    trap.Step(100, [&] { UseSystemFaceColour(this); });
    trap.Step(102, [&] { setWindowIcon(ApplicationIcon()); });
    trap.Step(104, [&] {
        ApplyHandCursor(saveButton_);
        ApplyHandCursor(cancelButton_);
    });
    // A stored value above 56 fails here; the picker then keeps its laid-out value 1 (black).
    trap.Step(106, [&] { colourScrollBar_->setValue(ScrollValueForColorIndex(CurrentColorIndex())); });
}

void ColorPickerDialog::ColourScrolled()
{
    const std::optional<QColor> colour = SwatchColorForScrollValue(colourScrollBar_->value());
    if (colour) {
        swatch_->ShowColor(*colour);
    } else {
        swatch_->ShowTransparent();
    }
    noColourLabel_->setVisible(!colour);
    // A screen reader hears which colour the bar stands on, as a sighted user sees the swatch.
    NameControl(colourScrollBar_, windowTitle(),
                colour ? tr("Colour %1 of %2").arg(colourScrollBar_->value()).arg(kColorScrollMaximum)
                       : SpokenLabel(noColourLabel_->text()));
}

bool ColorPickerDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == paletteStrip_ && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            colourScrollBar_->setValue(
                ScrollValueAtStripPoint(int(press->position().x()), paletteStrip_->width()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ColorPickerDialog::SaveClicked()
{
    ErrorTrap trap(location::frmColor_btnSave_Click);
    trap.Step(100, [&] { CurrentColorIndex() = colourScrollBar_->value(); });
    trap.Step(102, [&] { accept(); });
}

void ColorPickerDialog::CancelClicked()
{
    ErrorTrap trap(location::frmColor_btnCancel_Click);
    trap.Step(100, [&] { reject(); });
}

}  // namespace morvessa
