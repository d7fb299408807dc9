// A second copy of the program as far as the holiday store is concerned: loads the holidays from a
// settings file, then changes them as the windows do.
//
//     holiday-editor-helper SETTINGS.ini COUNT NAME-PREFIX
//         adds COUNT fixed holidays named NAME-PREFIX1 .. NAME-PREFIXCOUNT, one change at a time, as
//         the add dialog does
//     holiday-editor-helper SETTINGS.ini --add-rule NAME RULE
//         adds one holiday through the Holidays menu ("easter +1", "fixed 03-17", ...)
//     holiday-editor-helper SETTINGS.ini --delete NAME
//         deletes the first holiday named NAME through the Holidays menu
//     holiday-editor-helper SETTINGS.ini --rename NAME NEW-NAME
//         renames the first holiday named NAME through the Holidays menu
//
// Exit 0 when the change was saved, 1 when it failed or the holiday was not found.

#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayEditing.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <exception>
#include <optional>

namespace {

using namespace morvessa;

std::optional<HolidayEntry> EntryNamed(const QString& name)
{
    for (const HolidayEntry& entry : AllHolidayEntries())
        if (RuleOfEntry(entry).name == name)
            return entry;
    return std::nullopt;
}

int Run(const QStringList& args)
{
    LoadHolidays();
    LoadRuleHolidays();
    if (args[2] == QLatin1String("--add-rule") && args.size() == 5) {
        HolidayRule rule = ParseRuleText(args[4]);
        rule.name = args[3];
        AddHoliday(rule);
        return 0;
    }
    if (args[2] == QLatin1String("--delete") && args.size() == 4) {
        const std::optional<HolidayEntry> entry = EntryNamed(args[3]);
        return entry && DeleteHoliday(*entry) ? 0 : 1;
    }
    if (args[2] == QLatin1String("--rename") && args.size() == 5) {
        const std::optional<HolidayEntry> entry = EntryNamed(args[3]);
        if (!entry)
            return 1;
        HolidayRule rule = RuleOfEntry(*entry);
        rule.name = args[4];
        ReplaceHoliday(*entry, rule);
        return 0;
    }
    if (args.size() != 4)
        return 2;
    const int count = args[2].toInt();
    for (int i = 1; i <= count; ++i) {
        ChangeHolidays([&](HolidayTable& fixed, HolidayTable&) {
            AppendHolidayRow(fixed);
            const int row = fixed.RowCount();
            fixed.Cell(row, fixed_column::Month) = 1 + i % 12;
            fixed.Cell(row, fixed_column::Day) = 1 + i % 28;
            fixed.Cell(row, fixed_column::Name) = args[3] + QString::number(i);
        });
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: holiday-editor-helper SETTINGS.ini COUNT NAME-PREFIX\n"
                             "       holiday-editor-helper SETTINGS.ini --add-rule NAME RULE\n"
                             "       holiday-editor-helper SETTINGS.ini --delete NAME\n"
                             "       holiday-editor-helper SETTINGS.ini --rename NAME NEW-NAME\n");
        return 2;
    }
    SetSettingsFile(args[1]);
    RecordingCatalogueMessageSink quiet;
    SetCatalogueMessageSink(&quiet);
    int status = 1;
    try {
        status = Run(args);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
    }
    SetCatalogueMessageSink(nullptr);
    if (status == 2)
        std::fprintf(stderr, "holiday-editor-helper: unknown arguments\n");
    return status;
}
