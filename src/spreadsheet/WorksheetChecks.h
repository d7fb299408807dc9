#pragma once
// The limits every worksheet operation checks, shared by the files of the worksheet.

#include "spreadsheet/CellRange.h"
#include "spreadsheet/HostError.h"

#include <cstdint>
#include <string>

namespace morvessa::sheet::detail {

// Beyond this many cells a cell-by-cell operation would take the whole memory of the machine.
inline constexpr std::int64_t kMaxCellsPerOperation = 4'000'000;

inline void CheckCellLimits(int row, int column)
{
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
        CellRange::Checked(row, column, row, column);
}

inline void CheckOperationSize(const CellRange& area, const char* what)
{
    if (area.CellCount() > kMaxCellsPerOperation)
        throw HostError(std::string(what) + " failed: the range " + area.Address() +
                        " is too large for this host");
}

[[noreturn]] inline void MergedCellConflict()
{
    throw HostError("Cannot change part of a merged cell.");
}

}  // namespace morvessa::sheet::detail
