#pragma once
// Excel Workbook (.xlsx) files, written through libxlsxwriter. The file carries what the .xls
// writer puts in its file: sheets in order, values, formats with the palette's colours as RGB,
// merged areas, column widths and row heights, page setup, the active sheet and its selection.

#include "spreadsheet/WorkbookFileError.h"

#include <cstdint>
#include <string>
#include <vector>

namespace morvessa::sheet {
class Workbook;
}

namespace morvessa::sheet::xlsx {

// Raised when the file cannot be written. The text is meant for the user.
class XlsxError : public WorkbookFileError {
public:
    using WorkbookFileError::WorkbookFileError;
};

// Writes the workbook to path. An existing file is replaced in one step only once the new one is
// complete; a failed save leaves it as it was. Throws XlsxError.
void SaveWorkbook(const Workbook& wb, const std::string& path);

// Writes the workbook stored in the .xls file `xlsPath` as an .xlsx at `xlsxPath`, replaced as by
// SaveWorkbook. Throws XlsError when the .xls cannot be read, XlsxError when the .xlsx cannot be
// written (both are std::runtime_error).
void SaveXlsFileAsXlsx(const std::string& xlsPath, const std::string& xlsxPath);

// The complete file as bytes. Throws XlsxError.
std::vector<uint8_t> WriteWorkbookBytes(const Workbook& wb);

// Removes the scratch files a killed run left in TMPDIR; those of live runs stay. Never throws.
int RemoveAbandonedScratchFiles();

}  // namespace morvessa::sheet::xlsx
