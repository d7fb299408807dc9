#include "app/HolidaysMenu.h"

#include "calendar/CalendarOptions.h"
#include "calendar/FirstStart.h"
#include "calendar/HolidayMarking.h"
#include "calendar/IcsExport.h"
#include "dialogs/CalendarEventsDialog.h"
#include "dialogs/CalendarImport.h"
#include "dialogs/HolidayListDialog.h"
#include "dialogs/RuleHolidayDialog.h"
#include "dialogs/WorldHolidaysDialog.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayEditing.h"
#include "holidays/HolidayRules.h"
#include "holidays/world/WorldSources.h"
#include "core/ProgramTranslation.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLocale>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>

#include <exception>

#include <algorithm>

namespace morvessa {

namespace {

// What Undo would put back, in the user's language when the step is one of the program's own.
[[maybe_unused]] const char* const kUndoTexts[] = {QT_TRANSLATE_NOOP("HolidayUndo", "Undo Add Country"),
                                                   QT_TRANSLATE_NOOP("HolidayUndo", "Undo Add Holiday"),
                                                   QT_TRANSLATE_NOOP("HolidayUndo", "Undo Edit Holiday"),
                                                   QT_TRANSLATE_NOOP("HolidayUndo", "Undo Delete"),
                                                   QT_TRANSLATE_NOOP("HolidayUndo", "Undo Restore Defaults"),
                                                   QT_TRANSLATE_NOOP("HolidayUndo", "Undo Import")};

QString TranslatedUndoText(const QString& text)
{
    return QCoreApplication::translate("HolidayUndo", text.toUtf8().constData());
}

}  // namespace

HolidaysMenu::HolidaysMenu(QMenu& menu, Hooks hooks) : QObject(&menu), menu_(menu), hooks_(std::move(hooks))
{
    const auto add = [this](const char* name, const QString& text, auto handler) {
        QAction* action = menu_.addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add("AddByRule", tr("Add Holiday by &Rule..."), [this] { AddByRule(); });
    add("AddCountry", tr("Add a &Country's Holidays..."), [this] { AddCountry(); });
    add("EditHoliday", tr("&Edit Holiday..."), [this] { EditHoliday(); });
    // Every holiday the year will mark and where it comes from, at a glance, without a dialog.
    yearHolidays_ = menu_.addMenu(tr("Holidays of the &Year"));
    yearHolidays_->setObjectName(QStringLiteral("YearHolidays"));
    connect(yearHolidays_, &QMenu::aboutToShow, this, [this] { ShowYearHolidays(); });
    menu_.addSeparator();
    add("ImportIcs", tr("&Import iCalendar File..."), [this] { ImportIcs(); });
    add("ExportIcs", tr("E&xport iCalendar File..."), [this] { ExportIcs(); });
    menu_.addSeparator();
    QAction* every = add("ShowEveryHoliday", tr("Show E&very Holiday of a Day"),
                         [this](bool on) { ShowEveryHoliday(on); });
    every->setCheckable(true);
    menu_.addSeparator();
    QAction* undo = add("Undo", tr("&Undo"), [this] { Undo(); });
    undo->setShortcut(QKeySequence::Undo);
    undo->setShortcutContext(Qt::WindowShortcut);
    // The menu shows what Undo would put back, and the stored choice of the check box.
    connect(&menu_, &QMenu::aboutToShow, this, [this, undo, every] {
        const HolidayUndo& history = ProgramHolidayUndo();
        undo->setText(history.CanUndo() ? QStringLiteral("&") + TranslatedUndoText(history.UndoText())
                                        : tr("&Undo"));
        undo->setEnabled(history.CanUndo());
        try {
            every->setChecked(ShowEveryHolidayOfDay());
        } catch (const std::exception&) {
        }
    });
}

void HolidaysMenu::ShowYearHolidays()
{
    yearHolidays_->clear();
    bool ok = false;
    const int year = hooks_.yearText ? hooks_.yearText().trimmed().toInt(&ok) : 0;
    if (!ok || year < 1 || year > 9999) {
        yearHolidays_->addAction(tr("Enter a year first"))->setEnabled(false);
        return;
    }
    // The countries' and regions' holidays come from their sources, hidden ones too: a tick shows
    // or hides a single holiday of its source.
    struct Entry {
        QDate date;
        QString text;
        int source = -1;  // a world source's index, for the checkable entries
        QString rule;
        bool shown = true;
    };
    std::vector<Entry> entries;
    const QLocale locale;
    const auto label = [&](const QDate& date, QString name, const QString& origin) {
        name.replace(u'&', QStringLiteral("&&"));  // not a shortcut
        return QStringLiteral("%1\t%2 (%3)").arg(locale.toString(date, QStringLiteral("ddd d MMM")), name, origin);
    };
    try {
        for (const SourcedHoliday& day : SourcedHolidaysOfYear(year)) {
            using Source = SourcedHoliday::Source;
            QString origin;
            switch (day.source) {
            case Source::FixedList: origin = tr("fixed holidays"); break;
            case Source::FloatingList: origin = tr("floating holidays"); break;
            case Source::Easter: origin = tr("the Easter choice"); break;
            case Source::Rules: origin = tr("holidays by rule"); break;
            case Source::Calendar: origin = tr("calendar file"); break;
            case Source::World: continue;
            }
            const QDate date(day.date.year, day.date.month, day.date.day);
            entries.push_back({date, label(date, day.name, origin)});
        }
        const QString language = StoredCalendarOptions().language.Locale().name().section(u'_', 0, 0);
        const std::vector<world::WorldSource> sources = world::StoredWorldSources();
        for (std::size_t i = 0; i < sources.size(); ++i) {
            const QString origin = world::SourceTitle(sources[i], language);
            for (const world::WorldSourceDay& day : world::DaysOfSource(sources[i], year, language, true))
                entries.push_back({day.date, label(day.date, day.name, origin), int(i), day.rule,
                                   !sources[i].hiddenRules.contains(day.rule)});
        }
    } catch (const std::exception& error) {
        yearHolidays_->addAction(QString::fromUtf8(error.what()))->setEnabled(false);
        return;
    }
    if (entries.empty())
        yearHolidays_->addAction(tr("No holidays in %1").arg(year))->setEnabled(false);
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.date < b.date; });
    for (const Entry& entry : entries) {
        QAction* action = yearHolidays_->addAction(entry.text);
        if (entry.source < 0)
            continue;
        action->setCheckable(true);
        action->setChecked(entry.shown);
        connect(action, &QAction::toggled, this, [this, source = entry.source, rule = entry.rule](bool shown) {
            try {
                world::SetWorldHolidayHidden(std::size_t(source), rule, !shown);
            } catch (const std::exception& error) {
                hooks_.showMessage(QString::fromUtf8(error.what()));
            }
        });
    }
}

