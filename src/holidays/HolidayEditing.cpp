#include "holidays/HolidayEditing.h"

#include "core/CalendarNames.h"
#include "core/NumericText.h"

#include <cmath>
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

void WriteFixedRow(int row, const HolidayRule& rule)
{
    HolidayTable& table = FixedHolidays();
    table.Cell(row, fixed_column::Month) = rule.month;
    table.Cell(row, fixed_column::Day) = rule.day;
    table.Cell(row, fixed_column::Name) = rule.name;
}

void WriteFloatingRow(int row, const HolidayRule& rule)
{
    HolidayTable& table = FloatingHolidays();
    table.Cell(row, floating_column::Month) = rule.month;
    table.Cell(row, floating_column::Weekday) = rule.weekday;
    table.Cell(row, floating_column::Occurrence) = rule.occurrence == HolidayRule::kLast
                                                       ? HolidayCell(kLastOccurrenceName)
                                                       : HolidayCell(rule.occurrence);
    table.Cell(row, floating_column::Name) = rule.name;
}

void SaveAll()
{
    SaveHolidays();
    SaveRuleHolidays();
}

}  // namespace

std::vector<HolidayEntry> AllHolidayEntries()
{
    std::vector<HolidayEntry> entries;
    for (int row = 1; row <= FixedHolidays().RowCount(); ++row)
        entries.push_back({HolidayEntry::Source::Fixed, row});
    for (int row = 1; row <= FloatingHolidays().RowCount(); ++row)
        entries.push_back({HolidayEntry::Source::Floating, row});
    for (std::size_t i = 0; i < RuleHolidays().size(); ++i)
        entries.push_back({HolidayEntry::Source::Rule, static_cast<int>(i)});
    return entries;
}

