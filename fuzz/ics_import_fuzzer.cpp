// libFuzzer target: an iCalendar text through the import as a user's file takes it: the pre-scan,
// libical's parser and the recurrence expansion of a few years. Refusals are IcsError; anything else
// (a crash, a sanitizer report, a stall past the timeout) is a finding.

#include "calendar/HolidayIcs.h"
#include "calendar/IcsCalendar.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const morvessa::IcsCalendar calendar = morvessa::IcsCalendar::Parse(text);
        (void)calendar.Expand(2024, 2027, {true, {}});
    } catch (const morvessa::IcsError&) {
    }
    return 0;
}
