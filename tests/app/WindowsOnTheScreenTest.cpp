// Every window reaches every control on the screen it opens on. CTest also runs this on a
// 1600x1000 screen at a scale factor of 2 and with 150 % text, where the program sees 800x500 or
// 1067x667 pixels (tests/app/screens).

#include "EveryWindow.h"

#include <QAbstractScrollArea>
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <gtest/gtest.h>

namespace morvessa {
namespace {

// The least a window manager adds around a window: a thin frame and a title bar.
constexpr QSize kLeastFrame(8, 24);

bool IsControl(const QWidget& widget)
{
    // The preview's picture is larger than its frame by design: the window's own scroll bars pan it.
    if (widget.objectName() == u"Picture1")
        return false;
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return !label->text().isEmpty();
    return widget.focusPolicy() != Qt::NoFocus;
}

// Why `control` cannot be seen whole in `window`, or nothing: each parent shows it whole, or
// is the page of a scroll area, which brings it into view.
QString WhyUnreachable(const QWidget& control, const QWidget& window)
{
    QRect place = control.rect();
    const QWidget* child = &control;
    for (const QWidget* parent = control.parentWidget(); child != &window; parent = parent->parentWidget()) {
        place.translate(child->pos());
        if (const auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget());
            area && area->viewport() == parent) {
            place = parent->rect();  // scrolled into view: what is left is to reach the viewport
        } else if (!parent->rect().contains(place)) {
            return QStringLiteral("%1 is cut by %2").arg(control.objectName(), parent->objectName());
        }
        child = parent;
    }
    // Laid-out controls get at least the room they ask for.
    if (control.parentWidget() && control.parentWidget()->layout() &&
        control.parentWidget()->layout()->indexOf(&control) >= 0) {
        const QSize least = control.minimumSizeHint();
        if (control.width() < least.width() || control.height() < least.height())
            return QStringLiteral("%1 is squeezed").arg(control.objectName());
    }
    return {};
}

TEST(WindowsOnTheScreen, EveryWindowFitsAndReachesEveryControlWithTheSystemFontAndALargeOne)
{
    test::EveryWindow windows;
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    const QFont systemFont = QApplication::font();
    int checked = 0;
    for (const double enlarged : {1.0, 1.75}) {
        QFont font = systemFont;
        font.setPointSizeF(systemFont.pointSizeF() * enlarged);
        QApplication::setFont(font);
        windows.ForEach([&](const char* window, QWidget& widget) {
            widget.show();
            QCoreApplication::processEvents();
            EXPECT_LE(widget.width() + kLeastFrame.width(), free.width()) << window << " at " << enlarged;
            EXPECT_LE(widget.height() + kLeastFrame.height(), free.height()) << window << " at " << enlarged;
            QStringList problems;
            for (const QWidget* control : widget.findChildren<QWidget*>()) {
                if (control->window() != &widget || !control->isVisibleTo(&widget) || !IsControl(*control))
                    continue;
                ++checked;
                if (const QString why = WhyUnreachable(*control, widget); !why.isEmpty())
                    problems.append(why);
            }
            EXPECT_EQ(problems.join(u", ").toStdString(), "") << window << " at " << enlarged;
            widget.hide();
        });
    }
    QApplication::setFont(systemFont);
    EXPECT_GT(checked, 100);
}

}  // namespace
}  // namespace morvessa
