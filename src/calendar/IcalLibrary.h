#pragma once
// libical is loaded when holidays are first read from or written to an iCalendar file, not when a
// program starts: most runs never touch one, and its symbol relocations and mappings would cost
// every start.

#include <libical/ical.h>

#include <string>

namespace morvessa {

// Every library function the iCalendar import and export call.
// clang-format off
#define MORVESSA_LIBICAL_FUNCTIONS(X) \
    X(icalcomponent_add_component) \
    X(icalcomponent_add_property) \
    X(icalcomponent_as_ical_string_r) \
    X(icalcomponent_free) \
    X(icalcomponent_get_dtend) \
    X(icalcomponent_get_first_component) \
    X(icalcomponent_get_first_property) \
    X(icalcomponent_get_next_component) \
    X(icalcomponent_get_next_property) \
    X(icalcomponent_get_status) \
    X(icalcomponent_get_summary) \
    X(icalcomponent_get_timezone) \
    X(icalcomponent_get_uid) \
    X(icalcomponent_isa) \
    X(icalcomponent_new) \
    X(icalerror_clear_errno) \
    X(icalerror_set_errors_are_fatal) \
    X(icalmemory_free_buffer) \
    X(icalparameter_get_tzid) \
    X(icalparser_parse_string) \
    X(icalproperty_get_dtstart) \
    X(icalproperty_get_exdate) \
    X(icalproperty_get_first_parameter) \
    X(icalproperty_get_rdate) \
    X(icalproperty_get_recurrenceid) \
    X(icalproperty_get_rrule) \
    X(icalproperty_get_x) \
    X(icalproperty_get_x_name) \
    X(icalproperty_new_calscale) \
    X(icalproperty_new_dtend) \
    X(icalproperty_new_dtstamp) \
    X(icalproperty_new_dtstart) \
    X(icalproperty_new_prodid) \
    X(icalproperty_new_rrule) \
    X(icalproperty_new_summary) \
    X(icalproperty_new_transp) \
    X(icalproperty_new_uid) \
    X(icalproperty_new_version) \
    X(icalrecur_iterator_free) \
    X(icalrecur_iterator_new) \
    X(icalrecur_iterator_next) \
    X(icalrecur_iterator_set_start) \
    X(icalrecurrencetype_from_string) \
    X(icaltime_convert_to_zone) \
    X(icaltime_from_timet_with_zone) \
    X(icaltime_is_null_time) \
    X(icaltime_null_date) \
    X(icaltime_null_time) \
    X(icaltimezone_get_builtin_timezone) \
    X(icaltimezone_get_utc_timezone)

// clang-format on

struct IcalLibrary {
#define MORVESSA_LIBICAL_POINTER(name) decltype(&::name) name = nullptr;
    MORVESSA_LIBICAL_FUNCTIONS(MORVESSA_LIBICAL_POINTER)
#undef MORVESSA_LIBICAL_POINTER
};

// The library the build found, by its shared-object name.
extern const char* const kIcalLibraryName;

// The library's functions, loaded on first use and kept for the rest of the process. Throws
// IcsError (naming the library and the loader's reason) when it is missing or lacks a function;
// a later call tries again.
const IcalLibrary& Ical();

// Loads the functions from the shared object `file`; the same errors as Ical().
IcalLibrary LoadIcalFrom(const std::string& file);

// libical prints its parse errors on stderr itself, one line per bad line of a file, with no way to
// turn that off; they are counted in its components and reported by us instead. For one scope,
// stderr goes nowhere.
class QuietLibicalErrors {
public:
    QuietLibicalErrors();
    ~QuietLibicalErrors();
    QuietLibicalErrors(const QuietLibicalErrors&) = delete;
    QuietLibicalErrors& operator=(const QuietLibicalErrors&) = delete;

private:
    int savedStderr_ = -1;
};

}  // namespace morvessa
