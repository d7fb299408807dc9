#include "dialogs/WorldHolidaysDialog.h"

#include "core/ProgramTranslation.h"
#include "holidays/HolidayEditing.h"
#include "widgets/ScreenFit.h"
#include "widgets/ScreenReader.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace morvessa {

namespace {

QString KindLabel(world::HolidayKind kind)
{
    switch (kind) {
    case world::HolidayKind::Public: return WorldHolidaysDialog::tr("&Public");
    case world::HolidayKind::Bank: return WorldHolidaysDialog::tr("&Bank");
    case world::HolidayKind::Optional: return WorldHolidaysDialog::tr("O&ptional");
    case world::HolidayKind::School: return WorldHolidaysDialog::tr("&School");
    case world::HolidayKind::Observance: return WorldHolidaysDialog::tr("Ob&servance");
    }
    return {};
}

}  // namespace

WorldHolidaysDialog::WorldHolidaysDialog(int year, QWidget* parent)
    : QDialog(parent), language_(DisplayLanguageCode())
{
    setObjectName(QStringLiteral("WorldHolidaysDialog"));
    setWindowTitle(tr("Add Holidays of a Country, State or Region"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("Search"));
    search_->setPlaceholderText(tr("Search countries"));
    search_->setClearButtonEnabled(true);
    countries_ = new QListWidget(this);
    countries_->setObjectName(QStringLiteral("Countries"));
    place_ = new QComboBox(this);
    place_->setObjectName(QStringLiteral("Place"));
    year_ = new QSpinBox(this);
    year_->setObjectName(QStringLiteral("Year"));
    year_->setRange(1, 9999);
    year_->setValue(year);
    preview_ = new QListWidget(this);
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setSelectionMode(QAbstractItemView::NoSelection);
    NameControl(search_, search_->placeholderText());
    NameControl(countries_, tr("Countries"));
    NameControl(preview_, tr("Holidays of the year shown"));

    auto* kindsRow = new QHBoxLayout;
    for (int i = 0; i < world::kKindCount; ++i) {
        const auto kind = static_cast<world::HolidayKind>(i);
        kinds_[size_t(i)] = new QCheckBox(KindLabel(kind), this);
        kinds_[size_t(i)]->setObjectName(world::KindName(kind));
        kinds_[size_t(i)]->setChecked(kind == world::HolidayKind::Public);
        kindsRow->addWidget(kinds_[size_t(i)]);
        connect(kinds_[size_t(i)], &QCheckBox::toggled, this, [this] { FillPreview(); });
    }
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("State or &region:"), place_);
    form->addRow(tr("Kinds:"), kindsRow);
    form->addRow(tr("&Year shown:"), year_);
    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(search_);
    left->addWidget(countries_);
    lists->addLayout(left, 2);
    lists->addWidget(preview_, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(form);
    layout->addWidget(buttons_);

    try {
        std::vector<world::Place> countries = world::Countries(world::DefaultDataFolder(), language_);
        QCollator collator;
        std::sort(countries.begin(), countries.end(),
                  [&](const world::Place& a, const world::Place& b) { return collator.compare(a.name, b.name) < 0; });
        for (const world::Place& country : countries) {
            auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(country.name, country.code), countries_);
            item->setData(Qt::UserRole, country.code);
            // The English name is searched too.
            item->setData(Qt::UserRole + 1, country.englishName);
        }
    } catch (const std::exception& error) {
        preview_->addItem(QString::fromUtf8(error.what()));
    }
    connect(search_, &QLineEdit::textChanged, this, [this] { FilterCountries(); });
    connect(countries_, &QListWidget::currentRowChanged, this, [this] { FillPlaces(); });
    connect(place_, &QComboBox::currentIndexChanged, this, [this] {
        hiddenRules_.clear();
        FillPreview();
    });
    // A holiday of several days shows once per day: its boxes go together.
    connect(preview_, &QListWidget::itemChanged, this, [this](QListWidgetItem* changed) {
        const QString rule = changed->data(Qt::UserRole).toString();
        if (rule.isEmpty())
            return;
        const bool shown = changed->checkState() == Qt::Checked;
        hiddenRules_.removeAll(rule);
        if (!shown)
            hiddenRules_.append(rule);
        const QSignalBlocker blocker(preview_);
        for (int row = 0; row < preview_->count(); ++row)
            if (preview_->item(row)->data(Qt::UserRole).toString() == rule)
                preview_->item(row)->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
    });
    connect(year_, &QSpinBox::valueChanged, this, [this] { FillPreview(); });
    resize(SizeWithinScreen(QSize(720, 480), *this));
    FillPreview();
    ScrollLaidOutWhenLargerThanScreen(*this);
}

void WorldHolidaysDialog::Search(const QString& text) { search_->setText(text); }

void WorldHolidaysDialog::FilterCountries()
{
    const QString text = search_->text().trimmed();
    for (int row = 0; row < countries_->count(); ++row) {
        QListWidgetItem* item = countries_->item(row);
        item->setHidden(!text.isEmpty() && !item->text().contains(text, Qt::CaseInsensitive) &&
                        !item->data(Qt::UserRole + 1).toString().contains(text, Qt::CaseInsensitive));
    }
}

void WorldHolidaysDialog::FillPlaces()
{
    const QSignalBlocker blocker(place_);
    place_->clear();
    hiddenRules_.clear();
    const QListWidgetItem* item = countries_->currentItem();
    if (item) {
        const QString code = item->data(Qt::UserRole).toString();
        place_->addItem(tr("The whole country"), code);
        try {
            for (const world::Place& place : world::Subdivisions(code, world::DefaultDataFolder(), language_))
                place_->addItem(QStringLiteral("%1 (%2)").arg(place.name, place.code), place.code);
        } catch (const std::exception&) {
            // The country alone is still offered.
        }
    }
    FillPreview();
}

