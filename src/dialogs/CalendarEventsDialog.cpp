#include "dialogs/CalendarEventsDialog.h"

#include "calendar/StoredCalendars.h"
#include "widgets/ScreenFit.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace morvessa {

namespace {
constexpr int kUidRole = Qt::UserRole;
}

CalendarEventsDialog::CalendarEventsDialog(std::size_t calendar, QWidget* parent)
    : QDialog(parent), calendar_(calendar)
{
    setObjectName(QStringLiteral("CalendarEventsDialog"));
    const std::vector<StoredCalendar> calendars = StoredCalendars();
    const StoredCalendar& stored = calendars.at(calendar);
    setWindowTitle(tr("Events of %1").arg(stored.name));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Events"));
    list_->setMinimumSize(420, 320);
    list_->setAccessibleName(windowTitle());
    const IcsCalendar parsed = ReadCalendarFile(stored.file);
    for (const IcsEventInfo& event : parsed.Events()) {
        auto* item = new QListWidgetItem(event.summary, list_);
        item->setData(kUidRole, event.uid);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(stored.hiddenUids.contains(event.uid) ? Qt::Unchecked : Qt::Checked);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    ScrollLaidOutWhenLargerThanScreen(*this);
}

void CalendarEventsDialog::Apply()
{
    QStringList hidden;
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        if (item->checkState() != Qt::Checked)
            hidden.append(item->data(kUidRole).toString());
    }
    SetHiddenEvents(calendar_, hidden);
}

}  // namespace morvessa
