#include "dialogs/HolidayListDialog.h"

#include "calendar/StoredCalendars.h"
#include "dialogs/CalendarEventsDialog.h"
#include "dialogs/RuleHolidayDialog.h"
#include "dialogs/WorldHolidaysDialog.h"
#include "holidays/world/WorldSources.h"
#include "widgets/UiRoutines.h"
#include "widgets/ScreenFit.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace morvessa {

namespace {

int RunModally(RuleHolidayDialog& dialog)
{
    return dialog.exec();
}

}  // namespace

bool AddHolidayByRule(QWidget* parent, const std::function<int(RuleHolidayDialog&)>& run,
                      const std::function<void(const QString&)>& showMessage,
                      std::optional<HolidayEntry>* added)
{
    RuleHolidayDialog dialog(HolidayRule{}, parent);
    if ((run ? run(dialog) : RunModally(dialog)) != QDialog::Accepted)
        return false;
    ProgramHolidayUndo().Remember(QStringLiteral("Add Holiday"));
    try {
        const HolidayEntry entry = AddHoliday(dialog.Rule());
        if (added)
            *added = entry;
    } catch (const std::exception& error) {
        ProgramHolidayUndo().Forget();
        showMessage(QString::fromUtf8(error.what()));
        return false;
    }
    return true;
}

