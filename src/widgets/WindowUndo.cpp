#include "widgets/WindowUndo.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace morvessa {

namespace {

class UndoPassThrough final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* box = qobject_cast<QLineEdit*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (box && key->matches(QKeySequence::Undo) && !box->isUndoAvailable()) {
            event->ignore();  // not the box's: the window's shortcut takes it
            return true;
        }
        return false;
    }
};

}  // namespace

void LetWindowUndoPassTextBoxes(QWidget* window)
{
    auto* filter = new UndoPassThrough(window);
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(filter);
}

}  // namespace morvessa
