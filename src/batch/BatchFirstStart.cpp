#include "batch/BatchRuns.h"

#include "calendar/FirstStart.h"

#include <QLocale>

#include <cstdio>
#include <exception>

namespace morvessa::batch {

void FollowSystemOnFirstRun()
{
    try {
        FollowSystemOnFirstStart(QLocale::system());
        if (const auto country = UntoldFirstStartCountry(QStringLiteral("en"))) {
            MarkFirstStartCountryTold();
            std::fprintf(stderr,
                         "morvessa-batch: the calendar shows the public holidays of %s (%s), the country the "
                         "system is set to; --country adds others, the program's Holidays menu changes them\n",
                         qUtf8Printable(country->name), qUtf8Printable(country->code));
        }
    } catch (const std::exception&) {
        // An unusable store is reported by the run's own first read of it.
    }
}

}  // namespace morvessa::batch
