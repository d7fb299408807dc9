// The colour picker: what it shows for a value, the palette strip, and what Save and Cancel leave in
// CurrentColorIndex and (through the opener's write-back) in the store.

#include "dialogs/ColorPickerDialog.h"

#include "colours/ColorPalette.h"
#include "dialogs/ColorPickerModel.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/DialogTestSupport.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <vector>

namespace morvessa {
namespace {

TEST(ColorPickerModel, OpeningValueFollowsTheColourIndex)
{
    EXPECT_EQ(ScrollValueForColorIndex(kNoColorIndex), 0);
    EXPECT_EQ(ScrollValueForColorIndex(-1), 0);
    EXPECT_EQ(ScrollValueForColorIndex(0), 0);
    EXPECT_EQ(ScrollValueForColorIndex(1), 1);
    EXPECT_EQ(ScrollValueForColorIndex(56), 56);
    EXPECT_THROW(ScrollValueForColorIndex(57), std::out_of_range);
    EXPECT_THROW(ScrollValueForColorIndex(2147483647), std::out_of_range);
}

TEST(ColorPickerModel, SwatchIsTransparentAtZeroAndThePaletteColourOtherwise)
{
    EXPECT_FALSE(SwatchColorForScrollValue(0).has_value());
    EXPECT_EQ(SwatchColorForScrollValue(1), QColor(0, 0, 0));
    EXPECT_EQ(SwatchColorForScrollValue(36), QColor(255, 255, 153));
    EXPECT_EQ(SwatchColorForScrollValue(25), QColor(0, 0, 128));
    EXPECT_EQ(SwatchColorForScrollValue(11), QColor(0, 0, 128));
    EXPECT_EQ(SwatchColorForScrollValue(56), QColor(51, 51, 51));
    EXPECT_THROW(SwatchColorForScrollValue(57), std::out_of_range);
}

TEST(ColorPickerModel, PaletteStripShowsEveryEntryBetweenBlackLines)
{
    const QImage strip = PaletteStripImage();
    ASSERT_EQ(strip.size(), QSize(225, 71));
    for (int index = 1; index <= kPaletteSize; ++index) {
        const int left = (index - 1) * 4;
        const QColor expected = QColor::fromRgb(DefaultColorPalette()[index - 1].Argb());
        for (int y : {0, 35, 70}) {
            EXPECT_EQ(strip.pixelColor(left, y), QColor(Qt::black)) << index;
            for (int x = left + 1; x <= left + 3; ++x)
                EXPECT_EQ(strip.pixelColor(x, y), expected) << index << "," << x;
        }
    }
    EXPECT_EQ(strip.pixelColor(224, 35), QColor(Qt::black));
}

class ColorPicker : public test::DialogTest {
protected:
    // Opens the picker the way a colour button does: the key's colour into CurrentColorIndex, the
    // modal picker, then the value written back whichever button closed it.
    template <typename Interaction>
    void EditColour(const char* key, Interaction interact)
    {
        GetColorIndex(key);
        ColorPickerDialog picker(nullptr);
        picker.show();
        ASSERT_TRUE(test::WaitUntil([&] { return (&picker)->isVisible(); }));
        interact(picker);
        EXPECT_FALSE(picker.isVisible());
        WriteSetting(key, QString::number(CurrentColorIndex()));
    }

