#include "holidays/HolidayEditing.h"

#include "holidays/HolidayListMerge.h"

#include "core/CalendarNames.h"
#include "core/NumericText.h"

#include <QCoreApplication>
#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

namespace morvessa {

namespace {

constexpr std::size_t kUndoSteps = 50;

int WholeCell(const HolidayCell& cell, const char* what, int low, int high)
{
    double value = 0;
    if (cell.IsNumber())
        value = cell.Number();
    else if (cell.IsText() && IsNumeric(cell.Text()))
        value = ToNumber(cell.Text());
    else
        value = std::nan("");
    if (!std::isfinite(value) || value != std::floor(value) || value < low || value > high)
        throw HolidayRuleError(QStringLiteral("The stored %1 \"%2\" is not a whole number from %3 to %4")
                                   .arg(QLatin1String(what), cell.Text())
                                   .arg(low)
                                   .arg(high)
                                   .toStdString());
    return static_cast<int>(value);
}

bool FitsFixedTable(const HolidayRule& rule)
{
    return rule.kind == HolidayRule::Kind::Fixed && rule.observed == HolidayRule::Observed::None &&
           rule.firstYear == 0 && rule.lastYear == 0;
}

bool FitsFloatingTable(const HolidayRule& rule)
{
    return rule.kind == HolidayRule::Kind::NthWeekday && rule.occurrence != 5 && rule.firstYear == 0 &&
           rule.lastYear == 0;
}

void WriteFixedRow(HolidayTable& table, int row, const HolidayRule& rule)
{
    table.Cell(row, fixed_column::Month) = rule.month;
    table.Cell(row, fixed_column::Day) = rule.day;
    table.Cell(row, fixed_column::Name) = rule.name;
}

void WriteFloatingRow(HolidayTable& table, int row, const HolidayRule& rule)
{
    table.Cell(row, floating_column::Month) = rule.month;
    table.Cell(row, floating_column::Weekday) = rule.weekday;
    table.Cell(row, floating_column::Occurrence) = rule.occurrence == HolidayRule::kLast
                                                       ? HolidayCell(kLastOccurrenceName)
                                                       : HolidayCell(rule.occurrence);
    table.Cell(row, floating_column::Name) = rule.name;
}

// Adds `rule` to the list that can hold it; returns its entry.
HolidayEntry AddToLists(HolidayLists& lists, const HolidayRule& rule)
{
    if (FitsFixedTable(rule)) {
        AppendHolidayRow(lists.fixed);
        WriteFixedRow(lists.fixed, lists.fixed.RowCount(), rule);
        return {HolidayEntry::Source::Fixed, lists.fixed.RowCount()};
    }
    if (FitsFloatingTable(rule)) {
        AppendHolidayRow(lists.floating);
        WriteFloatingRow(lists.floating, lists.floating.RowCount(), rule);
        return {HolidayEntry::Source::Floating, lists.floating.RowCount()};
    }
    lists.rules.push_back(rule);
    return {HolidayEntry::Source::Rule, static_cast<int>(lists.rules.size() - 1)};
}

// The position in `in` of the rule at `index` of `from` (same rule, same rank among equal ones), or
// -1 when `in` no longer holds it.
int SameRuleIndex(const std::vector<HolidayRule>& from, int index, const std::vector<HolidayRule>& in)
{
    if (index < 0 || index >= static_cast<int>(from.size()))
        return -1;
    const HolidayRule& rule = from[static_cast<std::size_t>(index)];
    int rank = static_cast<int>(std::count(from.begin(), from.begin() + index, rule));
    for (std::size_t i = 0; i < in.size(); ++i)
        if (in[i] == rule && rank-- == 0)
            return static_cast<int>(i);
    return -1;
}

HolidayRule RuleOfRow(const HolidayTable& fixed, const HolidayTable& floating,
                      const std::vector<HolidayRule>& rules, const HolidayEntry& entry)
{
    HolidayRule rule;
    switch (entry.source) {
    case HolidayEntry::Source::Fixed: {
        const HolidayTable& table = fixed;
        rule.kind = HolidayRule::Kind::Fixed;
        rule.name = table.Cell(entry.index, fixed_column::Name).Text();
        rule.month = WholeCell(table.Cell(entry.index, fixed_column::Month), "month", 1, 12);
        rule.day = WholeCell(table.Cell(entry.index, fixed_column::Day), "day", 1, 31);
        return rule;
    }
    case HolidayEntry::Source::Floating: {
        const HolidayTable& table = floating;
        rule.kind = HolidayRule::Kind::NthWeekday;
        rule.name = table.Cell(entry.index, floating_column::Name).Text();
        rule.month = WholeCell(table.Cell(entry.index, floating_column::Month), "month", 1, 12);
        rule.weekday = WholeCell(table.Cell(entry.index, floating_column::Weekday), "weekday", 1, 7);
        const HolidayCell& occurrence = table.Cell(entry.index, floating_column::Occurrence);
        rule.occurrence = occurrence.IsText() && occurrence.Text() == kLastOccurrenceName
                              ? HolidayRule::kLast
                              : WholeCell(occurrence, "occurrence", 1, 4);
        return rule;
    }
    case HolidayEntry::Source::Rule:
        return rules.at(static_cast<std::size_t>(entry.index));
    }
    return rule;
}

std::vector<HolidayEntry> EntriesOf(const HolidayLists& lists)
{
    std::vector<HolidayEntry> entries;
    for (int row = 1; row <= lists.fixed.RowCount(); ++row)
        entries.push_back({HolidayEntry::Source::Fixed, row});
    for (int row = 1; row <= lists.floating.RowCount(); ++row)
        entries.push_back({HolidayEntry::Source::Floating, row});
    for (std::size_t i = 0; i < lists.rules.size(); ++i)
        entries.push_back({HolidayEntry::Source::Rule, static_cast<int>(i)});
    return entries;
}

std::vector<HolidayRule> RulesOf(const HolidayLists& lists)
{
    std::vector<HolidayRule> rules;
    for (const HolidayEntry& entry : EntriesOf(lists)) {
        try {
            rules.push_back(RuleOfRow(lists.fixed, lists.floating, lists.rules, entry));
        } catch (const HolidayRuleError&) {
        }
    }
    return rules;
}

// The entry of the same holiday in `in` as `entry` is in `from`; nullopt when `in` no longer holds it
// (another copy of the program deleted or changed it).
std::optional<HolidayEntry> SameEntry(const HolidayLists& from, const HolidayEntry& entry,
                                      const HolidayLists& in)
{
    int index = 0;
    switch (entry.source) {
    case HolidayEntry::Source::Fixed:
        index = SameHolidayRow(from.fixed, entry.index, in.fixed);
        return index > 0 ? std::optional<HolidayEntry>({entry.source, index}) : std::nullopt;
    case HolidayEntry::Source::Floating:
        index = SameHolidayRow(from.floating, entry.index, in.floating);
        return index > 0 ? std::optional<HolidayEntry>({entry.source, index}) : std::nullopt;
    case HolidayEntry::Source::Rule:
        index = SameRuleIndex(from.rules, entry.index, in.rules);
        return index >= 0 ? std::optional<HolidayEntry>({entry.source, index}) : std::nullopt;
    }
    return std::nullopt;
}

QString NameOfEntry(const HolidayLists& lists, const HolidayEntry& entry)
{
    switch (entry.source) {
    case HolidayEntry::Source::Fixed:
        return lists.fixed.Cell(entry.index, fixed_column::Name).Text();
    case HolidayEntry::Source::Floating:
        return lists.floating.Cell(entry.index, floating_column::Name).Text();
    case HolidayEntry::Source::Rule:
        return lists.rules.at(static_cast<std::size_t>(entry.index)).name;
    }
    return QString();
}

void TellChangedElsewhere(const QString& text)
{
    CurrentCatalogueMessageSink().ShowMessage(text);
}

bool g_undoing = false;  // an undo's own change is not a step of the history

}  // namespace

std::vector<HolidayEntry> AllHolidayEntries()
{
    return EntriesOf(CurrentHolidayLists());
}

HolidayRule RuleOfEntry(const HolidayEntry& entry)
{
    return RuleOfRow(FixedHolidays(), FloatingHolidays(), RuleHolidays(), entry);
}

QString EntryText(const HolidayEntry& entry)
{
    const char* prefix =
        entry.source == HolidayEntry::Source::Fixed      ? QT_TRANSLATE_NOOP("HolidayEditing", "Fixed: ")
        : entry.source == HolidayEntry::Source::Floating ? QT_TRANSLATE_NOOP("HolidayEditing", "Floating: ")
                                                         : QT_TRANSLATE_NOOP("HolidayEditing", "Rule: ");
    try {
        return QCoreApplication::translate("HolidayEditing", prefix) + DescribeRule(RuleOfEntry(entry));
    } catch (const HolidayRuleError&) {
        const HolidayTable& table =
            entry.source == HolidayEntry::Source::Fixed ? FixedHolidays() : FloatingHolidays();
        const int nameColumn =
            entry.source == HolidayEntry::Source::Fixed ? fixed_column::Name : floating_column::Name;
        return QCoreApplication::translate("HolidayEditing", prefix) +
               table.Cell(entry.index, nameColumn).Text() +
               QCoreApplication::translate("HolidayEditing", " - (not a valid date)");
    }
}

// Each change below applies to the lists as stored now (ChangeHolidayLists); the entry the caller
// has is one of the lists in memory, so its holiday is looked up again there by its content.

HolidayEntry ReplaceHoliday(const HolidayEntry& entry, const HolidayRule& rule)
{
    const HolidayLists seen = CurrentHolidayLists();
    const bool table = entry.source != HolidayEntry::Source::Rule;
    const bool fixed = entry.source == HolidayEntry::Source::Fixed;
    const bool fits = fixed ? FitsFixedTable(rule) : FitsFloatingTable(rule);
    const QString lastRowMessage =
        QStringLiteral("The last %1 holiday keeps its kind: the list always holds one.")
            .arg(QLatin1String(fixed ? "fixed" : "floating"));
    if (table) {
        const HolidayTable& seenTable = fixed ? seen.fixed : seen.floating;
        seenTable.Cell(entry.index, 1);  // throws for a row the table does not have
        if (!fits && seenTable.RowCount() < 2)
            throw HolidayRuleError(lastRowMessage.toStdString());
    } else {
        seen.rules.at(static_cast<std::size_t>(entry.index));  // throws for an entry the list lacks
    }
    HolidayEntry result = entry;
    bool gone = false;
    ChangeHolidayLists([&](HolidayLists& lists) {
        const std::optional<HolidayEntry> now = SameEntry(seen, entry, lists);
        // Changed or deleted meanwhile by another copy: what the user entered is kept as a new
        // holiday beside whatever that copy stored, rather than dropped.
        if (!now) {
            gone = true;
            result = AddToLists(lists, rule);
            return true;
        }
        if (!table) {
            lists.rules[static_cast<std::size_t>(now->index)] = rule;
            result = *now;
            return true;
        }
        HolidayTable& changed = fixed ? lists.fixed : lists.floating;
        if (fits) {
            (fixed ? WriteFixedRow : WriteFloatingRow)(changed, now->index, rule);
            result = *now;
            return true;
        }
        if (changed.RowCount() < 2)
            throw HolidayRuleError(lastRowMessage.toStdString());
        DeleteHolidayRow(changed, now->index);
        lists.rules.push_back(rule);
        result = {HolidayEntry::Source::Rule, static_cast<int>(lists.rules.size() - 1)};
        return true;
    });
    if (gone)
        TellChangedElsewhere(QCoreApplication::translate(
                                 "HolidayEditing", "\"%1\" was changed or deleted in another copy of the "
                                                   "program meanwhile, so \"%2\" was added as a new holiday.")
                                 .arg(NameOfEntry(seen, entry), rule.name));
    return result;
}

HolidayEntry AddHoliday(const HolidayRule& rule)
{
    HolidayEntry result;
    ChangeHolidayLists([&](HolidayLists& lists) {
        result = AddToLists(lists, rule);
        return true;
    });
    return result;
}

AddedToLists AddHolidays(const std::vector<HolidayRule>& rules)
{
    AddedToLists result;
    ChangeHolidayLists([&](HolidayLists& lists) {
        result = {};
        std::set<std::pair<QString, QString>> there;
        for (const HolidayRule& rule : RulesOf(lists))
            there.insert({rule.name, RuleText(rule)});
        for (const HolidayRule& rule : rules) {
            if (!there.insert({rule.name, RuleText(rule)}).second) {
                ++result.alreadyThere;
                continue;
            }
            AddToLists(lists, rule);
            ++result.added;
        }
        return result.added > 0;
    });
    return result;
}

std::vector<HolidayRule> AllHolidayRules()
{
    return RulesOf(CurrentHolidayLists());
}

bool DeleteHoliday(const HolidayEntry& entry)
{
    const HolidayLists seen = CurrentHolidayLists();
    if (entry.source == HolidayEntry::Source::Rule) {
        if (entry.index < 0 || entry.index >= static_cast<int>(seen.rules.size()))
            return false;
    } else {
        const HolidayTable& table = entry.source == HolidayEntry::Source::Fixed ? seen.fixed : seen.floating;
        if (table.RowCount() < 2 || entry.index < 1 || entry.index > table.RowCount())
            return false;
    }
    bool deleted = false;
    bool gone = false;
    ChangeHolidayLists([&](HolidayLists& lists) {
        const std::optional<HolidayEntry> now = SameEntry(seen, entry, lists);
        // Deleted or changed meanwhile by another copy: nothing else is deleted in its place.
        if (!now) {
            gone = true;
            return true;
        }
        if (entry.source == HolidayEntry::Source::Rule) {
            lists.rules.erase(lists.rules.begin() + now->index);
        } else {
            HolidayTable& table = entry.source == HolidayEntry::Source::Fixed ? lists.fixed : lists.floating;
            if (table.RowCount() < 2)
                return false;  // the other copy left only this one
            DeleteHolidayRow(table, now->index);
        }
        deleted = true;
        return true;
    });
    if (gone)
        TellChangedElsewhere(
            QCoreApplication::translate("HolidayEditing",
                                        "\"%1\" was changed or deleted in another copy of the "
                                        "program meanwhile, so nothing was deleted. The list shows "
                                        "the holidays as they are stored now.")
                .arg(NameOfEntry(seen, entry)));
    return deleted || gone;
}

void HolidayUndo::Remember(const QString& what)
{
    DropEmptySteps();
    if (steps_.size() >= kUndoSteps)
        steps_.erase(steps_.begin());
    steps_.push_back({what, {}, {}});
}

void HolidayUndo::NoteTakeBack(std::function<void()> takeBack)
{
    if (!steps_.empty())
        steps_.back().takeBacks.push_back(std::move(takeBack));
}

void HolidayUndo::Note(const HolidayLists& before, const HolidayLists& after)
{
    if (steps_.empty())
        return;
    std::vector<Change>& changes = steps_.back().changes;
    // Changes that follow on from each other are one change.
    if (!changes.empty() && changes.back().after == before)
        changes.back().after = after;
    else
        changes.push_back({before, after});
}

void HolidayUndo::DropEmptySteps()
{
    while (!steps_.empty() && steps_.back().Empty())
        steps_.pop_back();
}

bool HolidayUndo::CanUndo() const
{
    return std::any_of(steps_.begin(), steps_.end(), [](const Step& step) { return !step.Empty(); });
}

QString HolidayUndo::UndoText() const
{
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step)
        if (!step->Empty())
            return QStringLiteral("Undo ") + step->what;
    return QString();
}

