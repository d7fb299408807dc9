#pragma once
// Editing any holiday in place, whichever list holds it: the fixed table, the floating table or the
// rule holidays. Each holiday is an entry of its own, so holidays that share a name stay reachable.
// Every change can be undone: the lists are kept as they were before it.

#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayRules.h"

#include <QString>

#include <functional>
#include <vector>

namespace morvessa {

struct HolidayEntry {
    enum class Source { Fixed, Floating, Rule };
    Source source = Source::Rule;
    int index = 0;  // table row (from 1) or position in the rule list (from 0)

    friend bool operator==(const HolidayEntry&, const HolidayEntry&) = default;
};

// Every holiday: the fixed rows, the floating rows, then the rule holidays.
std::vector<HolidayEntry> AllHolidayEntries();

// The holiday of an entry as a rule: a fixed row is a Fixed rule, a floating row an NthWeekday rule.
// A row whose cells do not form a date (a hand-edited store) throws HolidayRuleError.
HolidayRule RuleOfEntry(const HolidayEntry& entry);

// What the holiday list shows for an entry: "Fixed: Christmas - 25 December".
QString EntryText(const HolidayEntry& entry);

// Each change below is made to the lists as stored now (see ChangeHolidayLists), so what another copy
// of the program stored meanwhile is kept, and the lists in memory show the result. `entry` is one of
// the lists in memory; its holiday is found again in the store by its content.

// Replaces the holiday of `entry` by `rule` and saves. A table row keeps its place when the table can
// hold the new rule (a plain date for the fixed table, an n-th or last weekday without years for the
// floating one); otherwise the holiday moves to the rule list. A table's last row cannot move (the
// tables always keep a row): that throws HolidayRuleError and changes nothing. When another copy
// changed or deleted the holiday meanwhile, `rule` is added as a new holiday and the user is told.
// Returns the entry the holiday has afterwards.
HolidayEntry ReplaceHoliday(const HolidayEntry& entry, const HolidayRule& rule);

// Adds a holiday and saves: a plain date to the fixed table, an n-th or last weekday (1st to 4th or
// last, no years) to the floating table, any other rule to the rule list. Returns its entry.
HolidayEntry AddHoliday(const HolidayRule& rule);

// Adds many holidays as AddHoliday does, skipping each one a list already holds under the same name
// with the same rule, and saves once. When the save fails the lists stay as they were (and it throws).
struct AddedToLists {
    int added = 0;
    int alreadyThere = 0;
};
AddedToLists AddHolidays(const std::vector<HolidayRule>& rules);

// Every holiday as a rule, in list order (rows that form no date left out): what an export writes.
std::vector<HolidayRule> AllHolidayRules();

// Removes the holiday of `entry` and saves; a table's last row stays (returns false then). When another
// copy changed or deleted the holiday meanwhile, nothing is deleted, the user is told, and it returns
// true (the lists in memory then show what is stored).
bool DeleteHoliday(const HolidayEntry& entry);

// Undo of the last changes: Remember() before a change starts a step; every change saved after it
// (told by the store, see SetHolidayChangeListener) belongs to that step until the next Remember.
class HolidayUndo {
public:
    void Remember(const QString& what);
    // Steps whose change did not happen or changed nothing (a holiday another copy had deleted
    // already) are skipped.
    bool CanUndo() const;
    // "Undo Delete", "Undo Import", ...; empty when there is nothing to undo.
    QString UndoText() const;
    // Takes back every change this copy saved since the last Remember and saves; false when there is
    // nothing to undo. The changes are taken back from what is stored now, so what another copy of the
    // program stored meanwhile stays.
    bool Undo();
    // Called for each change saved (see SetHolidayChangeListener); it belongs to the last step.
    void Note(const HolidayLists& before, const HolidayLists& after);
    // A change kept elsewhere than in the holiday lists (an imported calendar) belongs to the last
    // step too; undoing the step calls `takeBack`, newest first, after the lists are taken back.
    void NoteTakeBack(std::function<void()> takeBack);
    void Clear() { steps_.clear(); }
    // Drops the last Remember, for a change that did not happen.
    void Forget()
    {
        if (!steps_.empty())
            steps_.pop_back();
    }

private:
    void DropEmptySteps();

    struct Change {
        HolidayLists before;
        HolidayLists after;
    };
    struct Step {
        QString what;
        std::vector<Change> changes;
        std::vector<std::function<void()>> takeBacks;
        bool Empty() const { return changes.empty() && takeBacks.empty(); }
    };
    std::vector<Step> steps_;
};

// The program's undo history.
HolidayUndo& ProgramHolidayUndo();

}  // namespace morvessa
