#include "spreadsheet/Range.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"

namespace morvessa::sheet {
namespace {

bool IsPaletteIndex(int index)
{
    return index >= 1 && index <= 56;
}

template <std::size_t N>
bool OneOf(int value, const std::array<int, N>& allowed)
{
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

std::string Lower(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

Application& ApplicationOf(Worksheet& sheet, const char* failure)
{
    Application* application = sheet.Parent().Parent();
    if (!application)
        throw HostError(failure);
    return *application;
}

}  // namespace

// ---- Font -----------------------------------------------------------------------------------------

namespace {
const CellFormat& TopLeft(Worksheet& sheet, const CellRange& area)
{
    sheet.CheckAlive();
    return sheet.EffectiveFormat(area.firstRow, area.firstColumn);
}
}  // namespace

std::string Font::Name() const
{
    return TopLeft(*sheet_, area_).font.name;
}
void Font::Name(const std::string& name)
{
    sheet_->CheckAlive();
    if (name.empty())
        throw PropertyError("Name", "Font");
    sheet_->ApplyFormat(area_, [&](CellFormat& f) { f.font.name = name; });
}
double Font::Size() const
{
    return TopLeft(*sheet_, area_).font.size;
}
void Font::Size(double points)
{
    sheet_->CheckAlive();
    if (!(points >= 1 && points <= 409))
        throw PropertyError("Size", "Font");
    sheet_->ApplyFormat(area_, [&](CellFormat& f) { f.font.size = points; });
}
bool Font::Bold() const
{
    return TopLeft(*sheet_, area_).font.bold;
}
void Font::Bold(bool bold)
{
    sheet_->CheckAlive();
    sheet_->ApplyFormat(area_, [&](CellFormat& f) { f.font.bold = bold; });
}
bool Font::Italic() const
{
    return TopLeft(*sheet_, area_).font.italic;
}
void Font::Italic(bool italic)
{
    sheet_->CheckAlive();
    sheet_->ApplyFormat(area_, [&](CellFormat& f) { f.font.italic = italic; });
}
std::string Font::FontStyle() const
{
    const FontFormat& font = TopLeft(*sheet_, area_).font;
    if (font.bold && font.italic)
        return "Bold Italic";
    if (font.bold)
        return "Bold";
    if (font.italic)
        return "Italic";
    return "Regular";
}
void Font::FontStyle(const std::string& style)
{
    sheet_->CheckAlive();
    // English names, and the Russian ones that localised templates use (in both usual spellings).
    struct Style {
        const char* name;
        bool bold;
        bool italic;
    };
    static const Style styles[] = {
        {"regular", false, false},
        {"normal", false, false},
        {"bold", true, false},
        {"italic", false, true},
        {"bold italic", true, true},
        {"\xD0\x9E\xD0\xB1\xD1\x8B\xD1\x87\xD0\xBD\xD1\x8B\xD0\xB9", false, false},  // Обычный
        {"\xD0\xBE\xD0\xB1\xD1\x8B\xD1\x87\xD0\xBD\xD1\x8B\xD0\xB9", false, false},  // обычный
        {"\xD0\x9F\xD0\xBE\xD0\xBB\xD1\x83\xD0\xB6\xD0\xB8\xD1\x80\xD0\xBD\xD1\x8B\xD0\xB9", true,
         false},  // Полужирный
        {"\xD0\xBF\xD0\xBE\xD0\xBB\xD1\x83\xD0\xB6\xD0\xB8\xD1\x80\xD0\xBD\xD1\x8B\xD0\xB9", true,
         false},                                                            // полужирный
        {"\xD0\x9A\xD1\x83\xD1\x80\xD1\x81\xD0\xB8\xD0\xB2", false, true},  // Курсив
        {"\xD0\xBA\xD1\x83\xD1\x80\xD1\x81\xD0\xB8\xD0\xB2", false, true},  // курсив
        {"\xD0\x9F\xD0\xBE\xD0\xBB\xD1\x83\xD0\xB6\xD0\xB8\xD1\x80\xD0\xBD\xD1\x8B\xD0\xB9 "
         "\xD0\x9A\xD1\x83\xD1\x80\xD1\x81\xD0\xB8\xD0\xB2",
         true, true},  // Полужирный Курсив
        {"\xD0\x9F\xD0\xBE\xD0\xBB\xD1\x83\xD0\xB6\xD0\xB8\xD1\x80\xD0\xBD\xD1\x8B\xD0\xB9 "
         "\xD0\xBA\xD1\x83\xD1\x80\xD1\x81\xD0\xB8\xD0\xB2",
         true, true},  // Полужирный курсив
    };
    const std::string wanted = Lower(style);
    for (const Style& s : styles) {
        if (wanted == s.name || style == s.name) {
            sheet_->ApplyFormat(area_, [&](CellFormat& f) {
                f.font.bold = s.bold;
                f.font.italic = s.italic;
            });
            return;
        }
    }
    throw PropertyError("FontStyle", "Font");
}
int Font::Underline() const
{
    return TopLeft(*sheet_, area_).font.underline;
}
void Font::Underline(int style)
{
    sheet_->CheckAlive();
    if (!OneOf(style, std::array{xlUnderlineStyleNone, xlUnderlineStyleSingle, xlUnderlineStyleDouble,
                                 xlUnderlineStyleSingleAccounting, xlUnderlineStyleDoubleAccounting}))
        throw PropertyError("Underline", "Font");
    sheet_->ApplyFormat(area_, [&](CellFormat& f) { f.font.underline = style; });
}
int Font::ColorIndex() const
{
    return TopLeft(*sheet_, area_).font.colorIndex;
}
void Font::ColorIndex(int index)
{
    sheet_->CheckAlive();
    if (!IsPaletteIndex(index) && index != xlColorIndexAutomatic && index != xlColorIndexNone)
        throw PropertyError("ColorIndex", "Font");
    // Text always has a colour: "none" means the automatic one.
    const int stored = index == xlColorIndexNone ? xlColorIndexAutomatic : index;
    sheet_->ApplyFormat(area_, [&](CellFormat& f) { f.font.colorIndex = stored; });
}

// ---- Interior -------------------------------------------------------------------------------------

int Interior::ColorIndex() const
{
    const InteriorFormat& interior = TopLeft(*sheet_, area_).interior;
    return interior.HasFill() ? interior.colorIndex : xlColorIndexNone;
}
void Interior::ColorIndex(int index)
{
    sheet_->CheckAlive();
    if (IsPaletteIndex(index)) {
        sheet_->ApplyFormat(area_, [&](CellFormat& f) {
            f.interior.colorIndex = index;
            if (!f.interior.HasFill())
                f.interior.pattern = xlPatternSolid;
        });
    } else if (index == xlColorIndexNone || index == xlColorIndexAutomatic) {
        sheet_->ApplyFormat(area_, [](CellFormat& f) { f.interior = InteriorFormat{}; });
    } else {
        throw PropertyError("ColorIndex", "Interior");
    }
}
int Interior::Pattern() const
{
    return TopLeft(*sheet_, area_).interior.pattern;
}
void Interior::Pattern(int pattern)
{
    sheet_->CheckAlive();
    static constexpr std::array patterns{
        xlPatternSolid, xlChecker, xlCrissCross, xlDown,      xlGray16,          xlGray25,  xlGray50,
        xlGray75,       xlGray8,   xlGrid,       xlLightDown, xlLightHorizontal, xlLightUp, xlLightVertical,
        xlSemiGray75,   xlUp,      xlHorizontal, xlVertical,  xlPatternAutomatic};
    if (pattern == xlPatternNone) {
        sheet_->ApplyFormat(area_, [](CellFormat& f) { f.interior = InteriorFormat{}; });
        return;
    }
    if (!OneOf(pattern, patterns))
        throw PropertyError("Pattern", "Interior");
    const int stored = pattern == xlPatternAutomatic ? xlPatternSolid : pattern;
    sheet_->ApplyFormat(area_, [&](CellFormat& f) {
        // A pattern on an unfilled cell draws in the automatic colour.
        if (!f.interior.HasFill())
            f.interior.colorIndex = xlColorIndexAutomatic;
        f.interior.pattern = stored;
    });
}
int Interior::PatternColorIndex() const
{
    return TopLeft(*sheet_, area_).interior.patternColorIndex;
}
void Interior::PatternColorIndex(int index)
{
    sheet_->CheckAlive();
    if (!IsPaletteIndex(index) && index != xlColorIndexAutomatic && index != xlColorIndexNone)
        throw PropertyError("PatternColorIndex", "Interior");
    const int stored = index == xlColorIndexNone ? xlColorIndexAutomatic : index;
    sheet_->ApplyFormat(area_, [&](CellFormat& f) {
        if (f.interior.HasFill())
            f.interior.patternColorIndex = stored;
    });
}

// ---- Border ---------------------------------------------------------------------------------------

Border::Border(Worksheet& sheet, const CellRange& area, int index)
    : sheet_(&sheet), area_(area), index_(index)
{
    if (index < xlDiagonalDown || index > xlInsideHorizontal)
        throw HostError("Unable to get the Item property of the Borders class");
}

namespace {
// The line a border index shows on the range: its own side on the top-left cell, the right / bottom
// side for the inside lines.
BorderLine ReadBorder(Worksheet& sheet, const CellRange& area, int index)
{
    sheet.CheckAlive();
    int row = area.firstRow;
    int column = area.firstColumn;
    int side = index;
    if (index == xlEdgeRight)
        column = area.lastColumn;
    if (index == xlEdgeBottom)
        row = area.lastRow;
    if (index == xlInsideVertical)
        side = xlEdgeRight;
    if (index == xlInsideHorizontal)
        side = xlEdgeBottom;
    return sheet.EffectiveFormat(row, column).Border(side);
}
}  // namespace

int Border::LineStyle() const
{
    return ReadBorder(*sheet_, area_, index_).lineStyle;
}
void Border::LineStyle(int style)
{
    sheet_->CheckAlive();
    static constexpr std::array styles{xlContinuous, xlDash,   xlDashDot,     xlDashDotDot,
                                       xlDot,        xlDouble, xlSlantDashDot};
    if (style == xlLineStyleNone) {
        sheet_->ApplyBorder(area_, index_, [](BorderLine& line) { line = BorderLine{}; });
        return;
    }
    if (!OneOf(style, styles))
        throw PropertyError("LineStyle", "Border");
    sheet_->ApplyBorder(area_, index_, [&](BorderLine& line) { line.lineStyle = style; });
}
int Border::Weight() const
{
    return ReadBorder(*sheet_, area_, index_).weight;
}
void Border::Weight(int weight)
{
    sheet_->CheckAlive();
    if (!OneOf(weight, std::array{xlHairline, xlThin, xlMedium, xlThick}))
        throw PropertyError("Weight", "Border");
    sheet_->ApplyBorder(area_, index_, [&](BorderLine& line) {
        if (line.IsNone())
            line.lineStyle = xlContinuous;
        line.weight = weight;
    });
}
int Border::ColorIndex() const
{
    BorderLine line = ReadBorder(*sheet_, area_, index_);
    return line.IsNone() ? xlColorIndexNone : line.colorIndex;
}
void Border::ColorIndex(int index)
{
    sheet_->CheckAlive();
    if (index == xlColorIndexNone) {
        sheet_->ApplyBorder(area_, index_, [](BorderLine& line) { line = BorderLine{}; });
        return;
    }
    if (!IsPaletteIndex(index) && index != xlColorIndexAutomatic)
        throw PropertyError("ColorIndex", "Border");
    sheet_->ApplyBorder(area_, index_, [&](BorderLine& line) {
        if (line.IsNone())
            line.lineStyle = xlContinuous;
        line.colorIndex = index;
    });
}

// ---- RangeAxis ------------------------------------------------------------------------------------

int RangeAxis::Count() const
{
    sheet_->CheckAlive();
    return rows_ ? area_.RowCount() : area_.ColumnCount();
}

Range RangeAxis::Item(int index) const
{
    sheet_->CheckAlive();
    if (rows_) {
        int row = area_.firstRow + index - 1;
        return Range(*sheet_, CellRange::Checked(row, area_.firstColumn, row, area_.lastColumn));
    }
    int column = area_.firstColumn + index - 1;
    return Range(*sheet_, CellRange::Checked(area_.firstRow, column, area_.lastRow, column));
}

Range RangeAxis::operator()(int index) const
{
    return Item(index);
}

// ---- Range ----------------------------------------------------------------------------------------

sheet::Worksheet& Range::Sheet() const
{
    if (!sheet_)
        throw NothingError();
    sheet_->CheckAlive();
    return *sheet_;
}

sheet::Worksheet& Range::Worksheet() const
{
    return Sheet();
}

const CellRange& Range::Area() const
{
    if (!sheet_)
        throw NothingError();
    return area_;
}

void Range::Select() const
{
    sheet::Worksheet& sheet = Sheet();
    if (sheet.Parent().ActiveSheetIndex() != sheet.Index())
        throw HostError("Select method of Range class failed: the sheet \"" + sheet.Name() +
                        "\" is not active");
    int row = area_.firstRow;
    int column = area_.firstColumn;
    if (const CellRange* merged = sheet.MergedAreaAt(row, column)) {
        row = merged->firstRow;
        column = merged->firstColumn;
    }
    sheet.SetSelection(sheet.WidenedOverMerges(area_), row, column);
}

void Range::Activate() const
{
    Select();
}

CellValue Range::Value() const
{
    const Cell* cell = Sheet().FindCell(area_.firstRow, area_.firstColumn);
    return cell ? cell->value : CellValue();
}

void Range::Value(const CellValue& value) const
{
    sheet::Worksheet& sheet = Sheet();
    sheet.WriteValue(area_, value.IsText() ? CellValue::FromInput(value.Text()) : value);
}

std::string Range::FormulaR1C1() const
{
    return Value().FormulaText();
}

void Range::FormulaR1C1(const CellValue& formula) const
{
    Value(formula);
}

std::string Range::Address(bool rowAbsolute, bool columnAbsolute) const
{
    Sheet();
    return area_.Address(rowAbsolute, columnAbsolute);
}

int Range::Row() const
{
    Sheet();
    return area_.firstRow;
}

int Range::Column() const
{
    Sheet();
    return area_.firstColumn;
}

std::int64_t Range::Count() const
{
    Sheet();
    return area_.CellCount();
}

RangeAxis Range::Rows() const
{
    return RangeAxis(Sheet(), area_, true);
}
Range Range::Rows(int index) const
{
    return Rows().Item(index);
}
RangeAxis Range::Columns() const
{
    return RangeAxis(Sheet(), area_, false);
}
Range Range::Columns(int index) const
{
    return Columns().Item(index);
}

Range Range::Cells(int row, int column) const
{
    sheet::Worksheet& sheet = Sheet();
    int r = area_.firstRow + row - 1;
    int c = area_.firstColumn + column - 1;
    return Range(sheet, CellRange::Checked(r, c, r, c));
}

Range Range::Offset(int rows, int columns) const
{
    sheet::Worksheet& sheet = Sheet();
    // A merged area moves as one cell: steps start from its far side.
    const CellRange* merged = sheet.MergedAreaAt(area_.firstRow, area_.firstColumn);
    const bool asMerged = merged && (area_.IsSingleCell() || area_ == *merged);
    const CellRange base = asMerged ? *merged : area_;
    auto start = [&](int step, int first, int last) -> long long {
        if (!asMerged)
            return (long long)first + step;
        return step > 0 ? (long long)last + step : (long long)first + step;
    };
    const long long firstRow = start(rows, base.firstRow, base.lastRow);
    const long long firstColumn = start(columns, base.firstColumn, base.lastColumn);
    const long long lastRow = firstRow + area_.RowCount() - 1;
    const long long lastColumn = firstColumn + area_.ColumnCount() - 1;
    if (firstRow < 1 || firstColumn < 1 || lastRow > kMaxRows || lastColumn > kMaxColumns)
        throw AddressError("Offset(" + std::to_string(rows) + ", " + std::to_string(columns) + ") of " +
                           area_.Address() + " lies outside the sheet (columns A to IV, rows 1 to 65536)");
    return Range(sheet, {int(firstRow), int(firstColumn), int(lastRow), int(lastColumn)});
}

Range Range::Find(const CellValue& what, int lookIn, int lookAt) const
{
    sheet::Worksheet& sheet = Sheet();
    if (lookIn != xlFormulas && lookIn != xlValues)
        throw HostError("Find method of Range class failed: LookIn");
    if (lookAt != xlWhole && lookAt != xlPart)
        throw HostError("Find method of Range class failed: LookAt");
    const std::string wanted = Lower(what.FormulaText());
    if (wanted.empty())
        return Nothing();
    auto matches = [&](const Cell& cell) {
        const std::string text = Lower(cell.value.FormulaText());
        return lookAt == xlWhole ? text == wanted : text.find(wanted) != std::string::npos;
    };
    // Row by row from the cell after the top-left one, wrapping round: the top-left cell comes last.
    bool topLeftMatches = false;
    std::optional<CellRange> found;
    sheet.ForEachCell([&](int row, int column, const Cell& cell) {
        if (found || !area_.Contains(row, column) || cell.value.IsEmpty() || !matches(cell))
            return;
        if (row == area_.firstRow && column == area_.firstColumn) {
            topLeftMatches = true;
            return;
        }
        found = CellRange::Cell(row, column);
    });
    if (found)
        return Range(sheet, *found);
    if (topLeftMatches)
        return Range(sheet, CellRange::Cell(area_.firstRow, area_.firstColumn));
    return Nothing();
}

void Range::Copy() const
{
    sheet::Worksheet& sheet = Sheet();
    Application& application = ApplicationOf(sheet, "Copy method of Range class failed");
    application.SetClipboard(sheet.CopyToClipboard(area_));
}

void Range::Copy(const Range& destination) const
{
    sheet::Worksheet& sheet = Sheet();
    ClipboardContent content = sheet.CopyToClipboard(area_);
    destination.Sheet().PasteClipboard(destination.area_, content, sheet::Worksheet::PasteKind::All);
}

void Range::PasteSpecial(int paste, int operation, bool skipBlanks, bool transpose) const
{
    sheet::Worksheet& sheet = Sheet();
    Application& application = ApplicationOf(sheet, "PasteSpecial method of Range class failed");
    if (!application.Clipboard())
        throw HostError("PasteSpecial method of Range class failed");
    if (operation != xlPasteSpecialOperationNone || transpose)
        throw HostError("PasteSpecial method of Range class failed: only plain pasting is supported");
    sheet::Worksheet::PasteKind kind;
    switch (paste) {
    case xlPasteAll:
        kind = sheet::Worksheet::PasteKind::All;
        break;
    case xlPasteValues:
        kind = sheet::Worksheet::PasteKind::Values;
        break;
    case xlPasteFormats:
        kind = sheet::Worksheet::PasteKind::Formats;
        break;
    default:
        throw HostError("PasteSpecial method of Range class failed");
    }
    sheet.PasteClipboard(area_, *application.Clipboard(), kind, skipBlanks);
}

void Range::Delete(int shift) const
{
    sheet::Worksheet& sheet = Sheet();
    if (shift != xlShiftUp)
        throw HostError("Delete method of Range class failed: only xlShiftUp is supported");
    sheet.DeleteShiftUp(area_);
}

void Range::CopyPicture() const
{
    sheet::Worksheet& sheet = Sheet();
    Application& application = ApplicationOf(sheet, "CopyPicture method of Range class failed");
    PictureSink* sink = application.GetPictureSink();
    if (!sink)
        throw HostError("CopyPicture method of Range class failed");
    sink->CopyPicture(sheet, area_);
}

void Range::Merge() const
{
    Sheet().MergeRange(area_);
}

void Range::UnMerge() const
{
    Sheet().RemoveMergedAreas(area_);
}

bool Range::MergeCells() const
{
    const CellRange* merged = Sheet().MergedAreaAt(area_.firstRow, area_.firstColumn);
    return merged && merged->Contains(area_);
}

void Range::MergeCells(bool merge) const
{
    if (merge)
        Merge();
    else
        UnMerge();
}

Range Range::MergeArea() const
{
    sheet::Worksheet& sheet = Sheet();
    const CellRange* merged = sheet.MergedAreaAt(area_.firstRow, area_.firstColumn);
    return Range(sheet, merged ? *merged : CellRange::Cell(area_.firstRow, area_.firstColumn));
}

namespace {
const CellFormat& FormatOf(sheet::Worksheet& sheet, const CellRange& area)
{
    return sheet.EffectiveFormat(area.firstRow, area.firstColumn);
}
}  // namespace

bool Range::WrapText() const
{
    return FormatOf(Sheet(), area_).wrapText;
}
void Range::WrapText(bool wrap) const
{
    Sheet().ApplyFormat(area_, [&](CellFormat& f) { f.wrapText = wrap; });
}
int Range::HorizontalAlignment() const
{
    return FormatOf(Sheet(), area_).horizontalAlignment;
}
void Range::HorizontalAlignment(int alignment) const
{
    sheet::Worksheet& sheet = Sheet();
    if (!OneOf(alignment, std::array{xlGeneral, xlLeft, xlCenter, xlRight, xlFill, xlJustify,
                                     xlCenterAcrossSelection, xlDistributed}))
        throw PropertyError("HorizontalAlignment", "Range");
    sheet.ApplyFormat(area_, [&](CellFormat& f) { f.horizontalAlignment = alignment; });
}
int Range::VerticalAlignment() const
{
    return FormatOf(Sheet(), area_).verticalAlignment;
}
void Range::VerticalAlignment(int alignment) const
{
    sheet::Worksheet& sheet = Sheet();
    if (!OneOf(alignment, std::array{xlTop, xlCenter, xlBottom, xlJustify, xlDistributed}))
        throw PropertyError("VerticalAlignment", "Range");
    sheet.ApplyFormat(area_, [&](CellFormat& f) { f.verticalAlignment = alignment; });
}
int Range::ReadingOrder() const
{
    return FormatOf(Sheet(), area_).readingOrder;
}
void Range::ReadingOrder(int order) const
{
    sheet::Worksheet& sheet = Sheet();
    if (!OneOf(order, std::array{xlContext, xlLTR, xlRTL}))
        throw PropertyError("ReadingOrder", "Range");
    sheet.ApplyFormat(area_, [&](CellFormat& f) { f.readingOrder = order; });
}
int Range::Orientation() const
{
    int degrees = FormatOf(Sheet(), area_).orientation;
    return degrees == 0 ? xlHorizontal : degrees == 255 ? xlVertical : degrees;
}
void Range::Orientation(int orientation) const
{
    sheet::Worksheet& sheet = Sheet();
    int degrees;
    if (orientation == xlHorizontal)
        degrees = 0;
    else if (orientation == xlVertical)
        degrees = 255;
    else if (orientation == xlUpward)
        degrees = 90;
    else if (orientation == xlDownward)
        degrees = -90;
    else if (orientation >= -90 && orientation <= 90)
        degrees = orientation;
    else
        throw PropertyError("Orientation", "Range");
    sheet.ApplyFormat(area_, [&](CellFormat& f) { f.orientation = degrees; });
}
void Range::AddIndent(bool) const
{
    // The 97-2003 format keeps no such flag; the call is accepted like any other format change.
    Sheet();
}
int Range::IndentLevel() const
{
    return FormatOf(Sheet(), area_).indentLevel;
}
void Range::IndentLevel(int level) const
{
    sheet::Worksheet& sheet = Sheet();
    if (level < 0 || level > 15)
        throw PropertyError("IndentLevel", "Range");
    sheet.ApplyFormat(area_, [&](CellFormat& f) { f.indentLevel = level; });
}
bool Range::ShrinkToFit() const
{
    return FormatOf(Sheet(), area_).shrinkToFit;
}
void Range::ShrinkToFit(bool shrink) const
{
    Sheet().ApplyFormat(area_, [&](CellFormat& f) { f.shrinkToFit = shrink; });
}
std::string Range::NumberFormat() const
{
    return FormatOf(Sheet(), area_).numberFormat;
}
void Range::NumberFormat(const std::string& format) const
{
    sheet::Worksheet& sheet = Sheet();
    if (format.size() > 255)
        throw PropertyError("NumberFormat", "Range");
    const std::string stored = format.empty() ? "General" : format;
    sheet.ApplyFormat(area_, [&](CellFormat& f) { f.numberFormat = stored; });
}

double Range::RowHeight() const
{
    return Sheet().RowHeightAt(area_.firstRow);
}
void Range::RowHeight(double points) const
{
    sheet::Worksheet& sheet = Sheet();
    if (!(points >= 0 && points <= 409))
        throw PropertyError("RowHeight", "Range");
    if (area_.SpansAllRows()) {
        // Every row: the standard height changes, and rows set before take it too.
        sheet.SetStandardHeight(points);
        for (const RowInfo& info : sheet.RowInfos())
            if (info.customHeight)
                sheet.SetRowHeight(info.row, points);
        return;
    }
    for (int row = area_.firstRow; row <= area_.lastRow; ++row)
        sheet.SetRowHeight(row, points);
}
double Range::ColumnWidth() const
{
    return Sheet().ColumnWidthAt(area_.firstColumn);
}
void Range::ColumnWidth(double characters) const
{
    sheet::Worksheet& sheet = Sheet();
    if (!(characters >= 0 && characters <= 255))
        throw PropertyError("ColumnWidth", "Range");
    if (area_.SpansAllColumns()) {
        sheet.SetStandardWidth(characters);
        for (const ColumnInfo& info : sheet.ColumnInfos())
            if (info.customWidth)
                sheet.SetColumnWidth(info.column, characters);
        return;
    }
    for (int column = area_.firstColumn; column <= area_.lastColumn; ++column)
        sheet.SetColumnWidth(column, characters);
}

sheet::Font Range::Font() const
{
    return sheet::Font(Sheet(), area_);
}
sheet::Interior Range::Interior() const
{
    return sheet::Interior(Sheet(), area_);
}
sheet::Border Range::Borders(int index) const
{
    return sheet::Border(Sheet(), area_, index);
}

}  // namespace morvessa::sheet