bool HolidayUndo::Undo()
{
    DropEmptySteps();
    if (steps_.empty())
        return false;
    Step step = std::move(steps_.back());
    steps_.pop_back();
    const std::vector<Change>& changes = step.changes;
    const bool wasUndoing = g_undoing;
    g_undoing = true;
    try {
        // Each change is taken back from what is stored now, newest first, so holidays another copy
        // of the program stored meanwhile stay.
        if (!changes.empty())
            ChangeHolidayLists([&](HolidayLists& lists) {
                for (auto change = changes.rbegin(); change != changes.rend(); ++change) {
                    lists.fixed = MergeTableChange(change->after.fixed, change->before.fixed, lists.fixed);
                    lists.floating =
                        MergeTableChange(change->after.floating, change->before.floating, lists.floating);
                    lists.rules = MergeRuleChange(change->after.rules, change->before.rules, lists.rules);
                }
                return true;
            });
        for (auto takeBack = step.takeBacks.rbegin(); takeBack != step.takeBacks.rend(); ++takeBack)
            (*takeBack)();
    } catch (...) {
        g_undoing = wasUndoing;
        steps_.push_back(std::move(step));
        throw;
    }
    g_undoing = wasUndoing;
    return true;
}

HolidayUndo& ProgramHolidayUndo()
{
    static HolidayUndo& undo = []() -> HolidayUndo& {
        static HolidayUndo history;
        SetHolidayChangeListener([](const HolidayLists& before, const HolidayLists& after) {
            if (!g_undoing)
                history.Note(before, after);
        });
        return history;
    }();
    return undo;
}

}  // namespace morvessa
