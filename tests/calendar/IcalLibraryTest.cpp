#include "calendar/HolidayIcs.h"
#include "calendar/IcalLibrary.h"

#include <gtest/gtest.h>

namespace morvessa {
namespace {

// libical is loaded when an iCalendar file is first read or written: one that is missing, or that
// lacks a function the import or export calls, is named in the error instead of ending the program.
TEST(IcalLibrary, AMissingOrForeignLibraryIsAClearError)
{
    const auto messageOf = [](const std::string& file) -> std::string {
        try {
            LoadIcalFrom(file);
        } catch (const IcsError& error) {
            return error.what();
        }
        return "(loaded)";
    };
    const std::string missing = messageOf("libmorvessa-no-such-library.so.9");
    EXPECT_NE(missing.find("libmorvessa-no-such-library.so.9 could not be loaded"), std::string::npos)
        << missing;
    EXPECT_NE(missing.find("Install libical"), std::string::npos) << missing;
    const std::string foreign = messageOf("libc.so.6");
    EXPECT_NE(foreign.find("libc.so.6 has no function"), std::string::npos) << foreign;
}

TEST(IcalLibrary, TheInstalledLibraryHasEveryFunction)
{
    const IcalLibrary& library = Ical();
#define MORVESSA_EXPECT_LOADED(name) EXPECT_NE(library.name, nullptr) << #name;
    MORVESSA_LIBICAL_FUNCTIONS(MORVESSA_EXPECT_LOADED)
#undef MORVESSA_EXPECT_LOADED
    EXPECT_EQ(&Ical(), &library) << "loaded once";
}

}  // namespace
}  // namespace morvessa
