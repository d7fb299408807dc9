#pragma once
// A window's own Undo (Ctrl+Z) reaches it from every control. A text box claims the keys for its
// own undo even when it has nothing to take back, which kept the window's Undo from the year box
// that has the focus at start; here a box lets the keys through unless it has a change to undo.

#include <QWidget>

namespace morvessa {

// Every text box inside `window` (combo and spin boxes included) passes Undo on to the window's
// shortcut when it has nothing of its own to undo.
void LetWindowUndoPassTextBoxes(QWidget* window);

}  // namespace morvessa
