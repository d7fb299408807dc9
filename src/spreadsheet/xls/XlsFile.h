#pragma once
// Excel 97-2003 (.xls) workbook files: BIFF8 records inside an OLE2 compound file.

#include "spreadsheet/WorkbookFileError.h"
#include "spreadsheet/io/AtomicFile.h"

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace morvessa::sheet {
class Workbook;
}

namespace morvessa::sheet::xls {

// Raised for every file that cannot be written or read. The text is meant for the user,
// e.g. "The file is not a valid workbook: the sector chain of the directory loops."
class XlsError : public WorkbookFileError {
public:
    using WorkbookFileError::WorkbookFileError;
};

// Writes the workbook to path, replacing an existing file in one step (see ReplaceFileAtomically):
// the path holds the old file or the whole new one, never a part. Throws XlsError with the reason,
// e.g. "(the disk is full)".
void SaveWorkbook(const Workbook& wb, const std::string& path,
                  io::Durability durability = io::Durability::Synced);
// The same as one file of a batch: written now, in place once the batch is committed.
void SaveWorkbook(const Workbook& wb, const std::string& path, io::ReplacementBatch& batch);

// How CopyWorkbookFile checks its source: it reads the whole workbook back itself, or the caller
// has just done so (the generation reopens its workbook before handing it on) and only the file's
// container is checked again.
enum class SourceCheck { ReadBack, AlreadyReadBack };

// Copies a saved workbook file to target in the same one-step way. A source that does not read
// back as a whole workbook (empty, cut off, not a workbook) is refused and target left as it was.
// Throws XlsError.
void CopyWorkbookFile(const std::string& source, const std::string& target,
                      SourceCheck check = SourceCheck::ReadBack);

// The complete file as bytes.
std::vector<uint8_t> WriteWorkbookBytes(const Workbook& wb);

// Reads a workbook file. Throws XlsError for a missing, unreadable or malformed file.
std::unique_ptr<Workbook> OpenWorkbook(const std::string& path);

// Reads a workbook from the bytes of a file. Throws XlsError for malformed input.
std::unique_ptr<Workbook> ReadWorkbookBytes(std::span<const uint8_t> bytes);

}  // namespace morvessa::sheet::xls