bool WorldHolidaysDialog::SelectPlace(const QString& code)
{
    const QString upper = code.trimmed().toUpper();
    const QString country = upper.section(u'-', 0, 0);
    for (int row = 0; row < countries_->count(); ++row) {
        if (countries_->item(row)->data(Qt::UserRole).toString() != country)
            continue;
        countries_->setCurrentRow(row);
        const int index = place_->findData(upper);
        if (index < 0)
            return false;
        place_->setCurrentIndex(index);
        return true;
    }
    return false;
}

void WorldHolidaysDialog::SetKinds(const QStringList& kinds)
{
    for (QCheckBox* box : kinds_)
        box->setChecked(kinds.contains(box->objectName()));
}

world::WorldSource WorldHolidaysDialog::Source() const
{
    world::WorldSource source;
    source.code = place_->currentData().toString();
    source.kinds.clear();
    for (const QCheckBox* box : kinds_)
        if (box->isChecked())
            source.kinds.append(box->objectName());
    source.hiddenRules = hiddenRules_;
    return source;
}

void WorldHolidaysDialog::FillPreview()
{
    preview_->clear();
    const world::WorldSource source = Source();
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!source.code.isEmpty() && !source.kinds.isEmpty());
    if (source.code.isEmpty() || source.kinds.isEmpty())
        return;
    try {
        const QLocale locale;
        const QSignalBlocker blocker(preview_);
        for (const world::WorldSourceDay& day : world::DaysOfSource(source, year_->value(), language_, true)) {
            auto* item = new QListWidgetItem(
                QStringLiteral("%1\t%2").arg(locale.toString(day.date, QStringLiteral("ddd d MMM")), day.name), preview_);
            item->setData(Qt::UserRole, day.rule);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(hiddenRules_.contains(day.rule) ? Qt::Unchecked : Qt::Checked);
        }
        if (preview_->count() == 0)
            preview_->addItem(tr("No holidays of these kinds in %1").arg(year_->value()));
    } catch (const std::exception& error) {
        preview_->addItem(QString::fromUtf8(error.what()));
    }
}

void WorldHolidaysDialog::SetShown(const QString& name, bool shown)
{
    for (int row = 0; row < preview_->count(); ++row)
        if (QListWidgetItem* item = preview_->item(row); item->text().section(u'\t', 1) == name)
            item->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
}

QStringList WorldHolidaysDialog::Preview() const
{
    QStringList lines;
    for (int row = 0; row < preview_->count(); ++row)
        lines.append(preview_->item(row)->text());
    return lines;
}

namespace {

bool SameChoice(const world::WorldSource& a, const world::WorldSource& b)
{
    return a.code.compare(b.code, Qt::CaseInsensitive) == 0 && a.kinds == b.kinds && a.language == b.language;
}

// "Bayern, Deutschland" for a German reader: the data names a country only in its own languages and
// English, the country list in every language.
QString TitleForReader(const world::WorldSource& source)
{
    const QString language = DisplayLanguageCode();
    QString title = world::SourceTitle(source, language);
    const QString country = source.code.section(u'-', 0, 0);
    const QString dataName = world::SourceTitle(world::WorldSource{country, {}, {}, {}}, language);
    if (!title.endsWith(dataName))
        return title;
    const QString name = world::CountryName(country, language);
    return name.isEmpty() ? title : title.chopped(dataName.size()) + name;
}

}  // namespace

QString AddWorldHolidaySource(const world::WorldSource& source)
{
    const std::vector<world::WorldSource> stored = world::StoredWorldSources();
    if (std::any_of(stored.begin(), stored.end(), [&](const auto& s) { return SameChoice(s, source); }))
        return WorldHolidaysDialog::tr("The holidays of %1 are there already.").arg(TitleForReader(source));
    HolidayUndo& undo = ProgramHolidayUndo();
    undo.Remember(QStringLiteral("Add Country"));
    try {
        world::AddWorldSource(source);
    } catch (...) {
        undo.Forget();
        throw;
    }
    // Undo takes out the last source of this choice: sources another copy added meanwhile stay.
    undo.NoteTakeBack([source] {
        const std::vector<world::WorldSource> now = world::StoredWorldSources();
        for (std::size_t i = now.size(); i-- > 0;)
            if (SameChoice(now[i], source)) {
                world::RemoveWorldSource(i);
                return;
            }
    });
    return WorldHolidaysDialog::tr("Added the holidays of %1.").arg(TitleForReader(source));
}

void RemoveWorldHolidaySource(std::size_t index)
{
    HolidayUndo& undo = ProgramHolidayUndo();
    undo.Remember(QStringLiteral("Delete"));
    world::WorldSource removed;
    try {
        removed = world::RemoveWorldSource(index);
    } catch (...) {
        undo.Forget();
        throw;
    }
    undo.NoteTakeBack([index, removed] { world::RestoreWorldSource(index, removed); });
}

QString WorldSourceListText(const world::WorldSource& source)
{
    QStringList kinds;
    for (const QString& name : source.kinds)
        if (const std::optional<world::HolidayKind> kind = world::KindFromName(name))
            kinds.append(KindLabel(*kind).remove(u'&'));
    const QString title = TitleForReader(source);
    return kinds.isEmpty() ? title : title + QStringLiteral(" - ") + kinds.join(QStringLiteral(", "));
}

}  // namespace morvessa
