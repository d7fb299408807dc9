// A second copy of the program as far as the holiday store is concerned: loads the holidays from a
// settings file, then adds fixed holidays one change at a time, as the add dialog does.
//
//     holiday-editor-helper SETTINGS.ini COUNT NAME-PREFIX
//
// Adds COUNT holidays named NAME-PREFIX1 .. NAME-PREFIXCOUNT; exit 0 when all were saved.

#include "holidays/HolidayCatalogue.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: holiday-editor-helper SETTINGS.ini COUNT NAME-PREFIX\n");
        return 2;
    }
    using namespace morvessa;
    SetSettingsFile(args[1]);
    RecordingCatalogueMessageSink quiet;
    SetCatalogueMessageSink(&quiet);
    try {
        LoadHolidays();
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
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    SetCatalogueMessageSink(nullptr);
    return 0;
}
