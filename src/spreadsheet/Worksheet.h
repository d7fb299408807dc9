#pragma once
// One worksheet: a sparse grid of cells plus formats held at sheet, column, row and cell level,
// merged areas, row heights, column widths and the selection. It is both the model that the file
// writer and the renderer read, and the automation "Worksheet" object the generation drives.
//
// Formats are never materialised per cell for whole-sheet, whole-column or whole-row changes: the
// effective format of a cell is its own, else its row's, else its column's, else the sheet's.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "spreadsheet/CellFormat.h"
#include "spreadsheet/CellRange.h"
#include "spreadsheet/CellValue.h"

namespace morvessa::sheet {

class Workbook;
class Range;
struct ClipboardContent;
struct After;
struct Before;

using FormatId = FormatTable::Id;
inline constexpr FormatId kNoFormat = -1;

// A stored cell. A cell exists while it holds a value or a format of its own.
struct Cell {
    CellValue value;
    FormatId formatId = kNoFormat;

    bool Exists() const { return !value.IsEmpty() || formatId != kNoFormat; }
};
// Most cells of a sheet are formatted blanks: each stays this small.
static_assert(sizeof(Cell) <= 24);

struct ColumnInfo {
    int column = 1;
    FormatId formatId = kNoFormat;  // kNoFormat: the sheet's format
    double width = 0;               // in characters of the default font
    bool customWidth = false;
};

struct RowInfo {
    int row = 1;
    FormatId formatId = kNoFormat;  // kNoFormat: no row format
    double height = 0;              // in points
    bool customHeight = false;
};

// How the sheet prints. Margins stay the printer's defaults; the paper counts once the printer
// fields are written (an orientation, a scale or a paper of its own).
struct PageLayout {
    bool landscape = false;
    int paperSize = xlPaperA4;
    int zoom = 100;           // percent, used when not fitting to pages
    bool fitToPages = false;  // scale the printout down to fitPagesWide x fitPagesTall pages
    int fitPagesWide = 1;     // 0: as many pages as needed
    int fitPagesTall = 1;
    bool centerHorizontally = false;

    bool operator==(const PageLayout&) const = default;
};

class Worksheet;

// The automation "PageSetup" object of a worksheet: a light handle on its page layout.
class PageSetup {
public:
    explicit PageSetup(Worksheet& sheet) : sheet_(&sheet) {}
    int Orientation() const;  // xlPortrait, xlLandscape
    void Orientation(int orientation);
    // The printout's scale in percent, or nullopt (the host's False) while fitting to pages.
    std::optional<int> Zoom() const;
    void Zoom(int percent);  // 10..400; stops fitting to pages
    void Zoom(bool zoom);    // only false: fit to FitToPagesWide x FitToPagesTall pages
    int FitToPagesWide() const;
    void FitToPagesWide(int pages);  // 0 (as many as needed)..32767
    int FitToPagesTall() const;
    void FitToPagesTall(int pages);
    bool CenterHorizontally() const;
    void CenterHorizontally(bool center);
    int PaperSize() const;
    void PaperSize(int paper);  // xlPaperLetter, xlPaperLegal, xlPaperA3 or xlPaperA4

private:
    PageLayout& Layout() const;  // checks liveness
    Worksheet* sheet_;
};

// Changes some properties of a format, leaving the rest as they were.
using FormatChange = std::function<void(CellFormat&)>;

class Worksheet {
public:
    Worksheet(Workbook& parent, std::string name);
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    // ---- Model: reading --------------------------------------------------------------------------
    Workbook& Parent() { return *parent_; }
    const Workbook& Parent() const { return *parent_; }
    const std::string& Name() const { return name_; }

    // nullptr when the cell does not exist.
    const Cell* FindCell(int row, int column) const;
    // Calls f(row, column, const Cell&) for every existing cell, row by row, left to right.
    template <class F>
    void ForEachCell(F&& f) const;

    FormatId SheetFormatId() const { return sheetFormat_; }
    FormatId RowFormatId(int row) const;
    FormatId ColumnFormatId(int column) const;
    FormatId EffectiveFormatId(int row, int column) const;
    const CellFormat& EffectiveFormat(int row, int column) const;
    const FormatTable& Formats() const;

