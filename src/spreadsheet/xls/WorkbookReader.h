#pragma once
// Reads the Workbook stream (BIFF8) into the workbook model.

#include <cstdint>
#include <memory>
#include <span>

#include "spreadsheet/Workbook.h"

namespace morvessa::sheet::xls {

// Most cells a file may make the model hold (a row stores its cells up to its last one; the
// rows up to a sheet's last one count too).
constexpr size_t kMaxCellSlots = 2'000'000;
constexpr size_t kMaxSheets = 1024;
// Most merged areas in one workbook; a calendar month has under a hundred.
constexpr size_t kMaxMergedAreas = 65'536;
// Most bytes of cell text (UTF-8) in one workbook; a year's calendar has a few kilobytes.
constexpr size_t kMaxTextBytes = 32 * 1024 * 1024;

std::unique_ptr<Workbook> ReadWorkbookStream(std::span<const uint8_t> stream);

}  // namespace morvessa::sheet::xls
