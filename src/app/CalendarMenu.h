#pragma once
// The main window's Calendar menu: the calendar's language, the first day of its weeks, the month
// it starts with, the ISO week numbers, its pages (months, the year page or both), how they stand
// and the colours of weekends and of each holiday source. Every choice is stored at once under its
// own settings key; the menu shows the stored choices whenever it opens.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QActionGroup;
class QDialog;
class QMenu;
class QWidget;

namespace morvessa {

class CalendarMenu : public QObject {
    Q_OBJECT
public:
    // Asks for a locale name for "Other Language..."; nothing when the user cancels.
    using AskLocaleName = std::function<std::optional<QString>()>;
    // Tells the user about a choice that could not be stored or a name that is no language.
    using ShowMessage = std::function<void(const QString&)>;

    CalendarMenu(QMenu& menu, AskLocaleName ask, ShowMessage show);

    // Asks for a palette colour (1..56, or none) starting from `current`; nothing when cancelled.
    using PickColour = std::function<std::optional<int>(const QString& caption, int current)>;
    void SetColourPicker(PickColour pick) { pickColour_ = std::move(pick); }
    // The palette dialog over `parent`, shown by `show` (the window's way of running a dialog).
    static PickColour PaletteDialog(QWidget* parent, std::function<void(QDialog&)> show);

    // The action of the given object name, anywhere in the menu; null when there is none.
    QAction* Action(const QString& name) const;
    // Puts the checks where the stored choices are.
    void ShowStoredChoices();

private:
    void Store(const char* key, const QString& value);
    void ChooseOtherLanguage();
    // Fills "Colours" with the weekend and every source the holidays come from now, each with its
    // colour as it stands.
    void ListColourChoices();
    void ChooseColour(const QString& caption, int current, const std::function<void(int)>& store);

    QMenu& menu_;
    AskLocaleName ask_;
    ShowMessage show_;
    QMenu* languageMenu_ = nullptr;
    QAction* otherLanguage_ = nullptr;
    QAction* storedOtherLanguage_ = nullptr;
    QActionGroup* languages_ = nullptr;
    QActionGroup* weekStarts_ = nullptr;
    QActionGroup* firstMonths_ = nullptr;
    QAction* weekNumbers_ = nullptr;
    QActionGroup* pages_ = nullptr;
    QActionGroup* orientations_ = nullptr;
    QMenu* coloursMenu_ = nullptr;
    PickColour pickColour_;
};

}  // namespace morvessa
