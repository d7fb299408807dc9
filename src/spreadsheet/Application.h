#pragma once
// The automation "Application" object: the host's settings, its "Workbooks" collection, the
// shortcuts to the active workbook and sheet, and the clipboard shared by Copy / Paste.
// After Quit every call on the application (and on its workbooks and sheets) throws.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "spreadsheet/CellFormat.h"
#include "spreadsheet/CellRange.h"
#include "spreadsheet/Constants.h"
#include "spreadsheet/Range.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"

namespace morvessa::sheet {

// Draws a range as shown on screen and puts the picture on the clipboard. The picture code lives
// outside the engine (it needs a GUI library); the application only calls it.
class PictureSink {
public:
    virtual ~PictureSink() = default;
    virtual void CopyPicture(const Worksheet& sheet, const CellRange& area) = 0;
};

// What Range.Copy left for Paste: a snapshot of values, effective formats and merged areas.
struct ClipboardContent {
    CellRange source;
    int rowCount = 0;
    int columnCount = 0;
    std::vector<CellValue> values;    // row-major, rowCount * columnCount
    std::vector<CellFormat> formats;  // row-major, effective formats
    std::vector<CellRange> merged;    // relative to the copied block (row 1, column 1 = its top-left)
    std::vector<double> rowHeights;   // not pasted (a plain paste keeps the target's heights)
};

class Workbooks {
public:
    explicit Workbooks(Application& application) : application_(&application) {}

    // A new workbook "BookN" with Application::SheetsInNewWorkbook() sheets; it becomes active.
    Workbook& Add();
    // Reads a 97-2003 workbook file; it becomes active and is named after the file.
    Workbook& Open(const std::string& path);
    int Count() const;
    Workbook& Item(int index) const;  // 1-based
    Workbook& Item(std::string_view name) const;
    Workbook& operator()(int index) const { return Item(index); }
    Workbook& operator()(std::string_view name) const { return Item(name); }

private:
    Application* application_;
};

class Application {
public:
    explicit Application(std::string version = "16.0");
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    bool ScreenUpdating() const;
    void ScreenUpdating(bool on);
    bool DisplayAlerts() const;
    void DisplayAlerts(bool on);
    bool EnableEvents() const;
    void EnableEvents(bool on);
    int EnableCancelKey() const;
    void EnableCancelKey(int mode);  // xlDisabled, xlInterrupt, xlErrorHandler
    int Cursor() const;
    void Cursor(int cursor);  // xlDefault, xlWait, xlNorthwestArrow, xlIBeam
    // 0, xlCopy or xlCut; setting false empties the clipboard.
    int CutCopyMode() const;
    void CutCopyMode(bool on);
    int SheetsInNewWorkbook() const;
    void SheetsInNewWorkbook(int count);  // 1..255
    bool Visible() const;
    void Visible(bool visible);
    std::string Version() const;
    std::string Name() const;  // "Microsoft Excel", the default property
    // Ends the instance: open workbooks are dropped unsaved and the quit listeners run once.
    void Quit();
    bool HasQuit() const { return quit_; }
    void OnQuit(std::function<void()> listener);

    sheet::Workbooks& Workbooks();
    Workbook& ActiveWorkbook();
    Worksheet& ActiveSheet();
    sheet::Sheets Sheets();
    sheet::Sheets Worksheets();
    sheet::Range Range(std::string_view address);
    sheet::Range Range(const sheet::Range& cell1, const sheet::Range& cell2);
    sheet::Range Cells(int row, int column);
    sheet::Range Cells();
    sheet::Range Rows(std::string_view rows);
    sheet::Range Rows(int row);
    sheet::Range Columns(std::string_view columns);
    sheet::Range Columns(int column);
    sheet::Range Selection();
    sheet::Range ActiveCell();

    // Not owned; nullptr removes it (CopyPicture then fails).
    void SetPictureSink(PictureSink* sink) { pictureSink_ = sink; }
    PictureSink* GetPictureSink() const { return pictureSink_; }

    // The Copy / Paste clipboard of this instance.
    const std::optional<ClipboardContent>& Clipboard() const { return clipboard_; }
    void SetClipboard(ClipboardContent content);

    void CheckAlive() const;

private:
    friend class sheet::Workbooks;
    friend class Workbook;

    Workbook& AttachWorkbook(std::unique_ptr<Workbook> workbook);
    void DetachWorkbook(Workbook& workbook);

    std::string version_;
    bool quit_ = false;
    bool screenUpdating_ = true;
    bool displayAlerts_ = true;
    bool enableEvents_ = true;
    bool visible_ = false;
    int enableCancelKey_ = xlInterrupt;
    int cursor_ = xlDefault;
    int sheetsInNewWorkbook_ = 1;
    int workbookCounter_ = 0;
    sheet::Workbooks workbooks_{*this};
    std::vector<std::unique_ptr<Workbook>> open_;
    std::vector<std::unique_ptr<Workbook>> closed_;  // kept so stale references fail cleanly
    Workbook* active_ = nullptr;
    std::optional<ClipboardContent> clipboard_;
    PictureSink* pictureSink_ = nullptr;
    std::vector<std::function<void()>> quitListeners_;
};

}  // namespace morvessa::sheet
