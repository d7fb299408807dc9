#pragma once
// "Add Holidays of a Country, State or Region": a searchable list of the world holiday data's
// countries, then the state or region, the kinds of holiday, and the chosen year's holidays shown
// before anything is added; unticking one of them leaves it out. OK keeps the choice as a holiday
// source (computed at each generation).

#include "holidays/world/WorldSources.h"

#include <QDialog>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace morvessa {

class WorldHolidaysDialog : public QDialog {
    Q_OBJECT
public:
    explicit WorldHolidaysDialog(int year, QWidget* parent = nullptr);

    void Search(const QString& text);
    // Chooses a country, state or region by its code; false when the data has no such place.
    bool SelectPlace(const QString& code);
    void SetKinds(const QStringList& kinds);
    world::WorldSource Source() const;
    // The lines the preview shows.
    QStringList Preview() const;
    // Unticks (hides) or ticks the preview's holidays of that name, as a click on their box does.
    void SetShown(const QString& name, bool shown);

private:
    void FilterCountries();
    void FillPlaces();
    void FillPreview();

    QLineEdit* search_ = nullptr;
    QListWidget* countries_ = nullptr;
    QComboBox* place_ = nullptr;
    std::array<QCheckBox*, world::kKindCount> kinds_{};
    QSpinBox* year_ = nullptr;
    QListWidget* preview_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QString language_;  // of the program, for the places' and holidays' names
    QStringList hiddenRules_;  // the place's holidays the user unticked, kept across years and kinds
};

// Stores the source and returns what the user reads: "Added the holidays of Bayern, Germany."
QString AddWorldHolidaySource(const world::WorldSource& source);
// Takes the stored source at `index` out, as one undoable step; throws what the store throws.
void RemoveWorldHolidaySource(std::size_t index);
// How a stored source reads in lists: "Bayern, Deutschland - Gesetzlich, Banken".
QString WorldSourceListText(const world::WorldSource& source);

}  // namespace morvessa
