#include "widgets/ScreenReader.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

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

// Holds the corner's room in the menu bar, so the bar lays out its menus and takes its height as it
// would around the corner itself, and keeps the corner (a sibling of the bar) over that room.
class CornerRoom final : public QWidget {
public:
    CornerRoom(QMenuBar* bar, QWidget* corner) : QWidget(bar), corner_(corner)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        PassLook();
    }

    QSize sizeHint() const override { return corner_ ? corner_->sizeHint() : QSize(); }
    QSize minimumSizeHint() const override { return corner_ ? corner_->minimumSizeHint() : QSize(); }

protected:
    void moveEvent(QMoveEvent*) override { PlaceCorner(); }
    void resizeEvent(QResizeEvent*) override { PlaceCorner(); }
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
            PassLook();
        QWidget::changeEvent(event);
    }

private:
    // What the corner would inherit inside the bar, which may differ from the window's.
    void PassLook()
    {
        if (!corner_)
            return;
        corner_->setFont(font());
        corner_->setPalette(palette());
    }
    void PlaceCorner()
    {
        if (corner_ && corner_->parentWidget())
            corner_->setGeometry(QRect(mapTo(corner_->parentWidget(), QPoint(0, 0)), size()));
    }

    QPointer<QWidget> corner_;
};

// Watches the whole program for Qt's own dialogs being shown; Qt builds their fields only then.
class QtDialogNames final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        if (auto* dialog = qobject_cast<QFileDialog*>(watched)) {
            // The names Qt's own dialog gives its labels and boxes.
            for (const auto& [label, field] : {std::pair{"lookInLabel", "lookInCombo"},
                                               std::pair{"fileTypeLabel", "fileTypeCombo"}}) {
                auto* shown = dialog->findChild<QLabel*>(QLatin1String(label));
                auto* box = dialog->findChild<QWidget*>(QLatin1String(field));
                if (shown && box && !shown->buddy())
                    NameFieldByLabel(shown, box);
            }
        } else if (watched->inherits("QPrintDialog")) {
            // Its button for the PDF file to print to shows only "...".
            if (auto* browse = watched->findChild<QAbstractButton*>(QStringLiteral("fileBrowser")))
                NameControl(browse, QCoreApplication::translate("ScreenReader", "Choose the output file"));
        }
        return false;
    }
};

}  // namespace

void NameQtDialogFields()
{
    QCoreApplication* program = QCoreApplication::instance();
    static const QString kName = QStringLiteral("QtDialogNames");
    if (program && !program->findChild<QtDialogNames*>(kName, Qt::FindDirectChildrenOnly)) {
        auto* filter = new QtDialogNames(program);
        filter->setObjectName(kName);
        program->installEventFilter(filter);
    }
}

void SetReadableCornerWidget(QMenuBar* bar, QWidget* corner)
{
    QWidget* window = bar->parentWidget();
    if (corner->parentWidget() != window) {
        corner->setParent(window);
        if (window->isVisible())
            corner->show();
    }
    corner->raise();
    bar->setCornerWidget(new CornerRoom(bar, corner), Qt::TopRightCorner);
}

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
    // Each button's letters, a word's first letters (which read best) before the others.
    struct Choice {
        QAbstractButton* button;
        std::vector<qsizetype> positions;  // into the text, one per letter, in order of preference
        qsizetype chosen = -1;
    };
    std::vector<Choice> choices;
    for (QAbstractButton* button : buttons) {
        const QString text = button->text();
        if (text.isEmpty() || !MnemonicLetter(text).isNull())
            continue;
        Choice choice{button, {}};
        std::set<QChar> seen;
        for (const bool wordStartsOnly : {true, false})
            for (qsizetype i = 0; i < text.size(); ++i) {
                const bool wordStart = i == 0 || !text[i - 1].isLetter();
                const QChar letter = text[i].toLower();
                if (text[i].isLetter() && (wordStart || !wordStartsOnly) && !taken.contains(letter) &&
                    seen.insert(letter).second)
                    choice.positions.push_back(i);
            }
        choices.push_back(std::move(choice));
    }
    // Letters go to buttons as a matching: a button whose letter another needs moves to its next
    // choice, so every button gets a letter whenever the letters allow it.
    std::map<QChar, std::size_t> owner;
    const auto letterOf = [&](std::size_t c, qsizetype position) {
        return choices[c].button->text()[position].toLower();
    };
    std::function<bool(std::size_t, std::set<QChar>&)> place = [&](std::size_t c, std::set<QChar>& visited) {
        for (qsizetype position : choices[c].positions) {
            const QChar letter = letterOf(c, position);
            if (!visited.insert(letter).second)
                continue;
            const auto held = owner.find(letter);
            if (held == owner.end() || place(held->second, visited)) {
                owner[letter] = c;
                choices[c].chosen = position;
                return true;
            }
        }
        return false;
    };
    for (std::size_t c = 0; c < choices.size(); ++c) {
        std::set<QChar> visited;
        place(c, visited);
    }
    for (const Choice& choice : choices) {
        if (choice.chosen < 0)
            continue;
        const QString text = choice.button->text();
        choice.button->setText(text.left(choice.chosen) + u'&' + text.mid(choice.chosen));
    }
}

}  // namespace morvessa
