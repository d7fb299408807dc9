#pragma once
// Every window of the program built afresh, for the tests that hold for all of them (translated,
// named for screen readers, fitting the screen), with a private settings file and instance registry.

#include "app/MainWindow.h"

#include "calendar/StoredCalendars.h"
#include "core/ErrorTrap.h"
#include "dialogs/CalendarEventsDialog.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ColorPickerDialog.h"
#include "dialogs/FixedHolidayDialog.h"
#include "dialogs/FloatingHolidayDialog.h"
#include "dialogs/HolidayListDialog.h"
#include "dialogs/RuleHolidayDialog.h"
#include "dialogs/WorldHolidaysDialog.h"
#include "holidays/HolidayRules.h"
#include "host/HostInstances.h"
#include "preview/PreviewWindow.h"
#include "support/UiTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace morvessa::test {

class AcceptAllInstanceUi final : public InstanceCheckUi {
public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return true; }
    void EndProgram() override {}
};

class EveryWindow {
public:
    EveryWindow() : registry_(registryDir_.path().toStdString()), reporterScope_(errors_) { TestApplication(); }

    // A main window that generates nothing and runs no dialog of its own.
    MainWindowEnvironment Environment()
    {
        MainWindowEnvironment environment;
        environment.programFolder = programFolder_.path();
        environment.instanceUi = &instanceUi_;
        environment.generate = [](CalendarYear, GenerationUi&) {};
        environment.runDialog = [](QDialog&) {};
        environment.quit = [] {};
        return environment;
    }

    using WindowCheck = std::function<void(const char* window, QWidget&)>;
    // The main window, its dialogs and the preview, each handed to `check` while it exists.
    void ForEach(const WindowCheck& check)
    {
        MainWindow main(Environment());
        check("main window", main);
        FixedHolidayDialog fixed(main, &main);
        check("fixed holiday dialog", fixed);
        FloatingHolidayDialog floating(main, &main);
        check("floating holiday dialog", floating);
        ColorPickerDialog picker(&main);
        check("colour picker", picker);
        PreviewWindow preview(&main);
        check("preview", preview);
        RuleHolidayDialog rule(HolidayRule{}, &main);
        check("rule holiday dialog", rule);
        AboutDialog about(&main);
        check("about box", about);
        WorldHolidaysDialog country(2026, &main);
        check("country holidays dialog", country);
        HolidayListDialog list(&main);
        check("holiday list dialog", list);
        CalendarEventsDialog events(ImportedCalendar(), &main);
        check("calendar events dialog", events);
    }

    const RecordingErrorReporter& Errors() const { return errors_; }

private:
    // A calendar of one event, imported once, for the dialog that lists a calendar's events.
    std::size_t ImportedCalendar()
    {
        if (StoredCalendars().empty()) {
            const QString path = programFolder_.filePath(QStringLiteral("club.ics"));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write("BEGIN:VCALENDAR\r\nX-WR-CALNAME:Club\r\nBEGIN:VEVENT\r\nUID:m\r\n"
                           "DTSTART;VALUE=DATE:20260310\r\nSUMMARY:Meeting\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
            file.close();
            ImportCalendar(path, false);
        }
        return 0;
    }

    AcceptAllInstanceUi instanceUi_;
    QTemporaryDir programFolder_;
    PrivateSettings settings_;
    QTemporaryDir registryDir_;
    ScopedInstanceRegistryFolder registry_;
    RecordingErrorReporter errors_;
    ScopedErrorReporter reporterScope_;
};

}  // namespace morvessa::test