    double StandardHeight() const { return standardHeight_; }
    double StandardWidth() const { return standardWidth_; }
    double RowHeightAt(int row) const;
    bool HasCustomHeight(int row) const;
    double ColumnWidthAt(int column) const;
    bool HasCustomWidth(int column) const;
    // Columns with a format or a custom width, in column order.
    std::vector<ColumnInfo> ColumnInfos() const;
    // Rows with a format, a custom height or a cell, in row order.
    std::vector<RowInfo> RowInfos() const;

    const std::vector<CellRange>& MergedAreas() const { return merged_; }
    // The merged area covering the cell, or nullptr.
    const CellRange* MergedAreaAt(int row, int column) const;
    // `area` widened until it covers every merged area it touches.
    CellRange WidenedOverMerges(const CellRange& area) const;

    // Every cell with a value or a format of its own; nullopt for a sheet without any.
    std::optional<CellRange> UsedArea() const;

    const CellRange& SelectedArea() const { return selection_; }
    int ActiveRow() const { return activeRow_; }
    int ActiveColumn() const { return activeColumn_; }
    const PageLayout& Layout() const { return layout_; }

    // ---- Model: writing (the file reader builds sheets with these) --------------------------------
    void SetCellValue(int row, int column, CellValue value);
    void SetCellFormatId(int row, int column, FormatId id);
    // Sizes the storage of the rows a reader is about to fill, instead of growing each row cell by
    // cell: widths[r] is the last column row r will have (0: none; widths[0] is no row). Only
    // storage: every cell stays empty until it is set.
    void ReserveCells(std::span<const uint16_t> widths);
    void SetSheetFormatId(FormatId id);
    void SetRowFormatId(int row, FormatId id);
    void SetColumnFormatId(int column, FormatId id);
    void SetRowHeight(int row, double points);
    void SetColumnWidth(int column, double characters);
    void SetStandardHeight(double points);
    void SetStandardWidth(double characters);
    // Throws HostError when the area overlaps an existing merged area.
    void AddMergedArea(const CellRange& area);
    // The same for many areas at once, checked against each other and the sheet's own in
    // O(n log n) rather than pair by pair; nothing is added when one overlaps.
    void AddMergedAreas(const std::vector<CellRange>& areas);
    // Removes every merged area that intersects `area`.
    void RemoveMergedAreas(const CellRange& area);
    void SetSelection(const CellRange& area, int activeRow, int activeColumn);
    void SetLayout(const PageLayout& layout) { layout_ = layout; }

    // Applies `change` to the range on the right level: the whole sheet, whole columns, whole rows, or
    // single cells, and also to the finer-level formats the range covers.
    void ApplyFormat(const CellRange& area, const FormatChange& change);
    // Removes the range; cells, formats and merged areas below it move up. Whole rows also take their
    // heights and row formats with them. Throws HostError when that would split a merged area.
    void DeleteShiftUp(const CellRange& area);
    // Writes `value` into every cell of the range except the hidden cells of merged areas.
    void WriteValue(const CellRange& area, const CellValue& value);
    // Changes one of the borders 5..12 of a range: diagonals on every cell, an edge on the cells along
    // it, the inside lines on both sides of every inner cell boundary that no merged area spans.
    void ApplyBorder(const CellRange& area, int index, const std::function<void(BorderLine&)>& change);
    // Merges the range (widened over the merged areas it touches); only the top-left value stays.
    void MergeRange(const CellRange& area);
    // A snapshot of the range for Paste: values, effective formats, the merged areas inside it.
    ClipboardContent CopyToClipboard(const CellRange& area) const;
    // Pastes at `destination`: a single cell (or one merged area) anchors the block, a larger range
    // must be a whole multiple of it. Selects the pasted cells.
    enum class PasteKind { All, Values, Formats };
    void PasteClipboard(const CellRange& destination, const ClipboardContent& content, PasteKind kind,
                        bool skipBlanks = false);

