#pragma once
// Taking a change made to one version of a holiday list over to another version of it: how an undo,
// or a save of a list in memory, keeps what another copy of the program stored meanwhile.

#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayRules.h"

#include <QStringList>

#include <vector>

namespace morvessa {

// The change that turned `from` into `to`, made to `onto`: each row `from` had and `to` lacks is
// removed from `onto` when it is still there; each row `to` gained is put in after the row it
// followed (at the start, or at the end, when it came first or last). Rows are their keys; equal keys
// are told apart by their rank. With `onto` equal to `from`, the result is `to`. Returns, for each
// row of the result, the row of `onto` it is (>= 0) or the row of `to` (-1 - index).
std::vector<int> MergeChange(const QStringList& from, const QStringList& to, const QStringList& onto);

// MergeChange for table rows (compared as the store gives them back) and for rule holidays (by name
// and rule).
HolidayTable MergeTableChange(const HolidayTable& from, const HolidayTable& to, const HolidayTable& onto);
std::vector<HolidayRule> MergeRuleChange(const std::vector<HolidayRule>& from,
                                         const std::vector<HolidayRule>& to,
                                         const std::vector<HolidayRule>& onto);

}  // namespace morvessa
