#include "host/SheetPicture.h"

#include "host/CellText.h"
#include "host/ScreenFonts.h"
#include "host/Palette.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/Worksheet.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace morvessa {

using sheet::BorderLine;
using sheet::CellFormat;
using sheet::CellRange;
using sheet::FontFormat;

namespace {

// Gridlines as a spreadsheet shows them on screen.
const QColor kGridColour(208, 208, 208);

// Lines of `text` as a cell of `width` pixels breaks them (at word boundaries, a long word anywhere,
// and at every line break of its own), measured at the picture's resolution.
struct BrokenText {
    QStringList lines;
    double lineHeight = 0;
    double widest = 0;

    double Height() const { return lines.size() * lineHeight; }
};

BrokenText BreakText(const QFont& font, const QString& text, double width, bool wrap)
{
    BrokenText broken;
    const QFontMetricsF metrics(font, &MeasuringDevice());
    broken.lineHeight = metrics.height();
    for (const QString& paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font, const_cast<QImage*>(&MeasuringDevice()));
        QTextOption option;
        option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const QString part = paragraph.mid(line.textStart(), line.textLength()).trimmed();
            broken.lines.append(part);
            broken.widest = std::max(broken.widest, metrics.horizontalAdvance(part));
        }
        layout.endLayout();
        if (paragraph.isEmpty())
            broken.lines.append(QString());
    }
    return broken;
}

bool Fits(const BrokenText& broken, const QSizeF& box)
{
    return broken.Height() <= box.height() && broken.widest <= box.width();
}

// The text area of a block whose rectangle (grid lines included) is `rect`.
QRectF TextBox(const QRect& rect)
{
    return QRectF(rect.adjusted(1, 1, -1, -1)).adjusted(kTextInset, 0, -kTextInset, 0);
}

// The largest size in half points from the format's own down to kSmallestShrunkPoints at which
// the text shows whole in `box`; nullopt when not even the smallest does.
std::optional<double> ShrunkSize(const FontFormat& format, const QString& text, const QSizeF& box, bool wrap)
{
    const double own = format.size > 0 ? format.size : 10.0;
    for (double size = std::floor(own * 2) / 2; size >= kSmallestShrunkPoints; size -= 0.5) {
        FontFormat smaller = format;
        smaller.size = size;
        if (Fits(BreakText(ScreenFont(smaller), text, box.width(), wrap), box))
            return size;
    }
    return std::nullopt;
}

// The lines that fit `box` at the smallest size, the last one ending in "…" where text was left out.
QStringList ElidedLines(const QFont& font, const QString& text, const QSizeF& box, bool wrap)
{
    const BrokenText broken = BreakText(font, text, box.width(), wrap);
    const QFontMetricsF metrics(font, &MeasuringDevice());
    const qsizetype room = std::max<qsizetype>(1, static_cast<qsizetype>(box.height() / broken.lineHeight));
    QStringList lines = broken.lines.mid(0, room);
    const QString ellipsis(QChar(0x2026));
    for (QString& line : lines) {
        const bool last = &line == &lines.back();
        if (!last && metrics.horizontalAdvance(line) <= box.width())
            continue;
        if (last && broken.lines.size() <= room && metrics.horizontalAdvance(line) <= box.width())
            continue;
        while (!line.isEmpty() && metrics.horizontalAdvance(line + ellipsis) > box.width())
            line.chop(1);
        line = line.trimmed() + ellipsis;
    }
    return lines;
}

int LineThickness(const BorderLine& line)
{
    if (line.lineStyle == sheet::xlDouble)
        return 3;
    if (line.weight == sheet::xlThick)
        return 3;
    if (line.weight == sheet::xlMedium)
        return 2;
    return 1;
}

// On/off lengths of a border's dash pattern; empty for a solid line.
std::vector<int> DashPattern(const BorderLine& line)
{
    switch (line.lineStyle) {
    case sheet::xlDash:
        return {3, 1};
    case sheet::xlDot:
        return {1, 1};
    case sheet::xlDashDot:
        return {3, 1, 1, 1};
    case sheet::xlDashDotDot:
        return {3, 1, 1, 1, 1, 1};
    case sheet::xlSlantDashDot:
        return {5, 1, 1, 1};
    default:
        break;
    }
    if (line.weight == sheet::xlHairline)
        return {1, 1};
    return {};
}

