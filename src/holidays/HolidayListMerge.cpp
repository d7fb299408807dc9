#include "holidays/HolidayListMerge.h"

#include <QHash>

#include <algorithm>

namespace morvessa {

namespace {

// A rule holiday told apart from others: its name and its rule.
QString RuleKey(const HolidayRule& rule)
{
    return rule.name + QChar(0x1F) + RuleText(rule);
}

QStringList RowKeys(const HolidayTable& table)
{
    QStringList keys;
    for (int row = 1; row <= table.RowCount(); ++row) {
        QString key;
        for (int column = 1; column <= table.ColumnCount(); ++column) {
            // As the store gives the cell back, so a row reads the same before and after a save.
            key += StoredCellText(table.Cell(row, column), column == table.ColumnCount()) + QChar(0x1F);
        }
        keys.append(key);
    }
    return keys;
}

}  // namespace

HolidayTable MergeTableChange(const HolidayTable& from, const HolidayTable& to, const HolidayTable& onto)
{
    const std::vector<int> rows = MergeChange(RowKeys(from), RowKeys(to), RowKeys(onto));
    HolidayTable result(onto.ColumnCount());
    result.Reset(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const HolidayTable& source = rows[r] >= 0 ? onto : to;
        const int row = rows[r] >= 0 ? rows[r] + 1 : -rows[r];
        for (int column = 1; column <= result.ColumnCount(); ++column)
            result.Cell(static_cast<int>(r) + 1, column) = source.Cell(row, column);
    }
    return result;
}

std::vector<HolidayRule> MergeRuleChange(const std::vector<HolidayRule>& from,
                                         const std::vector<HolidayRule>& to,
                                         const std::vector<HolidayRule>& onto)
{
    const auto keys = [](const std::vector<HolidayRule>& rules) {
        QStringList list;
        for (const HolidayRule& rule : rules)
            list.append(RuleKey(rule));
        return list;
    };
    std::vector<HolidayRule> result;
    for (int index : MergeChange(keys(from), keys(to), keys(onto)))
        result.push_back(index >= 0 ? onto[static_cast<std::size_t>(index)]
                                    : to[static_cast<std::size_t>(-1 - index)]);
    return result;
}

std::vector<int> MergeChange(const QStringList& from, const QStringList& to, const QStringList& onto)
{
    const int n = static_cast<int>(from.size());
    const int m = static_cast<int>(to.size());
    std::vector<int> toOfFrom(static_cast<std::size_t>(n), -1);
    std::vector<int> fromOfTo(static_cast<std::size_t>(m), -1);
    // Align the two: the common start and end, then a longest common subsequence of the rest (when
    // small enough; a huge difference is taken as all removed and all added).
    int head = 0;
    while (head < n && head < m && from[head] == to[head])
        ++head;
    int tail = 0;
    while (tail < n - head && tail < m - head && from[n - 1 - tail] == to[m - 1 - tail])
        ++tail;
    for (int i = 0; i < head; ++i)
        toOfFrom[static_cast<std::size_t>(i)] = i;
    for (int k = 0; k < tail; ++k)
        toOfFrom[static_cast<std::size_t>(n - 1 - k)] = m - 1 - k;
    const int a = n - head - tail;
    const int b = m - head - tail;
    if (a > 0 && b > 0 && static_cast<long long>(a) * b <= 4'000'000) {
        const auto at = [b](int i, int j) { return static_cast<std::size_t>(i) * (b + 1) + j; };
        std::vector<int> common(static_cast<std::size_t>(a + 1) * (b + 1), 0);
        for (int i = a - 1; i >= 0; --i)
            for (int j = b - 1; j >= 0; --j)
                common[at(i, j)] = from[head + i] == to[head + j]
                                       ? common[at(i + 1, j + 1)] + 1
                                       : std::max(common[at(i + 1, j)], common[at(i, j + 1)]);
        for (int i = 0, j = 0; i < a && j < b;) {
            if (from[head + i] == to[head + j]) {
                toOfFrom[static_cast<std::size_t>(head + i)] = head + j;
                ++i;
                ++j;
            } else if (common[at(i + 1, j)] >= common[at(i, j + 1)]) {
                ++i;
            } else {
                ++j;
            }
        }
    }
    for (int i = 0; i < n; ++i)
        if (toOfFrom[static_cast<std::size_t>(i)] >= 0)
            fromOfTo[static_cast<std::size_t>(toOfFrom[static_cast<std::size_t>(i)])] = i;

    // Each row of `from` in `onto`: the same key and the same rank among equal keys.
    std::vector<int> ontoOfFrom(static_cast<std::size_t>(n), -1);
    {
        QHash<QString, std::vector<int>> places;
        for (int p = 0; p < static_cast<int>(onto.size()); ++p)
            places[onto[p]].push_back(p);
        QHash<QString, int> seen;
        for (int i = 0; i < n; ++i) {
            const int rank = seen[from[i]]++;
            const auto it = places.constFind(from[i]);
            if (it != places.constEnd() && rank < static_cast<int>(it->size()))
                ontoOfFrom[static_cast<std::size_t>(i)] = (*it)[static_cast<std::size_t>(rank)];
        }
    }

    const int size = static_cast<int>(onto.size());
    std::vector<bool> removed(static_cast<std::size_t>(size), false);
    for (int i = 0; i < n; ++i)
        if (toOfFrom[static_cast<std::size_t>(i)] < 0 && ontoOfFrom[static_cast<std::size_t>(i)] >= 0)
            removed[static_cast<std::size_t>(ontoOfFrom[static_cast<std::size_t>(i)])] = true;
    // New rows by where they go: before the first row, after a row of `onto`, or at the end.
    std::vector<int> atStart;
    std::vector<int> atEnd;
    std::vector<std::vector<int>> after(static_cast<std::size_t>(size));
    int anchor = -1;  // the row of `from` the next new row follows
    for (int j = 0; j < m; ++j) {
        if (fromOfTo[static_cast<std::size_t>(j)] >= 0) {
            anchor = fromOfTo[static_cast<std::size_t>(j)];
            continue;
        }
        if (anchor == n - 1) {  // after the last row, or into an empty list
            atEnd.push_back(j);
            continue;
        }
        int place = -1;
        for (int i = anchor; i >= 0 && place < 0; --i)
            place = ontoOfFrom[static_cast<std::size_t>(i)];
        (place < 0 ? atStart : after[static_cast<std::size_t>(place)]).push_back(j);
    }
    std::vector<int> result;
    for (int j : atStart)
        result.push_back(-1 - j);
    for (int p = 0; p < size; ++p) {
        if (!removed[static_cast<std::size_t>(p)])
            result.push_back(p);
        for (int j : after[static_cast<std::size_t>(p)])
            result.push_back(-1 - j);
    }
    for (int j : atEnd)
        result.push_back(-1 - j);
    return result;
}

}  // namespace morvessa
