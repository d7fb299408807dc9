#pragma once
// Reads the Workbook stream (BIFF8) into the workbook model.

#include <cstdint>
#include <memory>
#include <span>

#include "spreadsheet/Workbook.h"

namespace morvessa::sheet::xls {

// Most cells a file may make the model hold (a row stores its cells up to its last one).
constexpr size_t kMaxCellSlots = 4'000'000;
constexpr size_t kMaxSheets = 1024;

std::unique_ptr<Workbook> ReadWorkbookStream(std::span<const uint8_t> stream);

}  // namespace morvessa::sheet::xls