QAction* HolidaysMenu::Action(const char* name) const
{
    for (QAction* action : menu_.actions())
        if (action->objectName() == QLatin1String(name))
            return action;
    return nullptr;
}

void HolidaysMenu::AddByRule()
{
    try {
        const auto run = [this](RuleHolidayDialog& dialog) {
            hooks_.showDialog(dialog);
            return dialog.result();
        };
        if (AddHolidayByRule(hooks_.parent, run, hooks_.showMessage))
            hooks_.refreshLists();
    } catch (const std::exception& error) {
        hooks_.showMessage(QString::fromUtf8(error.what()));
    }
}

void HolidaysMenu::AddCountry()
{
    try {
        bool ok = false;
        int year = hooks_.yearText ? hooks_.yearText().trimmed().toInt(&ok) : 0;
        if (!ok || year < 1 || year > 9999)
            year = QDate::currentDate().year();
        WorldHolidaysDialog dialog(year, hooks_.parent);
        hooks_.showDialog(dialog);
        if (dialog.result() != QDialog::Accepted)
            return;
        const QString outcome = AddWorldHolidaySource(dialog.Source());
        hooks_.refreshLists();
        hooks_.showMessage(outcome);
    } catch (const std::exception& error) {
        hooks_.showMessage(QString::fromUtf8(error.what()));
    }
}

void HolidaysMenu::TellFirstStartCountry()
{
    try {
        const std::optional<FirstStartCountryChoice> country = UntoldFirstStartCountry(DisplayLanguageCode());
        if (!country)
            return;
        MarkFirstStartCountryTold();
        const auto where = [this](const char* entry) {
            return menu_.title().remove(u'&') + QStringLiteral(" \u2192 ") +
                   Action(entry)->text().remove(u'&').remove(QStringLiteral("..."));
        };
        hooks_.showMessage(tr("Your calendar shows the public holidays of %1, the country your system is set "
                              "to.\n\nTo choose a state or region, or another country: %2.\nTo take them out: %3.")
                               .arg(country->name, where("AddCountry"), where("EditHoliday")));
    } catch (const std::exception&) {
        // Not being told is no loss: the holidays show on the calendar and in the Holidays menu.
    }
}

