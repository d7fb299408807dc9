#include "widgets/DialogWidgets.h"

#include "widgets/DialogLayout.h"

#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>

#include <algorithm>

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

int ComboWidthForItems(QComboBox* combo)
{
    const QFontMetrics metrics(combo->font());
    int longest = 0;
    for (int i = 0; i < combo->count(); ++i)
        longest = std::max(longest, metrics.horizontalAdvance(combo->itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    // The style's own hint also counts the margins its label keeps inside the field.
    return std::max(longest + combo->width() - field.width(), combo->sizeHint().width());
}

void FitComboToItems(QComboBox* combo, int leftLimit)
{
    const int needed = ComboWidthForItems(combo);
    if (needed <= combo->width())
        return;
    QRect geometry = combo->geometry();
    geometry.setLeft(std::max(leftLimit + 1, geometry.right() + 1 - needed));
    combo->setGeometry(geometry);
}

void FitLabelToText(QLabel* label, int rightLimit)
{
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text()) + label->width() -
                       label->contentsRect().width();
    if (needed <= label->width())
        return;
    QRect geometry = label->geometry();
    geometry.setWidth(std::min(needed, rightLimit - geometry.left() + 1));
    label->setGeometry(geometry);
}

int ListWidthForItems(QListWidget* list)
{
    // The rows the list cannot show at once bring the scroll bar, which takes its share of the width.
    const int frame = 2 * list->frameWidth();
    const int rowHeight = list->count() > 0 ? list->sizeHintForRow(0) : 0;
    const bool scrolls = list->count() * rowHeight > list->height() - frame;
    const int scrollBar = scrolls ? list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list) : 0;
    return list->sizeHintForColumn(0) + frame + scrollBar;
}

void FitListToItems(QListWidget* list, int rightLimit)
{
    const int needed = ListWidthForItems(list);
    if (needed <= list->width())
        return;
    QRect geometry = list->geometry();
    geometry.setWidth(std::min(needed, rightLimit - geometry.left() + 1));
    list->setGeometry(geometry);
}

}  // namespace morvessa
