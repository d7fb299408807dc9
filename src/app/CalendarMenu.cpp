#include "app/CalendarMenu.h"

#include "calendar/CalendarOptions.h"
#include "calendar/HolidayColours.h"
#include "colours/ColorPalette.h"
#include "dialogs/ColorPickerDialog.h"
#include "core/CalendarNames.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QActionGroup>
#include <QColor>
#include <QCoreApplication>
#include <QIcon>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

#include <stdexcept>

namespace morvessa {

namespace {

// The languages offered by name; any other is one "Other Language..." away.
constexpr const char* kOfferedLanguages[] = {"da", "de", "el", "es", "fi", "fr", "it", "hu", "nl", "nb",
                                             "pl", "pt", "ru", "sv", "tr", "uk", "cs", "ja", "zh"};

QString NativeName(const QLocale& locale)
{
    const QString name = locale.nativeLanguageName();
    return name.isEmpty() ? locale.name() : locale.toUpper(name.left(1)) + name.mid(1);
}

// A small square of the palette colour (an empty one for none), so the menu shows each choice.
QIcon SwatchIcon(int index)
{
    QPixmap swatch(16, 16);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    painter.setPen(Qt::darkGray);
    if (index >= 1 && index <= kPaletteSize)
        painter.setBrush(QColor::fromRgb(ColorPalette()[std::size_t(index - 1)].Argb()));
    painter.drawRect(1, 1, 13, 13);
    return QIcon(swatch);
}

}  // namespace

CalendarMenu::CalendarMenu(QMenu& menu, AskLocaleName ask, ShowMessage show)
    : QObject(&menu), menu_(menu), ask_(std::move(ask)), show_(std::move(show))
{
    const auto add = [this](QMenu* into, QActionGroup* group, const QString& name, const QString& text,
                            const char* key, const QString& value) {
        QAction* action = into->addAction(text);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setData(value);
        if (group)
            group->addAction(action);
        // The value is read when chosen: the entry of a stored other language changes it.
        connect(action, &QAction::triggered, this,
                [this, key, action] { Store(key, action->data().toString()); });
        return action;
    };

    languageMenu_ = menu_.addMenu(tr("&Language"));
    languageMenu_->setObjectName(QStringLiteral("LanguageMenu"));
    languages_ = new QActionGroup(this);
    add(languageMenu_, languages_, QStringLiteral("LanguageEnglish"), tr("&English (the default)"),
        key::CalendarLanguage, CalendarLanguage::kEnglishSetting);
    add(languageMenu_, languages_, QStringLiteral("LanguageSystem"),
        tr("&System Language (%1)").arg(NativeName(QLocale::system())), key::CalendarLanguage,
        CalendarLanguage::kSystemSetting);
    languageMenu_->addSeparator();
    for (const char* code : kOfferedLanguages) {
        const QLocale locale(QString::fromLatin1(code));
        add(languageMenu_, languages_, QStringLiteral("Language_") + QString::fromLatin1(code),
            NativeName(locale), key::CalendarLanguage, locale.name());
    }
    // A stored language outside the list shows here, checked.
    storedOtherLanguage_ = add(languageMenu_, languages_, QStringLiteral("LanguageStoredOther"), QString(),
                               key::CalendarLanguage, QString());
    storedOtherLanguage_->setVisible(false);
    languageMenu_->addSeparator();
    otherLanguage_ = languageMenu_->addAction(tr("&Other Language..."));
    otherLanguage_->setObjectName(QStringLiteral("LanguageOther"));
    connect(otherLanguage_, &QAction::triggered, this, [this] { ChooseOtherLanguage(); });

    QMenu* weekMenu = menu_.addMenu(tr("&Week Starts On"));
    weekMenu->setObjectName(QStringLiteral("WeekStartMenu"));
    weekStarts_ = new QActionGroup(this);
    add(weekMenu, weekStarts_, QStringLiteral("WeekStartSunday"), tr("&Sunday"), key::WeekStart,
        WeekStartText(WeekStartChoice::Sunday));
    add(weekMenu, weekStarts_, QStringLiteral("WeekStartMonday"), tr("&Monday"), key::WeekStart,
        WeekStartText(WeekStartChoice::Monday));
    add(weekMenu, weekStarts_, QStringLiteral("WeekStartSaturday"), tr("S&aturday"), key::WeekStart,
        WeekStartText(WeekStartChoice::Saturday));
    add(weekMenu, weekStarts_, QStringLiteral("WeekStartLocale"), tr("As the &Language Has It"),
        key::WeekStart, WeekStartText(WeekStartChoice::Locale));

    QMenu* monthMenu = menu_.addMenu(tr("&First Month"));
    monthMenu->setObjectName(QStringLiteral("FirstMonthMenu"));
    firstMonths_ = new QActionGroup(this);
    const QStringList months = MonthNameList();
    for (int month = 1; month <= 12; ++month)
        add(monthMenu, firstMonths_, QStringLiteral("FirstMonth%1").arg(month), months[month - 1],
            key::FirstMonth, QString::number(month));

    menu_.addSeparator();
    weekNumbers_ = menu_.addAction(tr("Week &Numbers"));
    weekNumbers_->setObjectName(QStringLiteral("WeekNumbers"));
    weekNumbers_->setCheckable(true);
    connect(weekNumbers_, &QAction::triggered, this,
            [this](bool on) { Store(key::WeekNumbers, on ? QStringLiteral("1") : QStringLiteral("0")); });

    menu_.addSeparator();
    QMenu* pagesMenu = menu_.addMenu(tr("&Pages"));
    pagesMenu->setObjectName(QStringLiteral("PagesMenu"));
    pages_ = new QActionGroup(this);
    add(pagesMenu, pages_, QStringLiteral("PagesMonths"), tr("&Months Only"), key::Pages,
        PageChoiceText(PageChoice::Months));
    add(pagesMenu, pages_, QStringLiteral("PagesBoth"), tr("&Year Page and Months"), key::Pages,
        PageChoiceText(PageChoice::YearAndMonths));
    add(pagesMenu, pages_, QStringLiteral("PagesYear"), tr("Year Page &Only"), key::Pages,
        PageChoiceText(PageChoice::Year));

    QMenu* orientationMenu = menu_.addMenu(tr("&Orientation"));
    orientationMenu->setObjectName(QStringLiteral("OrientationMenu"));
    orientations_ = new QActionGroup(this);
    add(orientationMenu, orientations_, QStringLiteral("OrientationLandscape"), tr("&Landscape"),
        key::Orientation, OrientationText(false));
    add(orientationMenu, orientations_, QStringLiteral("OrientationPortrait"), tr("&Portrait"),
        key::Orientation, OrientationText(true));

    coloursMenu_ = menu_.addMenu(tr("&Colours"));
    coloursMenu_->setObjectName(QStringLiteral("ColoursMenu"));
    // Filled when opened: the sources and their colours are those of that moment.
    connect(coloursMenu_, &QMenu::aboutToShow, this, [this] { ListColourChoices(); });

    connect(&menu_, &QMenu::aboutToShow, this, [this] { ShowStoredChoices(); });
    ShowStoredChoices();
}

QAction* CalendarMenu::Action(const QString& name) const
{
    return menu_.findChild<QAction*>(name);
}

void CalendarMenu::Store(const char* key, const QString& value)
{
    try {
        WriteSetting(QString::fromLatin1(key), value);
    } catch (const std::exception& error) {
        if (show_)
            show_(QString::fromUtf8(error.what()));
    }
    ShowStoredChoices();
}

void CalendarMenu::ListColourChoices()
{
    coloursMenu_->clear();
    // Reading a colour leaves it as the picker's exchange value, which the window's buttons own.
    const std::int32_t exchanged = CurrentColorIndex();
    const auto offer = [this](const QString& name, const QString& text, const QString& caption, int current,
                              std::function<void(int)> store) {
        QAction* action = coloursMenu_->addAction(SwatchIcon(current), text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this,
                [this, caption, current, store] { ChooseColour(caption, current, store); });
    };
    offer(QStringLiteral("ColourWeekend"), tr("&Weekends"), tr("Weekend colour"), StoredWeekendColour(),
          [](int index) { WriteSetting(QString::fromLatin1(key::WeekendColor), QString::number(index)); });
    // The program's own lists keep the window's "Holiday" colour; every other source is listed.
    const std::vector<HolidaySource> sources = KnownHolidaySources();
    if (sources.size() > 1)
        coloursMenu_->addSeparator();
    HolidayColours colours = HolidayColours::Stored();
    for (const HolidaySource& source : sources) {
        const int current = colours.FillOf(source);
        if (source.origin == HolidaySource::Origin::Lists)
            continue;
        const QString label = source.Label();
        offer(QStringLiteral("Colour_") + source.Key(), QString(label).replace(u'&', QStringLiteral("&&")), label,
              current, [source](int index) { StoreSourceColour(source, index); });
    }
    CurrentColorIndex() = exchanged;
}

CalendarMenu::PickColour CalendarMenu::PaletteDialog(QWidget* parent, std::function<void(QDialog&)> show)
{
    return [parent, show = std::move(show)](const QString& caption, int current) -> std::optional<int> {
        CurrentColorIndex() = current;
        ColorPickerDialog dialog(parent, caption);
        show(dialog);
        // The picker leaves its answer where it found the question: the old colour when cancelled.
        return CurrentColorIndex();
    };
}

void CalendarMenu::ChooseColour(const QString& caption, int current, const std::function<void(int)>& store)
{
    if (!pickColour_)
        return;
    try {
        const std::optional<int> chosen = pickColour_(caption, current);
        if (chosen && *chosen != current)
            store(*chosen);
    } catch (const std::exception& error) {
        if (show_)
            show_(QString::fromUtf8(error.what()));
    }
}

void CalendarMenu::ChooseOtherLanguage()
{
    if (!ask_)
        return;
    const std::optional<QString> name = ask_();
    if (!name || name->trimmed().isEmpty())
        return;
    const auto language = CalendarLanguage::FromSetting(*name);
    if (!language || name->trimmed().compare(CalendarLanguage::kSystemSetting, Qt::CaseInsensitive) == 0) {
        if (show_)
            show_(tr("\"%1\" is not a language the calendar knows. Give a name such as de, pt_BR or "
                     "sr_Latn_RS.")
                      .arg(name->trimmed()));
        return;
    }
    Store(key::CalendarLanguage, LanguageSettingText(*language, false));
}

void CalendarMenu::ShowStoredChoices()
{
    QString languageSetting;
    try {
        languageSetting = ReadSetting(QString::fromLatin1(key::CalendarLanguage), QString()).trimmed();
    } catch (const std::exception&) {
    }
    const CalendarOptions options = StoredCalendarOptions();
    const bool system = languageSetting.compare(CalendarLanguage::kSystemSetting, Qt::CaseInsensitive) == 0;
    const QString stored = LanguageSettingText(options.language, system);

    storedOtherLanguage_->setVisible(false);
    bool found = false;
    for (QAction* action : languages_->actions())
        if (action != storedOtherLanguage_ && action->data().toString() == stored) {
            action->setChecked(true);
            found = true;
        }
    if (!found) {
        storedOtherLanguage_->setData(stored);
        storedOtherLanguage_->setText(NativeName(options.language.Locale()) + QStringLiteral(" (") + stored +
                                      QStringLiteral(")"));
        storedOtherLanguage_->setVisible(true);
        storedOtherLanguage_->setChecked(true);
    }
    for (QAction* action : weekStarts_->actions())
        action->setChecked(action->data().toString() == WeekStartText(options.weekStart));
    for (QAction* action : firstMonths_->actions())
        action->setChecked(action->data().toString() == QString::number(options.firstMonth));
    weekNumbers_->setChecked(options.weekNumbers);
    for (QAction* action : pages_->actions())
        action->setChecked(action->data().toString() == PageChoiceText(options.pages));
    for (QAction* action : orientations_->actions())
        action->setChecked(action->data().toString() == OrientationText(options.portrait));
}

}  // namespace morvessa