    // ---- Automation ------------------------------------------------------------------------------
    void Name(const std::string& name);  // unique in the workbook, <= 31 characters, no : \ / ? * [ ]
    int Index() const;                   // 1-based position in the workbook
    sheet::Range Range(std::string_view address);
    sheet::Range Range(const sheet::Range& cell1, const sheet::Range& cell2);
    sheet::Range Cells(int row, int column);
    sheet::Range Cells();
    sheet::Range Rows(std::string_view rows);  // "1:70", "5"
    sheet::Range Rows(int row);
    sheet::Range Rows();
    sheet::Range Columns(std::string_view columns);  // "A:BD", "C"
    sheet::Range Columns(int column);
    sheet::Range Columns();
    sheet::Range UsedRange();
    sheet::Range Selection();
    sheet::Range ActiveCell();
    sheet::PageSetup PageSetup();
    void Select();
    void Activate();
    // Removes the sheet; it stays a dead object that throws on every automation call.
    void Delete();
    // Copies the sheet next to `after` / `before`; the copy becomes the active sheet. Returns it.
    Worksheet& Copy(const After& after);
    Worksheet& Copy(const Before& before);
    // Pastes the application's clipboard at the selection (or at `destination`).
    void Paste();
    void Paste(const sheet::Range& destination);

    // Throws DisconnectedError when the sheet, its workbook or its application is gone.
    void CheckAlive() const;

private:
    friend class Workbook;
    friend class sheet::PageSetup;

    struct RowData {
        FormatId formatId = kNoFormat;
        double height = -1;       // < 0: standard height
        std::vector<Cell> cells;  // index column - 1, grown on demand
    };
    struct ColumnData {
        FormatId formatId = kNoFormat;
        double width = -1;  // < 0: standard width
    };

    Cell& CellAt(int row, int column);  // creates the storage
    void SetCellFormatIdSlow(int row, int column, FormatId id);
    RowData& RowAt(int row);
    void CopyContentFrom(const Worksheet& source);
    void ApplyToColumns(int firstColumn, int lastColumn, const FormatChange& change,
                        std::vector<FormatId>& cache);
    void ApplyToRows(int firstRow, int lastRow, const FormatChange& change, std::vector<FormatId>& cache);
    void ApplyToCells(const CellRange& area, const FormatChange& change, std::vector<FormatId>& cache);
    FormatId Changed(FormatId id, const FormatChange& change, std::vector<FormatId>& cache);
    void ApplyBorderToLines(const CellRange& area, int index, const std::function<void(BorderLine&)>& change);
    void ApplyBorderToCells(const CellRange& area, int index, const std::function<void(BorderLine&)>& change);

    Workbook* parent_;
    std::string name_;
    bool deleted_ = false;
    FormatId sheetFormat_ = FormatTable::kDefaultId;
    std::vector<RowData> rows_;        // index row - 1, grown on demand
    std::vector<ColumnData> columns_;  // kMaxColumns entries
    std::vector<CellRange> merged_;
    double standardHeight_ = 12.75;
    double standardWidth_ = 8.43;
    CellRange selection_ = CellRange::Cell(1, 1);
    int activeRow_ = 1;
    int activeColumn_ = 1;
    PageLayout layout_;
};

template <class F>
void Worksheet::ForEachCell(F&& f) const
{
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const auto& cells = rows_[r].cells;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (cells[c].Exists())
                f(int(r) + 1, int(c) + 1, cells[c]);
        }
    }
}

// Inline for the file reader, which sets every stored cell's format: a cell whose storage exists
// (ReserveCells) is within the sheet's limits already.
inline void Worksheet::SetCellFormatId(int row, int column, FormatId id)
{
    if (row >= 1 && column >= 1 && std::size_t(row) <= rows_.size()) {
        std::vector<Cell>& cells = rows_[std::size_t(row - 1)].cells;
        if (std::size_t(column) <= cells.size()) {
            cells[std::size_t(column - 1)].formatId = id;
            return;
        }
    }
    SetCellFormatIdSlow(row, column, id);
}

}  // namespace morvessa::sheet