void HolidaysMenu::EditHoliday()
{
    try {
        HolidayListDialog dialog(hooks_.parent);
        dialog.showMessage = hooks_.showMessage;
        dialog.runRuleDialog = [this](RuleHolidayDialog& rule) {
            hooks_.showDialog(rule);
            return rule.result();
        };
        dialog.runEventsDialog = [this](CalendarEventsDialog& events) {
            hooks_.showDialog(events);
            return events.result();
        };
        hooks_.showDialog(dialog);
        hooks_.refreshLists();
    } catch (const std::exception& error) {
        hooks_.showMessage(QString::fromUtf8(error.what()));
    }
}

void HolidaysMenu::ImportIcs()
{
    try {
        const QString path = hooks_.chooseIcsFile
                                 ? hooks_.chooseIcsFile(false)
                                 : QFileDialog::getOpenFileName(
                                       hooks_.parent, tr("Import iCalendar File"), QString(),
                                       tr("iCalendar files (*.ics);;All files (*)"));
        if (path.isEmpty())
            return;
        const QString summary = ImportCalendarFile(hooks_.parent, path, hooks_.showDialog);
        hooks_.refreshLists();
        if (!summary.isEmpty())
            hooks_.showMessage(summary);
    } catch (const std::exception& error) {
        hooks_.showMessage(QString::fromUtf8(error.what()));
    }
}

void HolidaysMenu::ExportIcs()
{
    try {
        // The years for the holidays iCalendar cannot repeat by itself; from the year in the box.
        bool numeric = false;
        const int shown = hooks_.yearText().trimmed().toInt(&numeric);
        const int first = numeric && shown >= 1583 && shown <= 9990 ? shown : QDate::currentDate().year();
        QDialog years(hooks_.parent);
        years.setObjectName(QStringLiteral("ExportYearsDialog"));
        years.setWindowTitle(tr("Export iCalendar File"));
        auto* from = new QSpinBox(&years);
        from->setObjectName(QStringLiteral("FirstYear"));
        from->setRange(1583, 9999);
        from->setValue(first);
        auto* to = new QSpinBox(&years);
        to->setObjectName(QStringLiteral("LastYear"));
        to->setRange(1583, 9999);
        to->setValue(first + 4);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &years);
        connect(buttons, &QDialogButtonBox::accepted, &years, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, &years, &QDialog::reject);
        auto* form = new QFormLayout(&years);
        form->addRow(new QLabel(tr("Every holiday of these years is written on the day the\n"
                                   "calendar marks it:"),
                                &years));
        form->addRow(tr("&From:"), from);
        form->addRow(tr("&To:"), to);
        form->addRow(buttons);
        hooks_.showDialog(years);
        if (years.result() != QDialog::Accepted)
            return;
        if (to->value() < from->value()) {
            hooks_.showMessage(tr("The last year comes before the first; nothing was exported."));
            return;
        }
        QString path =
            hooks_.chooseIcsFile
                ? hooks_.chooseIcsFile(true)
                : QFileDialog::getSaveFileName(hooks_.parent, tr("Export iCalendar File"),
                                               QStringLiteral("holidays.ics"),
                                               tr("iCalendar files (*.ics);;All files (*)"));
        if (path.isEmpty())
            return;
        // As the workbook and PDF saves do: a name typed without an ending gets the file's own.
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".ics");
        const std::size_t days = ExportMarkedHolidays(path, from->value(), to->value());
        hooks_.showMessage(
            tr("Exported %1 holidays to %2.").arg(days).arg(QDir::toNativeSeparators(path)));
    } catch (const std::exception& error) {
        hooks_.showMessage(QString::fromUtf8(error.what()));
    }
}

void HolidaysMenu::ShowEveryHoliday(bool on)
{
    try {
        SetShowEveryHolidayOfDay(on);
    } catch (const std::exception& error) {
        hooks_.showMessage(QString::fromUtf8(error.what()));
    }
}

void HolidaysMenu::Undo()
{
    try {
        if (ProgramHolidayUndo().Undo())
            hooks_.refreshLists();
    } catch (const std::exception& error) {
        hooks_.showMessage(QString::fromUtf8(error.what()));
    }
}

}  // namespace morvessa
