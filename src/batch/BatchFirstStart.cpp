#include "batch/BatchRuns.h"

#include "batch/BatchReports.h"
#include "core/ProgramTranslation.h"

#include "calendar/FirstStart.h"

#include <QLocale>

#include <cstdio>
#include <exception>

namespace morvessa::batch {

void FollowSystemOnFirstRun()
{
    try {
        FollowSystemOnFirstStart(QLocale::system());
        // The country is named in the language the tool speaks.
        const QString language = MessageLocale().name().section(u'_', 0, 0);
        if (const auto country = UntoldFirstStartCountry(language)) {
            MarkFirstStartCountryTold();
            std::fprintf(stderr, "morvessa-batch: %s\n",
                         qUtf8Printable(BatchTool::tr("the calendar shows the public holidays of %1 (%2), the "
                                                      "country the system is set to; --country adds others, "
                                                      "the program's Holidays menu changes them")
                                            .arg(country->name, country->code)));
        }
    } catch (const std::exception&) {
        // An unusable store is reported by the run's own first read of it.
    }
}

}  // namespace morvessa::batch
