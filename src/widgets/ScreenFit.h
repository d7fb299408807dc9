#pragma once
// Windows drawn at a fixed design size still reach every control when the screen is smaller than
// the design: at a scale factor of 2 or with large fonts a 1600x1000 screen is 800x500 to the window.
// On a screen the design fits, nothing changes.

#include <QSize>

class QWidget;

namespace morvessa {

// The largest size up to `design` that fits the free area of the window's screen with room left for
// the window's frame and title bar.
QSize SizeWithinScreen(QSize design, const QWidget& window);

// For a window of fixed size whose controls sit at fixed places below `menuBar`: when it does not fit
// the screen, its controls move into a scroll area, and it can be resized up to its design size
// (opening at the largest size that fits). Returns whether it had to.
bool ScrollWhenLargerThanScreen(QWidget& window, QWidget* menuBar);

// For a window laid out by its layout, called once it is built: when the least room the layout
// asks for is more than the screen has (large text), the layout and its controls move into a
// scroll area and the window opens at the largest size that fits. Returns whether it had to.
bool ScrollLaidOutWhenLargerThanScreen(QWidget& window);

}  // namespace morvessa
