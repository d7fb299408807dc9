#include "widgets/ScreenFit.h"
#include "support/UiTestSupport.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <gtest/gtest.h>

namespace morvessa {
namespace {

// A fixed window with a bar on top and a button at its bottom edge, `height` pixels tall.
struct FixedWindow {
    explicit FixedWindow(int height)
    {
        window.setFixedSize(500, height);
        bar = new QLabel(QStringLiteral("bar"), &window);
        bar->setGeometry(0, 0, 500, 20);
        bottom = new QPushButton(QStringLiteral("Save"), &window);
        bottom->setGeometry(10, height - 30, 100, 25);
        hidden = new QLabel(&window);
        hidden->hide();
    }
    QWidget window;
    QLabel* bar = nullptr;
    QPushButton* bottom = nullptr;
    QLabel* hidden = nullptr;
};

TEST(ScreenFit, AWindowThatFitsStaysAsDesignedAndOneTooTallScrollsToEveryControl)
{
    test::TestApplication();
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();

    FixedWindow fits(free.height() / 2);
    EXPECT_FALSE(ScrollWhenLargerThanScreen(fits.window, fits.bar));
    EXPECT_EQ(fits.window.size(), QSize(500, free.height() / 2));
    EXPECT_EQ(fits.bottom->parentWidget(), &fits.window);

    const int tall = free.height() * 2;
    FixedWindow tooTall(tall);
    ASSERT_TRUE(ScrollWhenLargerThanScreen(tooTall.window, tooTall.bar));
    EXPECT_LT(tooTall.window.height(), free.height());
    EXPECT_EQ(tooTall.window.maximumHeight(), tall);  // may be made as tall as designed
    auto* area = tooTall.window.findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    // The controls keep their places below the bar, the bar stays on the window, hidden stays hidden.
    EXPECT_EQ(tooTall.bottom->parentWidget(), area->widget());
    EXPECT_EQ(tooTall.bottom->pos(), QPoint(10, tall - 30 - 20));
    EXPECT_EQ(tooTall.bar->parentWidget(), &tooTall.window);
    EXPECT_TRUE(tooTall.hidden->isHidden());
    tooTall.window.show();
    area->ensureWidgetVisible(tooTall.bottom);
    EXPECT_TRUE(tooTall.bottom->visibleRegion().boundingRect().height() > 0);
}

}  // namespace
}  // namespace morvessa
