#pragma once
// The automation "Range" object and its "Font", "Interior" and "Border" parts: light handles on a
// worksheet area. Setters change the sheet; getters read the top-left cell.

#include <cstdint>
#include <string>
#include <string_view>

#include "spreadsheet/CellRange.h"
#include "spreadsheet/CellValue.h"
#include "spreadsheet/Constants.h"

namespace morvessa::sheet {

class Worksheet;
class Range;

class Font {
public:
    Font(Worksheet& sheet, const CellRange& area) : sheet_(&sheet), area_(area) {}
    std::string Name() const;
    void Name(const std::string& name);
    double Size() const;
    void Size(double points);  // 1..409
    bool Bold() const;
    void Bold(bool bold);
    bool Italic() const;
    void Italic(bool italic);
    // "Regular", "Bold", "Italic", "Bold Italic", and the Russian names of these styles.
    std::string FontStyle() const;
    void FontStyle(const std::string& style);
    int Underline() const;
    void Underline(int style);  // xlUnderlineStyle* constants
    int ColorIndex() const;
    void ColorIndex(int index);  // 1..56, xlColorIndexAutomatic, xlColorIndexNone (reads automatic)

private:
    Worksheet* sheet_;
    CellRange area_;
};

class Interior {
public:
    Interior(Worksheet& sheet, const CellRange& area) : sheet_(&sheet), area_(area) {}
    int ColorIndex() const;      // xlColorIndexNone without fill
    void ColorIndex(int index);  // 1..56 fills (solid unless a pattern is set); none / automatic clear
    int Pattern() const;
    void Pattern(int pattern);  // xlPatternSolid, xlPatternNone, xlGray50, ...
    int PatternColorIndex() const;
    void PatternColorIndex(int index);

private:
    Worksheet* sheet_;
    CellRange area_;
};

// One of Borders(5..12) of a range: diagonals, the four outer edges, the inside lines.
class Border {
public:
    Border(Worksheet& sheet, const CellRange& area, int index);
    int LineStyle() const;
    void LineStyle(int style);  // xlContinuous, xlDash, ..., xlLineStyleNone
    int Weight() const;
    void Weight(int weight);  // xlHairline, xlThin, xlMedium, xlThick
    int ColorIndex() const;
    void ColorIndex(int index);  // 1..56, automatic; none removes the line

private:
    Worksheet* sheet_;
    CellRange area_;
    int index_;
};

// The rows or the columns of a range, as Range.Rows / Range.Columns.
class RangeAxis {
public:
    RangeAxis(Worksheet& sheet, const CellRange& area, bool rows) : sheet_(&sheet), area_(area), rows_(rows)
    {
    }
    int Count() const;
    sheet::Range Item(int index) const;  // 1-based within the range
    sheet::Range operator()(int index) const;

private:
    Worksheet* sheet_;
    CellRange area_;
    bool rows_;
};

class Range {
public:
    Range(sheet::Worksheet& sheet, const CellRange& area) : sheet_(&sheet), area_(area) {}
    // The result of a search that found nothing: every member throws NothingError.
    static Range Nothing() { return Range(); }
    bool IsNothing() const { return sheet_ == nullptr; }

    sheet::Worksheet& Worksheet() const;
    const CellRange& Area() const;

    // Selects the range on its sheet (widened over the merged areas it touches) and activates the
    // sheet; the active cell becomes the range's top-left cell.
    void Select() const;
    void Activate() const;

    CellValue Value() const;
    void Value(const CellValue& value) const;  // numeric text becomes a number
    std::string FormulaR1C1() const;
    void FormulaR1C1(const CellValue& formula) const;

    std::string Address(bool rowAbsolute = true, bool columnAbsolute = true) const;
    int Row() const;
    int Column() const;
    std::int64_t Count() const;
    RangeAxis Rows() const;
    sheet::Range Rows(int index) const;
    RangeAxis Columns() const;
    sheet::Range Columns(int index) const;
    // A cell relative to the range's top-left (1, 1 is that cell).
    sheet::Range Cells(int row, int column) const;
    // Moves the range; a merged area counts as one cell, so Offset(0, 1) of a merged day cell is the
    // cell right after the merged area and Offset(1, 0) the cell below it.
    sheet::Range Offset(int rows, int columns) const;
    // Whole-cell or part search of `what` through the formulas or values, row by row, starting after
    // the top-left cell and wrapping round to it; Nothing() when no cell matches.
    sheet::Range Find(const CellValue& what, int lookIn = xlFormulas, int lookAt = xlWhole) const;

    // Puts the range on the application's clipboard; Copy(destination) pastes it at once.
    void Copy() const;
    void Copy(const sheet::Range& destination) const;
    // Pastes the clipboard's values only (xlPasteValues) or everything (xlPasteAll) into this range.
    void PasteSpecial(int paste = xlPasteAll, int operation = xlPasteSpecialOperationNone,
                      bool skipBlanks = false, bool transpose = false) const;
    void Delete(int shift = xlShiftUp) const;
    // Hands the range to the application's picture sink (the picture goes to the clipboard).
    void CopyPicture() const;

    void Merge() const;
    void UnMerge() const;
    bool MergeCells() const;
    void MergeCells(bool merge) const;
    // The merged area containing the top-left cell, or the cell itself.
    sheet::Range MergeArea() const;

    bool WrapText() const;
    void WrapText(bool wrap) const;
    int HorizontalAlignment() const;
    void HorizontalAlignment(int alignment) const;
    int VerticalAlignment() const;
    void VerticalAlignment(int alignment) const;
    int ReadingOrder() const;
    void ReadingOrder(int order) const;
    int Orientation() const;
    void Orientation(int orientation) const;
    bool AddIndent() const { return false; }
    void AddIndent(bool add) const;
    int IndentLevel() const;
    void IndentLevel(int level) const;
    bool ShrinkToFit() const;
    void ShrinkToFit(bool shrink) const;
    std::string NumberFormat() const;
    void NumberFormat(const std::string& format) const;
    double RowHeight() const;
    void RowHeight(double points) const;  // 0..409
    double ColumnWidth() const;
    void ColumnWidth(double characters) const;  // 0..255

    sheet::Font Font() const;
    sheet::Interior Interior() const;
    sheet::Border Borders(int index) const;

private:
    Range() = default;
    sheet::Worksheet& Sheet() const;  // checks liveness

    sheet::Worksheet* sheet_ = nullptr;
    CellRange area_;
};

}  // namespace morvessa::sheet