// What lies on one unit of a grid line: nothing, the light gridline, or a border.
struct Segment {
    enum Kind { kNothing, kGrid, kBorder } kind = kNothing;
    BorderLine line;

    friend bool operator==(const Segment& a, const Segment& b)
    {
        return a.kind == b.kind && (a.kind != kBorder || a.line == b.line);
    }
};

Segment PickBorder(const BorderLine* first, const BorderLine* second)
{
    const BorderLine* chosen = nullptr;
    for (const BorderLine* line : {first, second}) {
        if (line && !line->IsNone() && (!chosen || LineThickness(*line) > LineThickness(*chosen)))
            chosen = line;
    }
    if (!chosen)
        return {};
    return {Segment::kBorder, *chosen};
}

// Draws a run of equal segments along one grid line. `along` runs from `from` to `to` inclusive;
// `across` is the grid line's position. Rectangles, not pens, so every pixel lands exactly.
void DrawRun(QPainter& painter, const Segment& segment, bool horizontal, int across, int from, int to)
{
    if (segment.kind == Segment::kNothing)
        return;
    const auto fill = [&](int a0, int length, int c0, int thickness, const QColor& colour) {
        if (horizontal)
            painter.fillRect(a0, c0, length, thickness, colour);
        else
            painter.fillRect(c0, a0, thickness, length, colour);
    };
    if (segment.kind == Segment::kGrid) {
        fill(from, to - from + 1, across, 1, kGridColour);
        return;
    }
    const BorderLine& line = segment.line;
    const QColor colour = PaletteColour(line.colorIndex, Qt::black);
    if (line.lineStyle == sheet::xlDouble) {
        fill(from, to - from + 1, across - 1, 1, colour);
        fill(from, to - from + 1, across + 1, 1, colour);
        return;
    }
    const int thickness = LineThickness(line);
    const int start = across - (thickness - 1) / 2;
    const std::vector<int> dashes = DashPattern(line);
    if (dashes.empty()) {
        fill(from, to - from + 1, start, thickness, colour);
        return;
    }
    size_t step = 0;
    for (int position = from; position <= to; position += dashes[step], step = (step + 1) % dashes.size()) {
        if (step % 2 == 0)
            fill(position, std::min(dashes[step], to - position + 1), start, thickness, colour);
    }
}

