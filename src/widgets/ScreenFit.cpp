#include "widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace morvessa {

namespace {

// Room for the frame and the title bar the window manager adds around the window.
constexpr int kFrameRoom = 16;
constexpr int kTitleRoom = 48;

}  // namespace

QSize SizeWithinScreen(QSize design, const QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return design;
    const QRect free = screen->availableGeometry();
    return {std::min(design.width(), free.width() - kFrameRoom),
            std::min(design.height(), free.height() - kTitleRoom)};
}

bool ScrollWhenLargerThanScreen(QWidget& window, QWidget* menuBar)
{
    const QSize design = window.size();
    const QSize fitted = SizeWithinScreen(design, window);
    if (fitted == design)
        return false;
    const int top = menuBar ? menuBar->height() : 0;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Page"));
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == menuBar || child->isWindow())
            continue;
        const bool hidden = child->isHidden();
        const QPoint at = child->pos() - QPoint(0, top);
        child->setParent(page);
        child->move(at);
        child->setVisible(!hidden);
    }
    page->setFixedSize(design.width(), design.height() - top);
    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("PageScroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(page);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(area);
    // Wide enough for the page and the vertical scroll bar where the screen allows it.
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize widest = design + QSize(bar, 0);
    window.setMinimumSize(std::min(design.width(), 200), std::min(design.height(), 150));
    window.setMaximumSize(widest);
    window.resize(SizeWithinScreen(widest, window));
    return true;
}

bool ScrollLaidOutWhenLargerThanScreen(QWidget& window)
{
    QLayout* layout = window.layout();
    const QSize least = window.minimumSizeHint();
    if (!layout || SizeWithinScreen(least, window) == least)
        return false;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Page"));
    page->setLayout(layout);  // Qt hands the layout over with every widget it holds
    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("PageScroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    auto* outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
    // The old layout held the window at least as large as itself; the scroll area asks for less.
    window.setMinimumSize(0, 0);
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    window.resize(SizeWithinScreen(page->sizeHint() + QSize(bar, bar), window));
    return true;
}

}  // namespace morvessa
