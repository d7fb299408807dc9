#include "dialogs/CalendarImport.h"

#include "calendar/StoredCalendars.h"
#include "holidays/HolidayEditing.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace morvessa {

QString ImportCalendarFile(QWidget* parent, const QString& path, const std::function<void(QDialog&)>& show)
{
    // The file is read before anything is asked: a file that cannot be read changes nothing.
    const IcsCalendar parsed = ReadCalendarFile(path);
    QDialog options(parent);
    options.setObjectName(QStringLiteral("ImportIcsOptions"));
    options.setWindowTitle(QDialog::tr("Import iCalendar File"));
    auto* keepInStep = new QCheckBox(QDialog::tr("&Keep in step with the file (read it again for every calendar)"),
                                     &options);
    keepInStep->setObjectName(QStringLiteral("KeepInStep"));
    auto* timed = new QCheckBox(QDialog::tr("Include &timed events, with their time before the name"), &options);
    timed->setObjectName(QStringLiteral("IncludeTimed"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &options);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &options, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &options, &QDialog::reject);
    auto* layout = new QVBoxLayout(&options);
    layout->addWidget(keepInStep);
    layout->addWidget(timed);
    layout->addWidget(buttons);
    show(options);
    if (options.result() != QDialog::Accepted)
        return QString();

    ProgramHolidayUndo().Remember(QStringLiteral("Import"));
    StoredCalendar calendar;
    try {
        calendar = ImportCalendar(path, keepInStep->isChecked(), timed->isChecked());
    } catch (...) {
        ProgramHolidayUndo().Forget();
        throw;
    }
    ProgramHolidayUndo().NoteTakeBack([calendar] { ForgetCalendar(calendar); });
    return CalendarImportSummary(calendar, parsed);
}

}  // namespace morvessa