    static QScrollBar* Scroll(ColorPickerDialog& picker) { return picker.findChild<QScrollBar*>("HScroll1"); }
    static ColorSwatch* Swatch(ColorPickerDialog& picker)
    {
        return picker.findChild<ColorSwatch*>("shpColor");
    }
    static QLabel* Caption(ColorPickerDialog& picker) { return picker.findChild<QLabel*>("Label1"); }
    static void Click(ColorPickerDialog& picker, const char* button)
    {
        test::Click(picker.findChild<QPushButton*>(button));
    }
    // The swatch's fill as painted on screen, away from its border and caption.
    static QColor PaintedSwatch(ColorPickerDialog& picker)
    {
        return picker.grab().toImage().pixelColor(Swatch(picker)->geometry().topLeft() + QPoint(500, 12));
    }
};

TEST_F(ColorPicker, HasItsDesignedLayout)
{
    CurrentColorIndex() = 5;
    ColorPickerDialog picker(nullptr);
    EXPECT_EQ(picker.windowTitle(), "Color Picker");
    EXPECT_TRUE(picker.isModal());
    EXPECT_EQ(picker.size(), QSize(536, 126));
    EXPECT_EQ(Swatch(picker)->geometry(), QRect(8, 8, 520, 25));
    EXPECT_EQ(Caption(picker)->geometry(), QRect(96, 8, 129, 25));
    EXPECT_EQ(Caption(picker)->text(), "No color");
    EXPECT_EQ(Caption(picker)->font().pointSizeF(), 20.25);
    EXPECT_EQ(Scroll(picker)->geometry(), QRect(8, 40, 520, 17));
    EXPECT_EQ(Scroll(picker)->minimum(), 0);
    EXPECT_EQ(Scroll(picker)->maximum(), 56);
    auto* strip = picker.findChild<QLabel*>("Image1");
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->geometry(), QRect(8, 62, 520, 23));
    EXPECT_TRUE(strip->hasScaledContents());
    EXPECT_EQ(strip->pixmap().size(), QSize(225, 71));
    auto* save = picker.findChild<QPushButton*>("PushButton1");
    auto* cancel = picker.findChild<QPushButton*>("PushButton2");
    ASSERT_TRUE(save && cancel);
    EXPECT_EQ(save->text(), "Save");
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_EQ(save->geometry(), QRect(8, 93, 256, 27));
    EXPECT_EQ(cancel->geometry(), QRect(272, 93, 256, 27));
    EXPECT_EQ(cancel->font().pointSizeF(), 11.25);
    EXPECT_EQ(test::NextTabStop(Scroll(picker)), save);
    EXPECT_EQ(test::NextTabStop(save), cancel);
}

TEST_F(ColorPicker, TitleNamesTheColourAndEnterSavesEscCancels)
{
    EXPECT_EQ(ColorPickerDialog(nullptr, "Day colour").windowTitle(), "Day colour");
    EditColour(key::HolidaysColor, [](ColorPickerDialog& picker) {
        EXPECT_TRUE(picker.findChild<QPushButton*>("PushButton1")->isDefault());
        Scroll(picker)->setValue(25);
        test::PressKey(Scroll(picker), Qt::Key_Return);
    });
    EXPECT_EQ(ReadSetting(key::HolidaysColor, ""), "25");
    EditColour(key::HolidaysColor, [](ColorPickerDialog& picker) {
        Scroll(picker)->setValue(3);
        test::PressKey(Scroll(picker), Qt::Key_Escape);
    });
    EXPECT_EQ(ReadSetting(key::HolidaysColor, ""), "25");
}

TEST_F(ColorPicker, FreshHolidayColourOpensLightYellowAndSaveKeepsIt)
{
    EditColour(key::HolidaysColor, [](ColorPickerDialog& picker) {
        EXPECT_EQ(Scroll(picker)->value(), 36);
        EXPECT_TRUE(Swatch(picker)->IsOpaque());
        EXPECT_EQ(Swatch(picker)->FillColor(), QColor(255, 255, 153));
        EXPECT_EQ(PaintedSwatch(picker), QColor(255, 255, 153));
        EXPECT_FALSE(Caption(picker)->isVisible());
        Click(picker, "PushButton1");
    });
    EXPECT_EQ(ReadSetting(key::HolidaysColor, ""), "36");
}

TEST_F(ColorPicker, NoColourOpensAtZeroWithTheCaptionReadable)
{
    EditColour(key::DaysColor, [](ColorPickerDialog& picker) {
        EXPECT_EQ(Scroll(picker)->value(), 0);
        EXPECT_FALSE(Swatch(picker)->IsOpaque());
        ASSERT_TRUE(Caption(picker)->isVisible());
        EXPECT_EQ(PaintedSwatch(picker), picker.palette().color(QPalette::Window));
        // Dark caption pixels are painted over the see-through swatch.
        const QImage shot = picker.grab(Caption(picker)->geometry()).toImage();
        int dark = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                dark += shot.pixelColor(x, y).lightness() < 80;
        EXPECT_GT(dark, 50);
        Click(picker, "PushButton2");
    });
    // Cancel writes back what was read: no colour, as -4142.
    EXPECT_EQ(ReadSetting(key::DaysColor, ""), "-4142");

    EditColour(key::DaysColor, [](ColorPickerDialog& picker) {
        EXPECT_EQ(Scroll(picker)->value(), 0);
        Click(picker, "PushButton1");
    });
    EXPECT_EQ(ReadSetting(key::DaysColor, ""), "0");
}

TEST_F(ColorPicker, DuplicateEntriesShowTheSameSwatchAndSaveTheirOwnIndex)
{
    for (int index : {25, 11}) {
        EditColour(key::EmptyColor, [index](ColorPickerDialog& picker) {
            Scroll(picker)->setValue(index);
            EXPECT_EQ(Swatch(picker)->FillColor(), QColor(0, 0, 128));
            EXPECT_EQ(PaintedSwatch(picker), QColor(0, 0, 128));
            Click(picker, "PushButton1");
        });
        EXPECT_EQ(ReadSetting(key::EmptyColor, ""), QString::number(index));
        EXPECT_EQ(CurrentColorIndex(), index);
    }
}

TEST_F(ColorPicker, LastEntryAndStepsByKeyboard)
{
    EditColour(key::EmptyColor, [](ColorPickerDialog& picker) {
        EXPECT_EQ(Scroll(picker)->value(), 15);
        Scroll(picker)->setValue(55);
        test::PressKey(Scroll(picker), Qt::Key_Right);
        EXPECT_EQ(Scroll(picker)->value(), 56);
        EXPECT_EQ(Swatch(picker)->FillColor(), QColor(51, 51, 51));
        Click(picker, "PushButton1");
    });
    EXPECT_EQ(ReadSetting(key::EmptyColor, ""), "56");
}

TEST_F(ColorPicker, AClickOnThePaletteStripChoosesTheBarUnderIt)
{
    EditColour(key::HolidaysColor, [](ColorPickerDialog& picker) {
        auto* strip = picker.findChild<QLabel*>("Image1");
        // The strip is 225 design pixels shown 520 wide: bar 25's middle and the two ends.
        const auto shownX = [&](int bar) { return ((bar - 1) * 4 + 2) * strip->width() / 225; };
        test::ClickAt(strip, QPoint(shownX(25), strip->height() / 2));
        EXPECT_EQ(Scroll(picker)->value(), 25);
        EXPECT_EQ(Swatch(picker)->FillColor(), QColor::fromRgb(DefaultColorPalette()[24].Argb()));
        test::ClickAt(strip, QPoint(0, 1));
        EXPECT_EQ(Scroll(picker)->value(), 1);
        test::ClickAt(strip, QPoint(strip->width() - 1, 1));
        EXPECT_EQ(Scroll(picker)->value(), 56);
        Click(picker, "PushButton1");
    });
    EXPECT_EQ(ReadSetting(key::HolidaysColor, ""), "56");
    for (int bar = 1; bar <= kPaletteSize; ++bar)
        for (int x = (bar - 1) * 4 + 1; x <= bar * 4; ++x)
            ASSERT_EQ(ScrollValueAtStripPoint(x, 225), bar) << x;
}

TEST_F(ColorPicker, CancelKeepsTheOpeningValueWhateverWasScrolled)
{
    EditColour(key::HolidaysColor, [](ColorPickerDialog& picker) {
        Scroll(picker)->setValue(0);
        EXPECT_TRUE(Caption(picker)->isVisible());
        Scroll(picker)->setValue(25);
        EXPECT_FALSE(Caption(picker)->isVisible());
        Click(picker, "PushButton2");
    });
    EXPECT_EQ(CurrentColorIndex(), 36);
    EXPECT_EQ(ReadSetting(key::HolidaysColor, ""), "36");
}

TEST_F(ColorPicker, ValueAboveThePaletteIsNamedOnceAndOpensAsNoColour)
{
    std::vector<QString> notices;
    SetSettingsNoticeHandler([&](const QString& text) { notices.push_back(text); });
    WriteSetting(key::HolidaysColor, "57");
    EditColour(key::HolidaysColor, [&](ColorPickerDialog& picker) {
        EXPECT_TRUE(errors_.messages.empty());
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_TRUE(notices[0].startsWith("The setting HolidaysColor holds 57,")) << notices[0].toStdString();
        EXPECT_EQ(Scroll(picker)->value(), 0);
        EXPECT_FALSE(Swatch(picker)->IsOpaque());
        Click(picker, "PushButton2");
    });
    // Cancel writes back what was shown: no colour.
    EXPECT_EQ(ReadSetting(key::HolidaysColor, ""), "-4142");
    SetSettingsNoticeHandler(nullptr);
}

}  // namespace
}  // namespace morvessa