HolidayRule RuleOfEntry(const HolidayEntry& entry)
{
    HolidayRule rule;
    switch (entry.source) {
    case HolidayEntry::Source::Fixed: {
        const HolidayTable& table = FixedHolidays();
        rule.kind = HolidayRule::Kind::Fixed;
        rule.name = table.Cell(entry.index, fixed_column::Name).Text();
        rule.month = WholeCell(table.Cell(entry.index, fixed_column::Month), "month", 1, 12);
        rule.day = WholeCell(table.Cell(entry.index, fixed_column::Day), "day", 1, 31);
        return rule;
    }
    case HolidayEntry::Source::Floating: {
        const HolidayTable& table = FloatingHolidays();
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
        return RuleHolidays().at(static_cast<std::size_t>(entry.index));
    }
    return rule;
}

QString EntryText(const HolidayEntry& entry)
{
    const char* prefix = entry.source == HolidayEntry::Source::Fixed      ? "Fixed: "
                         : entry.source == HolidayEntry::Source::Floating ? "Floating: "
                                                                          : "Rule: ";
    try {
        return QString::fromLatin1(prefix) + DescribeRule(RuleOfEntry(entry));
    } catch (const HolidayRuleError&) {
        const HolidayTable& table =
            entry.source == HolidayEntry::Source::Fixed ? FixedHolidays() : FloatingHolidays();
        const int nameColumn =
            entry.source == HolidayEntry::Source::Fixed ? fixed_column::Name : floating_column::Name;
        return QString::fromLatin1(prefix) + table.Cell(entry.index, nameColumn).Text() +
               QStringLiteral(" - (not a valid date)");
    }
}

HolidayEntry ReplaceHoliday(const HolidayEntry& entry, const HolidayRule& rule)
{
    std::vector<HolidayRule>& rules = RuleHolidays();
    switch (entry.source) {
    case HolidayEntry::Source::Fixed:
    case HolidayEntry::Source::Floating: {
        const bool fixed = entry.source == HolidayEntry::Source::Fixed;
        HolidayTable& table = fixed ? FixedHolidays() : FloatingHolidays();
        table.Cell(entry.index, 1);  // throws for a row the table does not have
        if (fixed && FitsFixedTable(rule)) {
            WriteFixedRow(entry.index, rule);
            SaveHolidays();
            return entry;
        }
        if (!fixed && FitsFloatingTable(rule)) {
            WriteFloatingRow(entry.index, rule);
            SaveHolidays();
            return entry;
        }
        if (table.RowCount() < 2)
            throw HolidayRuleError(std::string("The last ") + (fixed ? "fixed" : "floating") +
                                   " holiday keeps its kind: the list always holds one.");
        DeleteHolidayRow(table, entry.index);
        rules.push_back(rule);
        SaveAll();
        return {HolidayEntry::Source::Rule, static_cast<int>(rules.size() - 1)};
    }
    case HolidayEntry::Source::Rule:
        rules.at(static_cast<std::size_t>(entry.index)) = rule;
        SaveRuleHolidays();
        return entry;
    }
    return entry;
}

HolidayEntry AddHoliday(const HolidayRule& rule)
{
    if (FitsFixedTable(rule)) {
        AppendHolidayRow(FixedHolidays());
        WriteFixedRow(FixedHolidays().RowCount(), rule);
        SaveHolidays();
        return {HolidayEntry::Source::Fixed, FixedHolidays().RowCount()};
    }
    if (FitsFloatingTable(rule)) {
        AppendHolidayRow(FloatingHolidays());
        WriteFloatingRow(FloatingHolidays().RowCount(), rule);
        SaveHolidays();
        return {HolidayEntry::Source::Floating, FloatingHolidays().RowCount()};
    }
    RuleHolidays().push_back(rule);
    SaveRuleHolidays();
    return {HolidayEntry::Source::Rule, static_cast<int>(RuleHolidays().size() - 1)};
}

AddedToLists AddHolidays(const std::vector<HolidayRule>& rules)
{
    const HolidayLists before = CurrentHolidayLists();
    std::set<std::pair<QString, QString>> there;
    for (const HolidayRule& rule : AllHolidayRules())
        there.insert({rule.name, RuleText(rule)});
    AddedToLists result;
    try {
        for (const HolidayRule& rule : rules) {
            if (!there.insert({rule.name, RuleText(rule)}).second) {
                ++result.alreadyThere;
                continue;
            }
            if (FitsFixedTable(rule)) {
                AppendHolidayRow(FixedHolidays());
                WriteFixedRow(FixedHolidays().RowCount(), rule);
            } else if (FitsFloatingTable(rule)) {
                AppendHolidayRow(FloatingHolidays());
                WriteFloatingRow(FloatingHolidays().RowCount(), rule);
            } else {
                RuleHolidays().push_back(rule);
            }
            ++result.added;
        }
        if (result.added > 0)
            SaveAll();
    } catch (...) {
        FixedHolidays() = before.fixed;
        FloatingHolidays() = before.floating;
        RuleHolidays() = before.rules;
        throw;
    }
    return result;
}

std::vector<HolidayRule> AllHolidayRules()
{
    std::vector<HolidayRule> rules;
    for (const HolidayEntry& entry : AllHolidayEntries()) {
        try {
            rules.push_back(RuleOfEntry(entry));
        } catch (const HolidayRuleError&) {
        }
    }
    return rules;
}

bool DeleteHoliday(const HolidayEntry& entry)
{
    if (entry.source == HolidayEntry::Source::Rule) {
        std::vector<HolidayRule>& rules = RuleHolidays();
        if (entry.index < 0 || entry.index >= static_cast<int>(rules.size()))
            return false;
        rules.erase(rules.begin() + entry.index);
        SaveRuleHolidays();
        return true;
    }
    HolidayTable& table = entry.source == HolidayEntry::Source::Fixed ? FixedHolidays() : FloatingHolidays();
    const int before = table.RowCount();
    DeleteHolidayRow(table, entry.index);
    if (table.RowCount() == before)
        return false;
    SaveHolidays();
    return true;
}

HolidayLists CurrentHolidayLists()
{
    return {FixedHolidays(), FloatingHolidays(), RuleHolidays()};
}

void HolidayUndo::Remember(const QString& what)
{
    if (steps_.size() >= kUndoSteps)
        steps_.erase(steps_.begin());
    steps_.push_back({what, CurrentHolidayLists()});
}

QString HolidayUndo::UndoText() const
{
    return steps_.empty() ? QString() : QStringLiteral("Undo ") + steps_.back().what;
}

bool HolidayUndo::Undo()
{
    if (steps_.empty())
        return false;
    Step step = std::move(steps_.back());
    steps_.pop_back();
    FixedHolidays() = std::move(step.lists.fixed);
    FloatingHolidays() = std::move(step.lists.floating);
    RuleHolidays() = std::move(step.lists.rules);
    SaveAll();
    return true;
}

HolidayUndo& ProgramHolidayUndo()
{
    static HolidayUndo undo;
    return undo;
}

}  // namespace morvessa
