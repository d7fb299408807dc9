#include "widgets/DialogWidgets.h"

#include "widgets/DialogLayout.h"

#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace morvessa {

namespace {

class SelectAllOnFocusFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            // Deferred: a mouse click that gives the focus would otherwise place the caret over
            // the selection straight after.
            QPointer<QLineEdit> edit = qobject_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, edit, [edit] {
                if (edit && edit->hasFocus())
                    edit->selectAll();
            });
        }
        return false;
    }
};

}  // namespace

void SetUpFixedDialog(QDialog* dialog, const QString& caption, QSize clientSize)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    dialog->setWindowTitle(caption);
    dialog->setModal(true);
    dialog->setFixedSize(clientSize);
    dialog->setFont(ArialBold(kDialogFontPoints));
}

void SelectAllOnFocus(QLineEdit* edit)
{
    edit->installEventFilter(new SelectAllOnFocusFilter(edit));
}

QPushButton* MakePushButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(ArialBold(kPushButtonFontPoints));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace morvessa
