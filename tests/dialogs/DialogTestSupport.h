#pragma once
// Shared set-up of the dialog tests: one QApplication, a settings file of each test's own, the
// catalogue loaded from it, and a stand-in for the main window's holiday state.

#include "holidays/HolidayCatalogue.h"
#include "settings/SettingsStore.h"
#include "dialogs/HolidayEditorState.h"
#include "core/ErrorTrap.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QThread>
#include <QWidget>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace morvessa::test {

inline void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "test_settings_ui";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);  // lives for the whole run
}

inline QStringList EnglishMonthNames()
{
    return {"January", "February", "March",     "April",   "May",      "June",
            "July",    "August",   "September", "October", "November", "December"};
}

class FakeHolidayEditorState final : public HolidayEditorState {
public:
    int CurrentFixed() const override { return currentFixed; }
    void SetCurrentFixed(int position) override { currentFixed = position; }
    int FixedCount() const override { return fixedCount; }
    void SetFixedCount(int count) override { fixedCount = count; }
    int CurrentFloating() const override { return currentFloating; }
    void SetCurrentFloating(int position) override { currentFloating = position; }
    int FloatingCount() const override { return floatingCount; }
    void SetFloatingCount(int count) override { floatingCount = count; }
    QStringList MonthNames() const override { return EnglishMonthNames(); }
    void ShowSelectedHolidays() override { ++refreshes; }

    int currentFixed = 1, fixedCount = 7, currentFloating = 1, floatingCount = 10, refreshes = 0;
};

// Input as a user gives it, delivered through the application's event dispatch (which also moves
// the focus on a click).
inline void ClickAt(QWidget* widget, QPoint position)
{
    const QPointF local(position);
    const QPointF global(widget->mapToGlobal(position));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    QApplication::processEvents();
}

// Whether the combo box's text field is wide enough for `text` in the combo's font.
inline bool ComboShowsWhole(QComboBox* combo, const QString& text)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.currentText = text;
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    return QFontMetrics(combo->font()).horizontalAdvance(text) <= field.width();
}

inline void Click(QWidget* widget)
{
    ClickAt(widget, widget->rect().center());
}

inline void PressKey(QWidget* widget, int key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

inline void TypeText(QWidget* widget, const QString& text)
{
    for (QChar c : text)
        PressKey(widget, c.toUpper().unicode(), QString(c));
    QApplication::processEvents();
}

// Processes events until `done` holds or five seconds pass; returns whether it holds.
template <typename Condition>
bool WaitUntil(Condition done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

// The widget the Tab key moves to from `widget`: the next in the focus chain that takes focus,
// skipping `widget`'s own parts (a list's viewport and scroll bars).
inline QWidget* NextTabStop(QWidget* widget)
{
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && (!(next->focusPolicy() & Qt::TabFocus) || widget->isAncestorOf(next)))
        next = next->nextInFocusChain();
    return next;
}

// Each test gets a fresh store holding the first-run catalogue and colours, and records every
// error report and catalogue message instead of showing it.
class DialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        settings_ = std::make_unique<ScopedSettingsFile>(dir_.filePath("settings.ini"));
        LoadHolidays();
        ASSERT_EQ(FixedHolidays().RowCount(), 7);
        ASSERT_EQ(FloatingHolidays().RowCount(), 10);
    }

    void TearDown() override { EXPECT_TRUE(errors_.messages.empty()) << errors_.messages.front(); }

    QTemporaryDir dir_;
    std::unique_ptr<ScopedSettingsFile> settings_;
    RecordingErrorReporter errors_;
    ScopedErrorReporter errorScope_{errors_};
    RecordingCatalogueMessageSink catalogueMessages_;
    ScopedCatalogueMessageSink catalogueScope_{catalogueMessages_};
    FakeHolidayEditorState state_;
};

// A holiday dialog of type `Dialog`, open on the fake state, its validation messages recorded.
template <typename Dialog>
class HolidayDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        dialog_ = std::make_unique<Dialog>(state_, nullptr);
        dialog_->SetValidationMessageSink([this](QWidget*, const QString& text) { messages_ << text; });
        dialog_->show();
        ASSERT_TRUE(WaitUntil([&] { return dialog_->isVisible(); }));
    }

    // The dialog's child widget of that name; a missing one fails the test.
    template <typename Widget>
    Widget* Child(const char* name)
    {
        auto* widget = dialog_->template findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void ClickSave() { Click(Child<QPushButton>("PushButton8")); }

    std::unique_ptr<Dialog> dialog_;
    QStringList messages_;
};

}  // namespace morvessa::test
