// libFuzzer target: the .xls reader must fail cleanly (XlsError) on any input, never crash,
// hang or read out of bounds. Built by scripts/fuzz.sh.

#include <cstddef>
#include <cstdint>
#include <span>

#include "spreadsheet/Workbook.h"
#include "spreadsheet/xls/XlsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        auto workbook = morvessa::sheet::xls::ReadWorkbookBytes(std::span<const uint8_t>(data, size));
        // Whatever opens must also save: the writer sees every model the reader can build.
        (void)morvessa::sheet::xls::WriteWorkbookBytes(*workbook);
    } catch (const morvessa::sheet::xls::XlsError&) {
    }
    return 0;
}
