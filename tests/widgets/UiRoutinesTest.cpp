#include "widgets/UiRoutines.h"
#include "core/ErrorTrap.h"
#include "widgets/CatalogueMessageBox.h"
#include "support/UiTestSupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace morvessa {
namespace {

MORVESSA_LOCATION(kStartClick, "Form1.PushButton1_Click")

TEST(MessageBoxText, CarriageReturnsBecomeLineBreaks)
{
    EXPECT_EQ(MessageBoxText("Overflow\r\nin X at line 102\r\rPlease"),
              QStringLiteral("Overflow\nin X at line 102\n\nPlease"));
    EXPECT_EQ(MessageBoxText("a\r\n\r\nb"), QStringLiteral("a\n\nb"));
}

TEST(ErrorBox, ATrappedFailureShowsTheWarningBoxWithOkOnlyAndTheProcedureGoesOn)
{
    test::TestApplication();
    InstallMessageBoxErrorReporter();
    test::ModalBoxWatcher watcher;
    ErrorTrap trap(kStartClick);
    bool laterStepRan = false;
    trap.Step(102, [] { throw std::runtime_error("Type mismatch"); });
    trap.Step(104, [&] { laterStepRan = true; });
    SetErrorReporter(nullptr);

    ASSERT_EQ(watcher.boxes().size(), 1u);
    const test::SeenBox& box = watcher.boxes()[0];
    EXPECT_EQ(box.title, QStringLiteral("Application Error"));
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(box.modality, Qt::ApplicationModal);
    EXPECT_EQ(box.text,
              QStringLiteral("Type mismatch\nin Quorvant2021/08/31.Form1.PushButton1_Click at line 102\n\n"
                             "Please email screenshot of this message to ") +
                  QString::fromLatin1(kSupportAddress.data(), kSupportAddress.size()));
    EXPECT_TRUE(laterStepRan);
}

TEST(ValidationMessage, TitledWithTheApplicationTitleOkOnlyNoIcon)
{
    test::TestApplication();
    test::ModalBoxWatcher watcher;
    ShowValidationMessage(nullptr, QStringLiteral("You must enter a valid year."));
    ASSERT_EQ(watcher.boxes().size(), 1u);
    EXPECT_EQ(watcher.boxes()[0].title, QStringLiteral("Morvessa"));
    EXPECT_EQ(watcher.boxes()[0].text, QStringLiteral("You must enter a valid year."));
    EXPECT_EQ(watcher.boxes()[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(watcher.boxes()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(CatalogueMessages, ShowAsPlainBoxesWithTheApplicationTitle)
{
    test::TestApplication();
    test::ModalBoxWatcher watcher;
    CatalogueMessageBox sink;
    sink.ShowMessage(QString::fromLatin1(kNoSavedValueMessage));
    ASSERT_EQ(watcher.boxes().size(), 1u);
    EXPECT_EQ(watcher.boxes()[0].text, QStringLiteral("No Saved Value To Retrieve For Range : "));
    EXPECT_EQ(watcher.boxes()[0].title, QStringLiteral("Morvessa"));
    EXPECT_EQ(watcher.boxes()[0].icon, QMessageBox::NoIcon);
}

TEST(YesNoQuestion, ReturnsTheAnswer)
{
    test::TestApplication();
    test::ModalBoxWatcher watcher(QMessageBox::Yes);
    EXPECT_TRUE(AskYesNo(nullptr, QStringLiteral("Proceed?")));
    watcher.SetAnswer(QMessageBox::No);
    EXPECT_FALSE(AskYesNo(nullptr, QStringLiteral("Proceed?")));
    ASSERT_EQ(watcher.boxes().size(), 2u);
    EXPECT_EQ(watcher.boxes()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(watcher.boxes()[0].icon, QMessageBox::NoIcon);
}

TEST(SystemFaceColour, ColoursTheWindowFramesLabelsAndOptionsButNotInputControls)
{
    test::TestApplication();
    QWidget window;
    auto* frame = new QGroupBox(&window);
    auto* label = new QLabel(frame);
    auto* option = new QRadioButton(frame);
    auto* check = new QCheckBox(&window);
    auto* text = new QLineEdit(&window);
    auto* button = new QPushButton(&window);
    PaintWindowBackground(&window, Qt::white);
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(option->palette().color(option->backgroundRole()), QColor(Qt::white));

    UseSystemFaceColour(&window);
    const QColor face = SystemFaceColour();
    ASSERT_NE(face, QColor(Qt::white)) << "the test needs a face colour that differs from white";
    for (QWidget* widget :
         {static_cast<QWidget*>(&window), static_cast<QWidget*>(frame), static_cast<QWidget*>(label),
          static_cast<QWidget*>(option), static_cast<QWidget*>(check)}) {
        EXPECT_EQ(widget->palette().color(widget->backgroundRole()), face)
            << widget->metaObject()->className();
        EXPECT_TRUE(widget->autoFillBackground()) << widget->metaObject()->className();
    }
    EXPECT_FALSE(text->autoFillBackground());
    EXPECT_FALSE(button->autoFillBackground());
}

TEST(ApplicationIcon, IsTheProjectsOwnPicture)
{
    test::TestApplication();
    const QIcon icon = ApplicationIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_FALSE(icon.pixmap(64, 64).isNull());
}

}  // namespace
}  // namespace morvessa
