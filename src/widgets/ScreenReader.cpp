#include "widgets/ScreenReader.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace morvessa {

namespace {

// One filter serves every button of a window; it lives as long as the window.
class EnterPressesButtons final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || (key != Qt::Key_Return && key != Qt::Key_Enter) || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

}  // namespace

QString SpokenLabel(const QString& labelText)
{
    QString words;
    for (qsizetype i = 0; i < labelText.size(); ++i) {
        // "&&" shows one ampersand; a single one marks the next letter.
        if (labelText[i] == u'&' && i + 1 < labelText.size())
            ++i;
        words += labelText[i];
    }
    words = words.trimmed();
    while (words.endsWith(u':'))
        words.chop(1);
    return words.trimmed();
}

void NameFieldByLabel(QLabel* label, QWidget* field, const QString& group)
{
    label->setBuddy(field);
    NameControl(field, SpokenLabel(label->text()), SpokenLabel(group));
}

void NameControl(QWidget* control, const QString& name, const QString& description)
{
    control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
}

void PressButtonsOnEnter(QWidget* window)
{
    auto* filter = new EnterPressesButtons(window);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

}  // namespace morvessa
