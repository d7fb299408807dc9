#include "spreadsheet/xlsx/XlsxFile.h"

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "spreadsheet/DefaultPalette.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/io/AtomicFile.h"
#include "spreadsheet/io/CNumbers.h"
#include "spreadsheet/xls/SheetGeometry.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/xlsx/XlsxWriterLibrary.h"

namespace morvessa::sheet::xlsx {
namespace {

// The library's functions; loaded by the first workbook written (see WriteWorkbookBytes).
const XlsxWriterLibrary& Lxw()
{
    return XlsxWriter();
}

constexpr int kStackedText = 255;
constexpr int kLibraryStackedText = 270;
// The .xls names no margins, so a reader falls back on the 97-2003 defaults; the same in inches.
constexpr double kMarginLeftRight = 0.75;
constexpr double kMarginTopBottom = 1.0;
constexpr double kHeaderFooterMargin = 0.5;

// Palette index to RGB; unset for automatic and none. Black has its own value in the library,
// since 0 there means "no colour".
lxw_color_t ColourOf(int colorIndex)
{
    if (colorIndex < 1 || colorIndex > kPaletteSize)
        return LXW_COLOR_UNSET;
    const Rgb& c = kDefaultPalette[std::size_t(colorIndex - 1)];
    const lxw_color_t rgb = (lxw_color_t(c.red) << 16) | (lxw_color_t(c.green) << 8) | c.blue;
    return rgb == 0 ? lxw_color_t(LXW_COLOR_BLACK) : rgb;
}

uint8_t BorderStyleOf(const BorderLine& line)
{
    const bool heavy = line.weight == xlMedium || line.weight == xlThick;
    switch (line.lineStyle) {
    case xlContinuous:
        if (line.weight == xlHairline)
            return LXW_BORDER_HAIR;
        if (line.weight == xlMedium)
            return LXW_BORDER_MEDIUM;
        if (line.weight == xlThick)
            return LXW_BORDER_THICK;
        return LXW_BORDER_THIN;
    case xlDash:
        return heavy ? LXW_BORDER_MEDIUM_DASHED : LXW_BORDER_DASHED;
    case xlDot:
        return LXW_BORDER_DOTTED;
    case xlDouble:
        return LXW_BORDER_DOUBLE;
    case xlDashDot:
        return heavy ? LXW_BORDER_MEDIUM_DASH_DOT : LXW_BORDER_DASH_DOT;
    case xlDashDotDot:
        return heavy ? LXW_BORDER_MEDIUM_DASH_DOT_DOT : LXW_BORDER_DASH_DOT_DOT;
    case xlSlantDashDot:
        return LXW_BORDER_SLANT_DASH_DOT;
    default:
        return LXW_BORDER_NONE;
    }
}

uint8_t PatternOf(int pattern)
{
    switch (pattern) {
    case xlSolid:
        return LXW_PATTERN_SOLID;
    case xlGray50:
        return LXW_PATTERN_MEDIUM_GRAY;
    case xlGray75:
        return LXW_PATTERN_DARK_GRAY;
    case xlGray25:
        return LXW_PATTERN_LIGHT_GRAY;
    case xlHorizontal:
        return LXW_PATTERN_DARK_HORIZONTAL;
    case xlVertical:
        return LXW_PATTERN_DARK_VERTICAL;
    case xlDown:
        return LXW_PATTERN_DARK_DOWN;
    case xlUp:
        return LXW_PATTERN_DARK_UP;
    case xlChecker:
        return LXW_PATTERN_DARK_GRID;
    case xlSemiGray75:
        return LXW_PATTERN_DARK_TRELLIS;
    case xlLightHorizontal:
        return LXW_PATTERN_LIGHT_HORIZONTAL;
    case xlLightVertical:
        return LXW_PATTERN_LIGHT_VERTICAL;
    case xlLightDown:
        return LXW_PATTERN_LIGHT_DOWN;
    case xlLightUp:
        return LXW_PATTERN_LIGHT_UP;
    case xlGrid:
        return LXW_PATTERN_LIGHT_GRID;
    case xlCrissCross:
        return LXW_PATTERN_LIGHT_TRELLIS;
    case xlGray16:
        return LXW_PATTERN_GRAY_125;
    case xlGray8:
        return LXW_PATTERN_GRAY_0625;
    default:
        return LXW_PATTERN_NONE;
    }
}

uint8_t HorizontalOf(int alignment)
{
    switch (alignment) {
    case xlLeft:
        return LXW_ALIGN_LEFT;
    case xlCenter:
        return LXW_ALIGN_CENTER;
    case xlRight:
        return LXW_ALIGN_RIGHT;
    case xlFill:
        return LXW_ALIGN_FILL;
    case xlJustify:
        return LXW_ALIGN_JUSTIFY;
    case xlCenterAcrossSelection:
        return LXW_ALIGN_CENTER_ACROSS;
    case xlDistributed:
        return LXW_ALIGN_DISTRIBUTED;
    default:
        return LXW_ALIGN_NONE;
    }
}

uint8_t VerticalOf(int alignment)
{
    switch (alignment) {
    case xlTop:
        return LXW_ALIGN_VERTICAL_TOP;
    case xlCenter:
        return LXW_ALIGN_VERTICAL_CENTER;
    case xlJustify:
        return LXW_ALIGN_VERTICAL_JUSTIFY;
    case xlDistributed:
        return LXW_ALIGN_VERTICAL_DISTRIBUTED;
    default:
        return LXW_ALIGN_NONE;  // bottom, the file's default
    }
}

uint8_t UnderlineOf(int underline)
{
    switch (underline) {
    case xlUnderlineStyleSingle:
        return LXW_UNDERLINE_SINGLE;
    case xlUnderlineStyleDouble:
        return LXW_UNDERLINE_DOUBLE;
    case xlUnderlineStyleSingleAccounting:
        return LXW_UNDERLINE_SINGLE_ACCOUNTING;
    case xlUnderlineStyleDoubleAccounting:
        return LXW_UNDERLINE_DOUBLE_ACCOUNTING;
    default:
        return LXW_UNDERLINE_NONE;
    }
}

void SetEdge(lxw_format* format, const BorderLine& line, void (*setStyle)(lxw_format*, uint8_t),
             void (*setColour)(lxw_format*, lxw_color_t))
{
    const uint8_t style = BorderStyleOf(line);
    if (style == LXW_BORDER_NONE)
        return;
    setStyle(format, style);
    if (const lxw_color_t colour = ColourOf(line.colorIndex); colour != LXW_COLOR_UNSET)
        setColour(format, colour);
}

void ApplyFormat(const CellFormat& f, lxw_format* format)
{
    Lxw().format_set_font_name(format, f.font.name.c_str());
    Lxw().format_set_font_size(format, f.font.size);
    if (f.font.bold)
        Lxw().format_set_bold(format);
    if (f.font.italic)
        Lxw().format_set_italic(format);
    if (f.font.strikethrough)
        Lxw().format_set_font_strikeout(format);
    if (const uint8_t underline = UnderlineOf(f.font.underline); underline != LXW_UNDERLINE_NONE)
        Lxw().format_set_underline(format, underline);
    if (const lxw_color_t colour = ColourOf(f.font.colorIndex); colour != LXW_COLOR_UNSET)
        Lxw().format_set_font_color(format, colour);

    SetEdge(format, f.Border(xlEdgeLeft), Lxw().format_set_left, Lxw().format_set_left_color);
    SetEdge(format, f.Border(xlEdgeRight), Lxw().format_set_right, Lxw().format_set_right_color);
    SetEdge(format, f.Border(xlEdgeTop), Lxw().format_set_top, Lxw().format_set_top_color);
    SetEdge(format, f.Border(xlEdgeBottom), Lxw().format_set_bottom, Lxw().format_set_bottom_color);
    const BorderLine& down = f.Border(xlDiagonalDown);
    const BorderLine& up = f.Border(xlDiagonalUp);
    if (!down.IsNone() || !up.IsNone()) {
        // The file keeps one style for both diagonals, as the .xls does.
        const BorderLine& diagonal = down.IsNone() ? up : down;
        Lxw().format_set_diag_type(format, down.IsNone() ? LXW_DIAGONAL_BORDER_UP
                                           : up.IsNone() ? LXW_DIAGONAL_BORDER_DOWN
                                                         : LXW_DIAGONAL_BORDER_UP_DOWN);
        Lxw().format_set_diag_border(format, BorderStyleOf(diagonal));
        if (const lxw_color_t colour = ColourOf(diagonal.colorIndex); colour != LXW_COLOR_UNSET)
            Lxw().format_set_diag_color(format, colour);
    }

    const InteriorFormat& fill = f.interior;
    if (const uint8_t pattern = fill.HasFill() ? PatternOf(fill.pattern) : uint8_t(LXW_PATTERN_NONE);
        pattern != LXW_PATTERN_NONE) {
        Lxw().format_set_pattern(format, pattern);
        // A solid fill shows its foreground; other patterns draw the pattern colour over the
        // interior colour. Only the foreground is set for solid: the library swaps the two otherwise.
        const lxw_color_t fore =
            ColourOf(pattern == LXW_PATTERN_SOLID ? fill.colorIndex : fill.patternColorIndex);
        if (fore != LXW_COLOR_UNSET)
            Lxw().format_set_fg_color(format, fore);
        if (pattern != LXW_PATTERN_SOLID)
            if (const lxw_color_t back = ColourOf(fill.colorIndex); back != LXW_COLOR_UNSET)
                Lxw().format_set_bg_color(format, back);
    }

    if (const uint8_t h = HorizontalOf(f.horizontalAlignment); h != LXW_ALIGN_NONE)
        Lxw().format_set_align(format, h);
    if (const uint8_t v = VerticalOf(f.verticalAlignment); v != LXW_ALIGN_NONE)
        Lxw().format_set_align(format, v);
    if (f.wrapText)
        Lxw().format_set_text_wrap(format);
    if (f.orientation == kStackedText)
        Lxw().format_set_rotation(format, kLibraryStackedText);
    else if (f.orientation != 0 && f.orientation >= -90 && f.orientation <= 90)
        Lxw().format_set_rotation(format, int16_t(f.orientation));
    if (f.indentLevel > 0)
        Lxw().format_set_indent(format, uint8_t(std::min(f.indentLevel, 15)));
    if (f.shrinkToFit)
        Lxw().format_set_shrink(format);
    if (f.readingOrder == xlLTR || f.readingOrder == xlRTL)
        Lxw().format_set_reading_order(format, f.readingOrder == xlLTR ? 1 : 2);
    if (f.numberFormat != "General")
        Lxw().format_set_num_format(format, f.numberFormat.c_str());
    if (!f.locked)
        Lxw().format_set_unlocked(format);
    if (f.formulaHidden)
        Lxw().format_set_hidden(format);
}

// The library's text for an error, without its closing full stop (the message adds its own).
std::string Reason(lxw_error error)
{
    std::string text = Lxw().lxw_strerror(error);
    while (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

// The heights and widths the .xls gives, so both files show the same pixels.
double RowPoints(double points)
{
    return xls::PointsToTwips(points) / 20.0;
}

double ColumnPixels(double characters)
{
    return std::round(xls::ColumnWidthToFile(characters) * double(xls::kDigitWidthPixels) / 256);
}

// Columns without a width of their own: whole characters, shown rounded up to 8 pixels.
double StandardColumnPixels(double characters)
{
    const double units = xls::StandardWidthToFile(characters);
    return std::ceil((units * xls::kDigitWidthPixels + xls::kCellPaddingPixels) / 8) * 8;
}

// Builds the library's workbook from the model. Every failure is kept (the first one is reported)
// and building goes on, since the library's workbook is only released by closing it.
class Builder {
public:
    Builder(const Workbook& wb, lxw_workbook* book) : wb_(wb), book_(book)
    {
        formats_.assign(wb.Formats().Size(), nullptr);
        // The library's first format is its "Normal" style: make it the model's default format, so
        // cells without a format of their own show the same font in both files.
        lxw_format* normal = STAILQ_FIRST(book->formats);
        if (normal && !formats_.empty()) {
            ApplyFormat(wb.Formats().Get(FormatTable::kDefaultId), normal);
            formats_[FormatTable::kDefaultId] = normal;
        }
    }

    void Build()
    {
        for (int i = 1; i <= wb_.SheetCount() && error_.empty(); ++i) {
            const Worksheet& sheet = wb_.Sheet(i);
            lxw_worksheet* ws = Lxw().workbook_add_worksheet(book_, sheet.Name().c_str());
            if (!ws) {
                Fail("the sheet name \"" + sheet.Name() + "\" cannot be used");
                return;
            }
            WriteSheet(sheet, ws, i == wb_.ActiveSheetIndex());
        }
    }

    const std::string& Error() const { return error_; }

private:
    void Fail(const std::string& what)
    {
        if (error_.empty())
            error_ = what;
    }
    void Check(lxw_error result, const Worksheet& sheet, const char* what)
    {
        if (result != LXW_NO_ERROR)
            Fail(std::string(what) + " of sheet \"" + sheet.Name() + "\": " + Reason(result));
    }

    lxw_format* FormatFor(FormatId id)
    {
        if (id < 0 || std::size_t(id) >= formats_.size())
            return formats_.empty() ? nullptr : formats_[FormatTable::kDefaultId];
        lxw_format*& known = formats_[std::size_t(id)];
        if (!known) {
            known = Lxw().workbook_add_format(book_);
            if (known)
                ApplyFormat(wb_.Formats().Get(id), known);
        }
        return known;
    }

    void WriteSheet(const Worksheet& sheet, lxw_worksheet* ws, bool active)
    {
        const double standardPoints = RowPoints(sheet.StandardHeight());
        Lxw().worksheet_set_default_row(ws, standardPoints, LXW_FALSE);
        WriteColumns(sheet, ws);
        WriteRows(sheet, ws, standardPoints);
        for (const CellRange& area : sheet.MergedAreas()) {
            // One cell is no merged area to a reader; the library refuses it.
            if (area.firstRow == area.lastRow && area.firstColumn == area.lastColumn)
                continue;
            // No text and no format: the cells below write the area's values and formats.
            Check(Lxw().worksheet_merge_range(ws, lxw_row_t(area.firstRow - 1),
                                              lxw_col_t(area.firstColumn - 1), lxw_row_t(area.lastRow - 1),
                                              lxw_col_t(area.lastColumn - 1), "", nullptr),
                  sheet, "a merged area");
        }
        WriteCells(sheet, ws);
        WriteSelection(sheet, ws);
        if (active)
            Lxw().worksheet_activate(ws);
        WritePageSetup(sheet.Layout(), ws);
    }

    void WriteColumns(const Worksheet& sheet, lxw_worksheet* ws)
    {
        const double standardPixels = StandardColumnPixels(sheet.StandardWidth());
        // The library's own default width shows the same pixels as a standard width of 8 characters.
        const bool libraryDefault = standardPixels == StandardColumnPixels(LXW_DEF_COL_WIDTH);
        struct Run {
            int first = 0, last = -1;
            FormatId format = FormatTable::kDefaultId;
            double pixels = 0;
            bool custom = false;
        } run;
        auto flush = [&] {
            if (run.last < run.first)
                return;
            lxw_format* format = run.format == FormatTable::kDefaultId ? nullptr : FormatFor(run.format);
            lxw_error result;
            if (!run.custom && libraryDefault)
                result = Lxw().worksheet_set_column(ws, lxw_col_t(run.first), lxw_col_t(run.last),
                                                    LXW_DEF_COL_WIDTH, format);
            else
                result = Lxw().worksheet_set_column_pixels(ws, lxw_col_t(run.first), lxw_col_t(run.last),
                                                           uint32_t(run.pixels), format);
            Check(result, sheet, "the columns");
        };
        for (int c = 1; c <= kMaxColumns; ++c) {
            const FormatId own = sheet.ColumnFormatId(c);
            const FormatId format = own != kNoFormat ? own : sheet.SheetFormatId();
            const bool custom = sheet.HasCustomWidth(c);
            const double pixels = custom ? ColumnPixels(sheet.ColumnWidthAt(c)) : standardPixels;
            if (!custom && format == FormatTable::kDefaultId && libraryDefault) {
                flush();
                run = {};
                continue;
            }
            if (run.last == c - 2 && run.format == format && run.pixels == pixels && run.custom == custom) {
                run.last = c - 1;
                continue;
            }
            flush();
            run = {c - 1, c - 1, format, pixels, custom};
        }
        flush();
    }

    void WriteRows(const Worksheet& sheet, lxw_worksheet* ws, double standardPoints)
    {
        for (const RowInfo& info : sheet.RowInfos()) {
            const bool hasFormat = info.formatId != kNoFormat;
            if (!info.customHeight && !hasFormat)
                continue;
            lxw_format* format = hasFormat ? FormatFor(info.formatId) : nullptr;
            const double points = info.customHeight ? RowPoints(info.height) : standardPoints;
            lxw_row_col_options hidden{};
            hidden.hidden = LXW_TRUE;
            const lxw_error result =
                points > 0 ? Lxw().worksheet_set_row(ws, lxw_row_t(info.row - 1), points, format)
                           : Lxw().worksheet_set_row_opt(ws, lxw_row_t(info.row - 1), standardPoints, format,
                                                         &hidden);
            Check(result, sheet, "the rows");
        }
    }

    void WriteCells(const Worksheet& sheet, lxw_worksheet* ws)
    {
        sheet.ForEachCell([&](int r, int c, const Cell& cell) {
            lxw_format* format =
                FormatFor(cell.formatId != kNoFormat ? cell.formatId : sheet.EffectiveFormatId(r, c));
            const auto row = lxw_row_t(r - 1);
            const auto column = lxw_col_t(c - 1);
            lxw_error result;
            if (cell.value.IsNumber() && std::isfinite(cell.value.Number()))
                result = Lxw().worksheet_write_number(ws, row, column, cell.value.Number(), format);
            else if (cell.value.IsText() && !cell.value.Text().empty())
                result = Lxw().worksheet_write_string(ws, row, column, cell.value.Text().c_str(), format);
            else
                result = Lxw().worksheet_write_blank(ws, row, column, format);
            Check(result, sheet, "a cell");
        });
    }

    static void WriteSelection(const Worksheet& sheet, lxw_worksheet* ws)
    {
        const CellRange& area = sheet.SelectedArea();
        Lxw().worksheet_set_selection(ws, lxw_row_t(area.firstRow - 1), lxw_col_t(area.firstColumn - 1),
                                      lxw_row_t(area.lastRow - 1), lxw_col_t(area.lastColumn - 1));
        // The library makes the area's first cell the active one; the model may name another.
        lxw_selection* selection = STAILQ_FIRST(ws->selections);
        if (selection && (sheet.ActiveRow() != area.firstRow || sheet.ActiveColumn() != area.firstColumn))
            Lxw().lxw_rowcol_to_cell(selection->active_cell, lxw_row_t(sheet.ActiveRow() - 1),
                                     lxw_col_t(sheet.ActiveColumn() - 1));
    }

    static void WritePageSetup(const PageLayout& layout, lxw_worksheet* ws)
    {
        if (layout.landscape)
            Lxw().worksheet_set_landscape(ws);
        if (layout.fitToPages)
            Lxw().worksheet_fit_to_pages(ws, uint16_t(layout.fitPagesWide), uint16_t(layout.fitPagesTall));
        else if (layout.zoom != PageLayout{}.zoom)
            Lxw().worksheet_set_print_scale(ws, uint16_t(layout.zoom));
        if (layout.centerHorizontally)
            Lxw().worksheet_center_horizontally(ws);
        // As the .xls: the paper is named once the printer fields are set (landscape, a scale or a
        // paper of its own), else the printer decides. Both formats share the paper codes.
        if (layout.landscape || layout.zoom != PageLayout{}.zoom ||
            layout.paperSize != PageLayout{}.paperSize)
            Lxw().worksheet_set_paper(ws, static_cast<uint8_t>(layout.paperSize));
        Lxw().worksheet_set_margins(ws, kMarginLeftRight, kMarginLeftRight, kMarginTopBottom,
                                    kMarginTopBottom);
        lxw_header_footer_options margin{};
        margin.margin = kHeaderFooterMargin;
        Lxw().worksheet_set_header_opt(ws, "", &margin);
        Lxw().worksheet_set_footer_opt(ws, "", &margin);
    }

    const Workbook& wb_;
    lxw_workbook* book_;
    std::vector<lxw_format*> formats_;
    std::string error_;
};

constexpr const char* kScratchPrefix = "morvessa-xlsx-";

std::string ScratchFolder()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    return error ? std::string("/tmp") : folder.string();
}

// The library writes only to a named file: a private, locked scratch file in TMPDIR, which the
// start-up sweep removes if a killed run left it.
io::ScratchFile NewScratchFile()
{
    try {
        return io::ScratchFile(ScratchFolder(), kScratchPrefix);
    } catch (const io::FileError& error) {
        throw XlsxError("The workbook could not be written: no temporary file in " + error.path() + " (" +
                        error.reason() + ").");
    }
}

}  // namespace

std::vector<uint8_t> WriteWorkbookBytes(const Workbook& wb)
{
    Lxw();  // a missing library is reported before anything is written
    const io::CNumbersInScope cNumbers;  // the library prints sizes and margins with printf
    const io::ScratchFile scratch = NewScratchFile();
    // The default mode keeps the sheets in memory until the close: the fastest at a workbook's size
    // here, and the only one that takes merged areas in any order.
    lxw_workbook_options options{};
    options.constant_memory = LXW_FALSE;
    lxw_workbook* book = Lxw().workbook_new_opt(scratch.Path().c_str(), &options);
    if (!book)
        throw XlsxError("The workbook could not be written: out of memory.");
    Builder builder(wb, book);
    builder.Build();
    const lxw_error closed = Lxw().workbook_close(book);  // writes the file and releases the workbook
    if (!builder.Error().empty())
        throw XlsxError("The workbook could not be written: " + builder.Error() + ".");
    if (closed != LXW_NO_ERROR)
        throw XlsxError("The workbook could not be written: " + Reason(closed) + ".");
    std::error_code error;
    const auto size = std::filesystem::file_size(scratch.Path(), error);
    std::vector<uint8_t> bytes(error ? 0 : size);
    std::ifstream in(scratch.Path(), std::ios::binary);
    if (error || bytes.empty() ||
        !in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size())))
        throw XlsxError("The workbook could not be written: the temporary file could not be read back.");
    return bytes;
}

int RemoveAbandonedScratchFiles()
{
    return io::RemoveAbandonedFiles(ScratchFolder(), kScratchPrefix);
}

void SaveWorkbook(const Workbook& wb, const std::string& path)
{
    const std::vector<uint8_t> bytes = WriteWorkbookBytes(wb);
    try {
        io::ReplaceFileAtomically(path, bytes);
    } catch (const io::FileError& error) {
        throw XlsxError(path, error.reason());
    }
}

void SaveXlsFileAsXlsx(const std::string& xlsPath, const std::string& xlsxPath)
{
    const std::unique_ptr<Workbook> workbook = xls::OpenWorkbook(xlsPath);
    SaveWorkbook(*workbook, xlsxPath);
}

}  // namespace morvessa::sheet::xlsx
