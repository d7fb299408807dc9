#include "spreadsheet/xls/XlsFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "spreadsheet/Workbook.h"
#include "spreadsheet/io/AtomicFile.h"
#include "spreadsheet/xls/CompoundFile.h"
#include "spreadsheet/xls/GlobalsWriter.h"
#include "spreadsheet/xls/SheetWriter.h"
#include "spreadsheet/xls/WorkbookReader.h"

namespace morvessa::sheet::xls {
namespace {

constexpr std::uintmax_t kMaxFileBytes = 512ull * 1024 * 1024;
constexpr const char16_t* kWorkbookStream = u"Workbook";
constexpr const char16_t* kOldWorkbookStream = u"Book";
// Most XF and FONT records a 97-2003 workbook may hold.
constexpr size_t kMaxXfs = 4050;
constexpr size_t kMaxFonts = 510;

// An upper guess of the workbook stream's size: a few records per row and at most a
// NUMBER record per cell, the XFs, the shared strings with their Unicode flag, fixed records.
size_t EstimatedStreamBytes(const std::vector<SheetPlan>& plans, const XfTable& xfs,
                            const SharedStringTable& strings)
{
    size_t bytes = 4096 + 24 * xfs.XfCount() + strings.EstimatedBytes();
    for (const SheetPlan& plan : plans) {
        bytes += 2048 + 16 * plan.columns.size() + 12 * plan.merged.size();
        for (const PlannedRow& row : plan.rows)
            bytes += 32 + 18 * row.cells.size();
    }
    return bytes;
}

}  // namespace

std::vector<uint8_t> WriteWorkbookBytes(const Workbook& wb)
{
    if (wb.SheetCount() == 0)
        throw XlsError("A workbook without sheets cannot be saved.");
    XfTable xfs(wb.Formats());
    SharedStringTable strings;
    GlobalsInfo info;
    info.activeSheet = std::max(wb.ActiveSheetIndex(), 1) - 1;
    std::vector<SheetPlan> plans;
    for (int i = 1; i <= wb.SheetCount(); ++i) {
        info.sheetNames.push_back(wb.Sheet(i).Name());
        plans.push_back(PlanSheet(wb.Sheet(i), i - 1 == info.activeSheet, xfs, strings));
    }
    if (xfs.XfCount() > kMaxXfs || xfs.FontCount() > kMaxFonts)
        throw XlsError("The workbook has more different cell formats than an Excel 97-2003 file can hold.");
    BiffRecordWriter out;
    out.Reserve(EstimatedStreamBytes(plans, xfs, strings));
    const std::vector<size_t> sheetOffsetFields = WriteGlobals(info, xfs, strings, out);
    for (size_t i = 0; i < plans.size(); ++i) {
        SetU32(out.Bytes(), sheetOffsetFields[i], static_cast<uint32_t>(out.Position()));
        WriteSheet(plans[i], out);
    }
    return WriteCompoundFile({{kWorkbookStream, std::move(out.Bytes())}});
}

void SaveWorkbook(const Workbook& wb, const std::string& path, io::Durability durability)
{
    const std::vector<uint8_t> bytes = WriteWorkbookBytes(wb);
    try {
        io::ReplaceFileAtomically(path, bytes, durability);
    } catch (const io::FileError& error) {
        throw XlsError(path, error.reason());
    }
}

void SaveWorkbook(const Workbook& wb, const std::string& path, io::ReplacementBatch& batch)
{
    const std::vector<uint8_t> bytes = WriteWorkbookBytes(wb);
    try {
        batch.Add(path, bytes);
    } catch (const io::FileError& error) {
        throw XlsError(path, error.reason());
    }
}

void CopyWorkbookFile(const std::string& source, const std::string& target, SourceCheck check)
{
    std::vector<uint8_t> bytes;
    try {
        bytes = io::ReadWholeFile(source, kMaxFileBytes);
    } catch (const io::FileError& error) {
        throw XlsError("The workbook could not be read: " + source + " (" + error.reason() + ").");
    }
    // Only a workbook that reads back whole is handed on: an empty or cut-off file never replaces
    // the user's.
    try {
        if (check == SourceCheck::ReadBack) {
            ReadWorkbookBytes(bytes);
        } else if (!CompoundFileReader(bytes).ReadStream(kWorkbookStream)) {
            throw XlsError("The file is not a valid workbook: it holds no workbook stream.");
        }
    } catch (const XlsError& error) {
        throw XlsError("The workbook " + source + " is not complete, so it was not copied. " + error.what());
    }
    try {
        io::ReplaceFileAtomically(target, bytes);
    } catch (const io::FileError& error) {
        throw XlsError(target, error.reason());
    }
}

std::unique_ptr<Workbook> ReadWorkbookBytes(std::span<const uint8_t> bytes)
{
    const CompoundFileReader container(bytes);
    auto stream = container.ReadStream(kWorkbookStream);
    if (!stream) {
        if (container.ReadStream(kOldWorkbookStream))
            throw XlsError("The file was saved in an Excel format older than Excel 97 and cannot be opened.");
        throw XlsError("The file is not a valid workbook: it holds no workbook stream.");
    }
    return ReadWorkbookStream(*stream);
}

std::unique_ptr<Workbook> OpenWorkbook(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        throw XlsError("The file could not be opened: " + path + " (" + error.message() + ").");
    if (size > kMaxFileBytes)
        throw XlsError("The file is too large to be opened: " + path + ".");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw XlsError("The file could not be opened: " + path + " (" + std::strerror(errno) + ").");
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file.gcount() != static_cast<std::streamsize>(bytes.size()))
        throw XlsError("The file could not be read completely: " + path + ".");
    return ReadWorkbookBytes(bytes);
}

}  // namespace morvessa::sheet::xls
