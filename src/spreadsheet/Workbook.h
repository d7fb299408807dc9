#pragma once
// A workbook: its sheets in order, the active sheet and the shared format table. Model for the file
// writer and reader, and the automation "Workbook" object with its "Sheets" collection.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "spreadsheet/CellFormat.h"
#include "spreadsheet/Constants.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/io/AtomicFile.h"

namespace morvessa::sheet {

class Application;
class Workbook;

// Named positions for Sheets::Add and Worksheet::Copy, read like After:=Sheets(n).
struct After {
    Worksheet& sheet;
};
struct Before {
    Worksheet& sheet;
};

// The "Sheets" / "Worksheets" collection of one workbook (a light handle).
class Sheets {
public:
    explicit Sheets(Workbook& workbook) : workbook_(&workbook) {}

    int Count() const;
    // By 1-based position or by name (names compare without regard to case). SubscriptError if missing.
    Worksheet& Item(int index) const;
    Worksheet& Item(std::string_view name) const;
    Worksheet& operator()(int index) const { return Item(index); }
    Worksheet& operator()(std::string_view name) const { return Item(name); }
    // A new empty sheet "SheetN" before the active sheet, or at the given place; it becomes active.
    Worksheet& Add() const;
    Worksheet& Add(const After& after) const;
    Worksheet& Add(const Before& before) const;
    // Activates the first sheet of the collection.
    void Select() const;

private:
    Workbook* workbook_;
};

class Workbook {
public:
    // A workbook without sheets; the application attaches it when it adds or opens it.
    explicit Workbook(Application* application = nullptr);
    ~Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    // ---- Model -----------------------------------------------------------------------------------
    FormatTable& Formats() { return formats_; }
    const FormatTable& Formats() const { return formats_; }
    int SheetCount() const { return int(sheets_.size()); }
    // 1-based, no checks of liveness; SubscriptError when out of range.
    Worksheet& Sheet(int index);
    const Worksheet& Sheet(int index) const;
    Worksheet* FindSheet(std::string_view name);
    const Worksheet* FindSheet(std::string_view name) const;
    // Appends a sheet (the name is checked as for Worksheet::Name).
    Worksheet& AddSheet(const std::string& name);
    int ActiveSheetIndex() const { return activeSheet_; }  // 1-based, 0 without sheets
    void SetActiveSheetIndex(int index);
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& FullName() const { return fullName_; }
    Application* Parent() const { return application_; }

    // Throws HostError when `name` is not acceptable for a sheet of this workbook (`except` may keep it).
    void CheckSheetName(const std::string& name, const Worksheet* except = nullptr) const;

    // ---- Automation ------------------------------------------------------------------------------
    const std::string& Name() const { return name_; }
    sheet::Sheets Sheets();
    sheet::Sheets Worksheets();
    Worksheet& ActiveSheet();
    void Activate();
    // Writes the file: xlExcel8 = 56 or xlNormal = -4143 for the 97-2003 format, xlOpenXMLWorkbook = 51
    // for an Excel Workbook (.xlsx); other codes throw.
    // The workbook takes the file's name.
    // A scratch copy that lives for seconds may skip the flush to disk (.xls only; .xlsx is always
    // flushed).
    void SaveAs(const std::string& path, int fileFormat = xlExcel8,
                io::Durability durability = io::Durability::Synced);
    // Closes without saving; every later call on the workbook or its sheets throws.
    void Close();

    void CheckAlive() const;

private:
    friend class sheet::Sheets;
    friend class Worksheet;
    friend class Workbooks;

    Worksheet& InsertSheet(int position, std::unique_ptr<Worksheet> sheet);  // 0-based position
    Worksheet& NewSheetAt(int position);
    Worksheet& CopySheet(Worksheet& source, int position);
    void RemoveSheet(Worksheet& sheet);
    int PositionOf(const Worksheet& sheet) const;  // 0-based
    std::string NextSheetName();

    Application* application_;
    std::string name_;
    std::string fullName_;
    bool closed_ = false;
    FormatTable formats_;
    std::vector<std::unique_ptr<Worksheet>> sheets_;
    std::vector<std::unique_ptr<Worksheet>> deletedSheets_;  // kept so stale references fail cleanly
    int activeSheet_ = 0;
    int sheetCounter_ = 0;
};

}  // namespace morvessa::sheet