Qt::BrushStyle PatternBrush(int pattern)
{
    switch (pattern) {
    case sheet::xlGray75:
        return Qt::Dense2Pattern;
    case sheet::xlSemiGray75:
        return Qt::Dense3Pattern;
    case sheet::xlGray50:
        return Qt::Dense4Pattern;
    case sheet::xlGray25:
        return Qt::Dense5Pattern;
    case sheet::xlGray16:
        return Qt::Dense6Pattern;
    case sheet::xlGray8:
        return Qt::Dense7Pattern;
    case sheet::xlLightHorizontal:
        return Qt::HorPattern;
    case sheet::xlLightVertical:
        return Qt::VerPattern;
    case sheet::xlLightDown:
    case sheet::xlDown:
        return Qt::FDiagPattern;
    case sheet::xlLightUp:
    case sheet::xlUp:
        return Qt::BDiagPattern;
    case sheet::xlGrid:
        return Qt::CrossPattern;
    case sheet::xlCrissCross:
    case sheet::xlChecker:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

Qt::Alignment HorizontalFlags(int alignment, bool isNumber)
{
    switch (alignment) {
    case sheet::xlLeft:
    case sheet::xlFill:
    case sheet::xlJustify:
        return Qt::AlignLeft;
    case sheet::xlRight:
        return Qt::AlignRight;
    case sheet::xlCenter:
    case sheet::xlCenterAcrossSelection:
    case sheet::xlDistributed:
        return Qt::AlignHCenter;
    default:
        return isNumber ? Qt::AlignRight : Qt::AlignLeft;  // general
    }
}

Qt::Alignment VerticalFlags(int alignment)
{
    switch (alignment) {
    case sheet::xlTop:
        return Qt::AlignTop;
    case sheet::xlCenter:
    case sheet::xlJustify:
    case sheet::xlDistributed:
        return Qt::AlignVCenter;
    default:
        return Qt::AlignBottom;
    }
}

// The fonts one picture needs, built once each. A device of another resolution than the
// picture's sizes fonts by its own dots per inch, so their point sizes shrink by `scale` there.
class FontCache {
public:
    explicit FontCache(double scale) : scale_(scale) {}

    const QFont& Get(const FontFormat& format)
    {
        for (const auto& [key, font] : fonts_) {
            if (key == format)
                return font;
        }
        QFont font = ScreenFont(format);
        if (scale_ != 1.0)
            font.setPointSizeF(font.pointSizeF() * scale_);
        fonts_.emplace_back(format, font);
        return fonts_.back().second;
    }

private:
    double scale_;
    std::vector<std::pair<FontFormat, QFont>> fonts_;
};

}  // namespace

PictureGrid LayoutGrid(const sheet::Worksheet& sheet, const CellRange& area)
{
    PictureGrid grid;
    grid.area = area;
    const int digit = MaxDigitWidth(sheet.Formats().Get(sheet::FormatTable::kDefaultId).font);
    grid.xs.reserve(static_cast<size_t>(area.ColumnCount()) + 1);
    grid.xs.push_back(0);
    for (int column = area.firstColumn; column <= area.lastColumn; ++column) {
        grid.xs.push_back(grid.xs.back() + ColumnWidthPixels(sheet.ColumnWidthAt(column), digit));
    }
    grid.ys.reserve(static_cast<size_t>(area.RowCount()) + 1);
    grid.ys.push_back(0);
    for (int row = area.firstRow; row <= area.lastRow; ++row) {
        grid.ys.push_back(grid.ys.back() + RowHeightPixels(sheet.RowHeightAt(row)));
        // Stop early: a picture this tall is refused below anyway.
        if (grid.ys.back() > 1 << 20)
            break;
    }
    return grid;
}

namespace {

// Draws one range: grid lines, fills, text, borders, in that order, so fills hide the gridlines
// under them and borders stay on top of everything.
class RangePainter {
public:
    RangePainter(const sheet::Worksheet& sheet, const CellRange& area, const PictureGrid& grid,
                 double fontScale)
        : sheet_(sheet), area_(area), grid_(grid), rows_(area.RowCount()), columns_(area.ColumnCount()),
          formats_(static_cast<size_t>(rows_) * columns_), blockOf_(formats_.size(), -1),
          filled_(formats_.size(), 0), fonts_(fontScale), measuringFonts_(1.0)
    {
        for (int r = 0; r < rows_; ++r) {
            for (int c = 0; c < columns_; ++c) {
                formats_[At(r, c)] = &sheet.EffectiveFormat(area.firstRow + r, area.firstColumn + c);
            }
        }
        for (const CellRange& merge : sheet.MergedAreas()) {
            if (!merge.Intersects(area))
                continue;
            const CellRange visible{
                std::max(merge.firstRow, area.firstRow), std::max(merge.firstColumn, area.firstColumn),
                std::min(merge.lastRow, area.lastRow), std::min(merge.lastColumn, area.lastColumn)};
            ForEachCell(visible, [&](size_t index) { blockOf_[index] = static_cast<int>(blocks_.size()); });
            blocks_.push_back({merge, visible});
        }
        ForEachBlock([&](const Block& block) {
            if (FormatOf(block).interior.HasFill())
                ForEachCell(block.visible, [&](size_t index) { filled_[index] = 1; });
        });
    }

    void Paint(QPainter& painter)
    {
        // Pictures are drawn by the raster engine; anything else (a PDF, a printer) describes pages.
        vectorDevice_ = painter.paintEngine() && painter.paintEngine()->type() != QPaintEngine::Raster;
        DrawLines(painter);
        DrawFills(painter);
        DrawTexts(painter);
        for (const BorderRun& run : borderRuns_) {
            DrawRun(painter, run.segment, run.horizontal, run.across, run.from, run.to);
        }
        DrawDiagonals(painter);
    }

private:
    // A merged area (or a single cell) as drawn: its top-left cell holds its value and format.
    struct Block {
        CellRange merge;    // the whole area
        CellRange visible;  // the part inside the range
    };
    struct BorderRun {
        Segment segment;
        bool horizontal;
        int across, from, to;
    };

    size_t At(int r, int c) const { return static_cast<size_t>(r) * columns_ + c; }

    template <class F>
    void ForEachCell(const CellRange& cells, F&& f) const
    {
        for (int r = cells.firstRow; r <= cells.lastRow; ++r) {
            for (int c = cells.firstColumn; c <= cells.lastColumn; ++c)
                f(At(r - area_.firstRow, c - area_.firstColumn));
        }
    }

    // Every block once, in reading order of its top-left visible cell.
    template <class F>
    void ForEachBlock(F&& f) const
    {
        for (int r = 0; r < rows_; ++r) {
            for (int c = 0; c < columns_; ++c) {
                const int index = blockOf_[At(r, c)];
                if (index < 0) {
                    const CellRange cell = CellRange::Cell(area_.firstRow + r, area_.firstColumn + c);
                    f(Block{cell, cell});
                    continue;
                }
                const Block& block = blocks_[static_cast<size_t>(index)];
                if (block.visible.firstRow == area_.firstRow + r &&
                    block.visible.firstColumn == area_.firstColumn + c) {
                    f(block);
                }
            }
        }
    }

    const CellFormat& FormatOf(const Block& block) const
    {
        return sheet_.EffectiveFormat(block.merge.firstRow, block.merge.firstColumn);
    }

    // The block's rectangle including the grid lines on all four sides.
    QRect RectOf(const CellRange& visible) const
    {
        const auto x = [&](int column) { return grid_.xs[static_cast<size_t>(column - area_.firstColumn)]; };
        const auto y = [&](int row) { return grid_.ys[static_cast<size_t>(row - area_.firstRow)]; };
        return QRect(QPoint(x(visible.firstColumn), y(visible.firstRow)),
                     QPoint(x(visible.lastColumn + 1), y(visible.lastRow + 1)));
    }

    // One unit of a grid line between two cells (either may lie outside the range): nothing inside
    // a merged area, else a border of either cell, else the gridline when neither cell is filled.
    Segment UnitBetween(std::optional<size_t> before, std::optional<size_t> after, int beforeEdge,
                        int afterEdge) const
    {
        if (before && after && blockOf_[*before] >= 0 && blockOf_[*before] == blockOf_[*after])
            return {};
        Segment unit = PickBorder(before ? &formats_[*before]->Border(beforeEdge) : nullptr,
                                  after ? &formats_[*after]->Border(afterEdge) : nullptr);
        if (unit.kind == Segment::kNothing && !(before && filled_[*before]) && !(after && filled_[*after])) {
            unit.kind = Segment::kGrid;
        }
        return unit;
    }

    // Gridlines are drawn at once, in runs of equal units; borders are kept for the end.
    void DrawLines(QPainter& painter)
    {
        std::vector<Segment> units;
        const auto emitRuns = [&](bool horizontal, int across, const std::vector<int>& stops) {
            size_t begin = 0;
            for (size_t i = 1; i <= units.size(); ++i) {
                if (i < units.size() && units[i] == units[begin])
                    continue;
                if (units[begin].kind == Segment::kGrid) {
                    DrawRun(painter, units[begin], horizontal, across, stops[begin], stops[i]);
                } else if (units[begin].kind == Segment::kBorder) {
                    borderRuns_.push_back({units[begin], horizontal, across, stops[begin], stops[i]});
                }
                begin = i;
            }
        };
        const auto cell = [&](int r, int c, bool inside) {
            return inside ? std::optional(At(r, c)) : std::nullopt;
        };
        for (int k = 0; k <= rows_; ++k) {
            units.clear();
            for (int c = 0; c < columns_; ++c) {
                units.push_back(UnitBetween(cell(k - 1, c, k > 0), cell(k, c, k < rows_), sheet::xlEdgeBottom,
                                            sheet::xlEdgeTop));
            }
            emitRuns(true, grid_.ys[static_cast<size_t>(k)], grid_.xs);
        }
        for (int k = 0; k <= columns_; ++k) {
            units.clear();
            for (int r = 0; r < rows_; ++r) {
                units.push_back(UnitBetween(cell(r, k - 1, k > 0), cell(r, k, k < columns_),
                                            sheet::xlEdgeRight, sheet::xlEdgeLeft));
            }
            emitRuns(false, grid_.xs[static_cast<size_t>(k)], grid_.ys);
        }
    }

    void DrawFills(QPainter& painter) const
    {
        ForEachBlock([&](const Block& block) {
            const sheet::InteriorFormat& interior = FormatOf(block).interior;
            if (!interior.HasFill())
                return;
            const QRect rect = RectOf(block.visible);
            const QColor colour = PaletteColour(interior.colorIndex, Qt::white);
            const Qt::BrushStyle style = PatternBrush(interior.pattern);
            // On blank paper a plain white fill changes nothing (no gridline runs under a fill),
            // and a page description would carry it for every cell.
            if (!(vectorDevice_ && style == Qt::SolidPattern && colour == QColor(Qt::white)))
                painter.fillRect(rect, colour);
            if (style != Qt::SolidPattern) {
                painter.fillRect(rect, QBrush(PaletteColour(interior.patternColorIndex, Qt::black), style));
            }
        });
    }

    // Each value in its block's font, colour and alignment, clipped to the block. Text is measured
    // at the picture's resolution whatever the device, so every device shows the same "#" rows.
    void DrawTexts(QPainter& painter)
    {
        ForEachBlock([&](const Block& block) {
            const sheet::Cell* cell = sheet_.FindCell(block.merge.firstRow, block.merge.firstColumn);
            if (!cell || cell->value.IsEmpty())
                return;
            const CellFormat& format = FormatOf(block);
            const bool isNumber = cell->value.IsNumber();
            QString text = QString::fromStdString(
                isNumber ? FormatNumber(cell->value.Number(), format.numberFormat) : cell->value.Text());
            const QRect inner = RectOf(block.visible).adjusted(1, 1, -1, -1);
            const QRectF box = TextBox(RectOf(block.visible));
            QTextOption option(HorizontalFlags(format.horizontalAlignment, isNumber) |
                               VerticalFlags(format.verticalAlignment));
            if (format.shrinkToFit && !isNumber) {
                DrawShrunkText(painter, format, text, inner, box, option);
                return;
            }
            const QFont& font = fonts_.Get(format.font);
            if (format.wrapText) {
                option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            } else {
                option.setWrapMode(QTextOption::NoWrap);
                // A number that does not fit shows as a row of "#", never cut, as on screen.
                if (isNumber) {
                    const QFontMetricsF metrics(measuringFonts_.Get(format.font), &MeasuringDevice());
                    if (metrics.horizontalAdvance(text) > box.width()) {
                        const double hash = std::max(1.0, metrics.horizontalAdvance(QChar('#')));
                        text = QString(std::max(0, static_cast<int>(box.width() / hash)), QChar('#'));
                    }
                }
            }
            painter.setFont(font);
            painter.setPen(PaletteColour(format.font.colorIndex, Qt::black));
            // A page description pays for every clip; text that fits its block needs none there.
            const bool clip =
                !vectorDevice_ || format.wrapText || !FitsUnclipped(format.font, text, inner, box);
            if (clip)
                painter.setClipRect(inner);
            painter.drawText(format.wrapText ? WrappedTextBox(painter, box, text, option) : box, text,
                             option);
            if (clip)
                painter.setClipping(false);
        });
    }

    // Text that may not grow beyond its block: the largest size down to the smallest readable one
    // that shows it whole, else the smallest with "…" where the rest is left out. The lines are
    // broken once, at the picture's resolution, and drawn one by one, so a page breaks them where
    // the picture does.
    void DrawShrunkText(QPainter& painter, const CellFormat& format, const QString& text, const QRect& inner,
                        const QRectF& box, const QTextOption& option)
    {
        const bool wrap = format.wrapText;
        FontFormat shown = format.font;
        const std::optional<double> size = ShrunkSize(format.font, text, box.size(), wrap);
        shown.size = size.value_or(kSmallestShrunkPoints);
        const QFont& measuring = measuringFonts_.Get(shown);
        const QStringList lines = size ? BreakText(measuring, text, box.width(), wrap).lines
                                       : ElidedLines(measuring, text, box.size(), wrap);
        const double lineHeight = QFontMetricsF(measuring, &MeasuringDevice()).height();
        const double height = lines.size() * lineHeight;
        double top = box.top();
        if (option.alignment() & Qt::AlignVCenter)
            top = box.center().y() - height / 2;
        else if (option.alignment() & Qt::AlignBottom)
            top = box.bottom() - height;
        QTextOption oneLine(option.alignment());
        oneLine.setWrapMode(QTextOption::NoWrap);
        painter.setFont(fonts_.Get(shown));
        painter.setPen(PaletteColour(format.font.colorIndex, Qt::black));
        painter.setClipRect(inner);
        for (const QString& line : lines) {
            painter.drawText(QRectF(box.left(), top, box.width(), lineHeight), line, oneLine);
            top += lineHeight;
        }
        painter.setClipping(false);
    }

    // Qt lays out wrapped text taller than its box from the box's top whatever the alignment; a
    // spreadsheet keeps the part the vertical alignment names in view (the middle of a centred cell).
    static QRectF WrappedTextBox(QPainter& painter, const QRectF& box, const QString& text,
                                 const QTextOption& option)
    {
        const double height = painter.boundingRect(box, text, option).height();
        if (height <= box.height())
            return box;
        QRectF tall(box.left(), box.top(), box.width(), height);
        if (option.alignment() & Qt::AlignVCenter)
            tall.moveTop(box.center().y() - height / 2);
        else if (option.alignment() & Qt::AlignBottom)
            tall.moveBottom(box.bottom());
        return tall;
    }

    bool FitsUnclipped(const FontFormat& format, const QString& text, const QRect& inner, const QRectF& box)
    {
        const QFontMetricsF metrics(measuringFonts_.Get(format), &MeasuringDevice());
        return metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= inner.height();
    }

    void DrawDiagonals(QPainter& painter) const
    {
        ForEachBlock([&](const Block& block) {
            const CellFormat& format = FormatOf(block);
            for (int index : {sheet::xlDiagonalDown, sheet::xlDiagonalUp}) {
                const BorderLine& line = format.Border(index);
                if (line.IsNone())
                    continue;
                const QRect rect = RectOf(block.visible);
                painter.setPen(QPen(PaletteColour(line.colorIndex, Qt::black), LineThickness(line)));
                if (index == sheet::xlDiagonalDown)
                    painter.drawLine(rect.topLeft(), rect.bottomRight());
                else
                    painter.drawLine(rect.bottomLeft(), rect.topRight());
            }
        });
    }

    const sheet::Worksheet& sheet_;
    const CellRange area_;
    const PictureGrid& grid_;
    const int rows_;
    const int columns_;
    std::vector<const CellFormat*> formats_;  // effective format of each cell, row-major
    std::vector<Block> blocks_;               // the merged areas touching the range
    std::vector<int> blockOf_;                // per cell: its merged area in blocks_, or -1
    std::vector<char> filled_;                // per cell: its block has a fill
    std::vector<BorderRun> borderRuns_;
    FontCache fonts_;            // as drawn on the device
    FontCache measuringFonts_;   // as measured at the picture's resolution
    bool vectorDevice_ = false;  // a page description (PDF, printer) rather than a picture
};

}  // namespace

std::optional<double> FittingFontSize(const sheet::Worksheet& sheet, int row, int column)
{
    const sheet::CellRange* merged = sheet.MergedAreaAt(row, column);
    const CellRange block = merged ? *merged : CellRange::Cell(row, column);
    const sheet::Cell* cell = sheet.FindCell(block.firstRow, block.firstColumn);
    const CellFormat& format = sheet.EffectiveFormat(block.firstRow, block.firstColumn);
    const double own = format.font.size > 0 ? format.font.size : 10.0;
    if (!cell || !cell->value.IsText())
        return own;
    const PictureGrid grid = LayoutGrid(sheet, block);
    const QRectF box = TextBox(QRect(QPoint(0, 0), QPoint(grid.xs.back(), grid.ys.back())));
    return ShrunkSize(format.font, QString::fromStdString(cell->value.Text()), box.size(), format.wrapText);
}

PictureGrid DrawableGrid(const sheet::Worksheet& sheet, const CellRange& area)
{
    PictureGrid grid = LayoutGrid(sheet, area);
    constexpr int kMaxSide = 32767;
    if (static_cast<int>(grid.ys.size()) != area.RowCount() + 1 || grid.Width() > kMaxSide ||
        grid.Height() > kMaxSide ||
        static_cast<long long>(grid.Width()) * grid.Height() > 64LL * 1024 * 1024) {
        throw sheet::HostError("CopyPicture method of Range class failed: the range is too large to draw");
    }
    return grid;
}

void PaintRangePicture(QPainter& painter, const sheet::Worksheet& sheet, const CellRange& area,
                       const PictureGrid& grid)
{
    const QPaintDevice* device = painter.device();
    const double fontScale = device && device->logicalDpiY() > 0 ? kPictureDpi / device->logicalDpiY() : 1.0;
    painter.save();
    RangePainter(sheet, area, grid, fontScale).Paint(painter);
    painter.restore();
}

QImage RenderRangePicture(const sheet::Worksheet& sheet, const CellRange& area)
{
    const PictureGrid grid = DrawableGrid(sheet, area);
    QImage image = PictureSurface(grid.Width(), grid.Height());
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintRangePicture(painter, sheet, area, grid);
    return image;
}

}  // namespace morvessa