HolidayListDialog::HolidayListDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HolidayListDialog"));
    setWindowTitle(tr("Holidays"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    showMessage = [this](const QString& text) { ShowValidationMessage(this, text); };

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Holidays"));
    list_->setMinimumSize(520, 360);
    list_->setAccessibleName(windowTitle());
    auto* add = new QPushButton(tr("&Add by Rule..."), this);
    add->setObjectName(QStringLiteral("AddByRule"));
    edit_ = new QPushButton(tr("&Edit..."), this);
    edit_->setObjectName(QStringLiteral("Edit"));
    delete_ = new QPushButton(tr("&Delete"), this);
    delete_->setObjectName(QStringLiteral("Delete"));
    refresh_ = new QPushButton(tr("&Refresh"), this);
    refresh_->setObjectName(QStringLiteral("RefreshCalendar"));
    events_ = new QPushButton(tr("E&vents..."), this);
    events_->setObjectName(QStringLiteral("CalendarEvents"));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(add, &QPushButton::clicked, this, &HolidayListDialog::AddByRule);
    connect(edit_, &QPushButton::clicked, this, &HolidayListDialog::EditSelected);
    connect(delete_, &QPushButton::clicked, this, &HolidayListDialog::DeleteSelected);
    connect(refresh_, &QPushButton::clicked, this, &HolidayListDialog::RefreshSelectedCalendar);
    connect(events_, &QPushButton::clicked, this, &HolidayListDialog::ChooseCalendarEvents);
    connect(list_, &QListWidget::itemActivated, this, &HolidayListDialog::EditSelected);
    connect(list_, &QListWidget::currentRowChanged, this, &HolidayListDialog::SelectionChanged);
    list_->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(edit_);
    buttons->addWidget(delete_);
    buttons->addWidget(refresh_);
    buttons->addWidget(events_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    Refresh(std::nullopt);
    ScrollLaidOutWhenLargerThanScreen(*this);
}

void HolidayListDialog::Refresh(std::optional<HolidayEntry> current)
{
    entries_ = AllHolidayEntries();
    list_->clear();
    for (const HolidayEntry& entry : entries_)
        list_->addItem(EntryText(entry));
    calendarCount_ = 0;
    try {
        for (const StoredCalendar& calendar : StoredCalendars()) {
            const QString text = calendar.eventCount == 1
                                     ? tr("Calendar: %1 - 1 event").arg(calendar.name)
                                     : tr("Calendar: %1 - %2 events").arg(calendar.name).arg(calendar.eventCount);
            list_->addItem(text + (calendar.linked ? tr(", in step with its file") : QString()));
            ++calendarCount_;
        }
    } catch (const std::exception& error) {
        showMessage(QString::fromUtf8(error.what()));
    }
    countryCount_ = 0;
    try {
        for (const world::WorldSource& source : world::StoredWorldSources()) {
            list_->addItem(tr("Country: %1").arg(WorldSourceListText(source)));
            ++countryCount_;
        }
    } catch (const std::exception& error) {
        showMessage(QString::fromUtf8(error.what()));
    }
    SelectionChanged();
    if (current)
        Select(*current);
    else if (list_->count() > 0)
        list_->setCurrentRow(0);
}

void HolidayListDialog::Select(const HolidayEntry& entry)
{
    const auto found = std::find(entries_.begin(), entries_.end(), entry);
    if (found != entries_.end())
        list_->setCurrentRow(static_cast<int>(found - entries_.begin()));
}

std::optional<std::size_t> HolidayListDialog::SelectedCalendar() const
{
    const int row = list_->currentRow() - static_cast<int>(entries_.size());
    if (row < 0 || row >= calendarCount_)
        return std::nullopt;
    return static_cast<std::size_t>(row);
}

std::optional<std::size_t> HolidayListDialog::SelectedCountry() const
{
    const int row = list_->currentRow() - static_cast<int>(entries_.size()) - calendarCount_;
    if (row < 0 || row >= countryCount_)
        return std::nullopt;
    return static_cast<std::size_t>(row);
}

void HolidayListDialog::SelectionChanged()
{
    const bool calendar = SelectedCalendar().has_value();
    refresh_->setEnabled(calendar);
    events_->setEnabled(calendar);
    // With nothing chosen (an empty list after a first start with a country's holidays) there is
    // nothing to edit or delete.
    const bool chosen = list_->currentRow() >= 0 && list_->currentRow() < list_->count();
    edit_->setEnabled(chosen && !SelectedCountry());  // a country's holidays are the data's own
    delete_->setEnabled(chosen);
}

void HolidayListDialog::RefreshSelectedCalendar()
{
    const std::optional<std::size_t> calendar = SelectedCalendar();
    if (!calendar)
        return;
    const int row = list_->currentRow();
    try {
        RefreshCalendar(*calendar);
    } catch (const std::exception& error) {
        showMessage(QString::fromUtf8(error.what()));
    }
    Refresh(std::nullopt);
    list_->setCurrentRow(row);
}

void HolidayListDialog::ChooseCalendarEvents()
{
    const std::optional<std::size_t> calendar = SelectedCalendar();
    if (!calendar)
        return;
    try {
        CalendarEventsDialog dialog(*calendar, this);
        if ((runEventsDialog ? runEventsDialog(dialog) : dialog.exec()) == QDialog::Accepted)
            dialog.Apply();
    } catch (const std::exception& error) {
        showMessage(QString::fromUtf8(error.what()));
    }
}

void HolidayListDialog::DeleteCalendar(std::size_t calendar)
{
    ProgramHolidayUndo().Remember(QStringLiteral("Delete"));
    try {
        const StoredCalendar removed = RemoveCalendar(calendar);
        ProgramHolidayUndo().NoteTakeBack([calendar, removed] { RestoreCalendar(calendar, removed); });
    } catch (const std::exception& error) {
        ProgramHolidayUndo().Forget();
        showMessage(QString::fromUtf8(error.what()));
    }
}

std::optional<HolidayEntry> HolidayListDialog::Selected() const
{
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(entries_.size()))
        return std::nullopt;
    return entries_[static_cast<std::size_t>(row)];
}

void HolidayListDialog::AddByRule()
{
    std::optional<HolidayEntry> added;
    if (AddHolidayByRule(this, runRuleDialog, showMessage, &added))
        Refresh(added);
}

bool HolidayListDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a row edits it and nothing else: passed on, the same key press reached the dialog's
    // default button and opened Add by Rule once the edit closed.
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EditSelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void HolidayListDialog::EditSelected()
{
    if (SelectedCountry())
        return;
    if (SelectedCalendar()) {
        ChooseCalendarEvents();
        return;
    }
    const std::optional<HolidayEntry> entry = Selected();
    if (!entry)
        return;
    HolidayRule rule;
    try {
        rule = RuleOfEntry(*entry);
    } catch (const std::exception& error) {
        showMessage(QString::fromUtf8(error.what()));
        return;
    }
    RuleHolidayDialog dialog(rule, this);
    if ((runRuleDialog ? runRuleDialog(dialog) : RunModally(dialog)) != QDialog::Accepted)
        return;
    ProgramHolidayUndo().Remember(QStringLiteral("Edit Holiday"));
    try {
        Refresh(ReplaceHoliday(*entry, dialog.Rule()));
    } catch (const std::exception& error) {
        ProgramHolidayUndo().Forget();
        showMessage(QString::fromUtf8(error.what()));
    }
}

void HolidayListDialog::DeleteSelected()
{
    const int row = list_->currentRow();
    if (const std::optional<std::size_t> country = SelectedCountry()) {
        try {
            RemoveWorldHolidaySource(*country);
        } catch (const std::exception& error) {
            showMessage(QString::fromUtf8(error.what()));
        }
        RefreshAround(row);
        return;
    }
    if (const std::optional<std::size_t> calendar = SelectedCalendar()) {
        DeleteCalendar(*calendar);
        RefreshAround(row);
        return;
    }
    const std::optional<HolidayEntry> entry = Selected();
    if (!entry)
        return;
    ProgramHolidayUndo().Remember(QStringLiteral("Delete"));
    try {
        if (!DeleteHoliday(*entry)) {
            ProgramHolidayUndo().Forget();
            showMessage(tr("The last fixed and the last floating holiday stay: each list keeps one."));
            return;
        }
    } catch (const std::exception& error) {
        ProgramHolidayUndo().Forget();
        showMessage(QString::fromUtf8(error.what()));
        return;
    }
    RefreshAround(row);
}

void HolidayListDialog::RefreshAround(int row)
{
    Refresh(std::nullopt);
    list_->setCurrentRow(std::min(row, list_->count() - 1));
}

}  // namespace morvessa
