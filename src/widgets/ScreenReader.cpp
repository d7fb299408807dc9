#include "widgets/ScreenReader.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <set>

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

QChar MnemonicLetter(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;  // "&&" is an ampersand shown
    }
    return {};
}

void GiveButtonsMnemonics(QWidget* window)
{
    std::set<QChar> taken;
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (QAction* action : bar->actions())
            if (const QChar letter = MnemonicLetter(action->text()); !letter.isNull())
                taken.insert(letter);
    const QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons)
        if (const QChar letter = MnemonicLetter(button->text()); !letter.isNull())
            taken.insert(letter);
    // Short texts have the fewest letters to choose from, so they choose first.
    QList<QAbstractButton*> byChoice = buttons;
    const auto letters = [](const QString& text) {
        std::set<QChar> distinct;
        for (QChar c : text)
            if (c.isLetter())
                distinct.insert(c.toLower());
        return distinct.size();
    };
    std::stable_sort(byChoice.begin(), byChoice.end(), [&](QAbstractButton* a, QAbstractButton* b) {
        return letters(a->text()) < letters(b->text());
    });
    for (QAbstractButton* button : byChoice) {
        const QString text = button->text();
        if (text.contains(u'&') || text.isEmpty())
            continue;
        // A word's first letter reads best; any other letter is the fallback.
        qsizetype chosen = -1;
        for (int pass = 0; pass < 2 && chosen < 0; ++pass)
            for (qsizetype i = 0; i < text.size() && chosen < 0; ++i) {
                const bool wordStart = i == 0 || !text[i - 1].isLetter();
                if (text[i].isLetter() && (pass == 1 || wordStart) && !taken.contains(text[i].toLower()))
                    chosen = i;
            }
        if (chosen < 0)
            continue;
        taken.insert(text[chosen].toLower());
        button->setText(text.left(chosen) + u'&' + text.mid(chosen));
    }
}

}  // namespace morvessa
