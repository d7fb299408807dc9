#include "host/SheetPicture.h"

#include "host/CellText.h"
#include "host/Palette.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/Worksheet.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <utility>

namespace morvessa {

using sheet::BorderLine;
using sheet::CellFormat;
using sheet::CellRange;
using sheet::FontFormat;

namespace {

// 96 dots per inch as QImage stores it (dots per metre); the painter's logical dpi rounds to 96.
constexpr int kDotsPerMetre = 3780;
// Gridlines as a spreadsheet shows them on screen.
const QColor kGridColour(208, 208, 208);
// Text keeps this distance from the left and right grid lines of its cell.
constexpr int kTextInset = 2;

QImage PictureSurface(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    return image;
}

// A 96-dpi device for measuring text before any picture exists.
const QImage& MeasuringDevice()
{
    static const QImage device = PictureSurface(1, 1);
    return device;
}

QString FamilyFor(const std::string& name)
{
    const QString family = QString::fromStdString(name);
    if (family.compare("Arial", Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Sans");
    if (family.compare("Times New Roman", Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Serif");
    if (family.compare("Courier New", Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Mono");
    return family;
}

int LineThickness(const BorderLine& line)
{
    if (line.lineStyle == sheet::xlDouble) return 3;
    if (line.weight == sheet::xlThick) return 3;
    if (line.weight == sheet::xlMedium) return 2;
    return 1;
}

// On/off lengths of a border's dash pattern; empty for a solid line.
std::vector<int> DashPattern(const BorderLine& line)
{
    switch (line.lineStyle) {
    case sheet::xlDash: return {3, 1};
    case sheet::xlDot: return {1, 1};
    case sheet::xlDashDot: return {3, 1, 1, 1};
    case sheet::xlDashDotDot: return {3, 1, 1, 1, 1, 1};
    case sheet::xlSlantDashDot: return {5, 1, 1, 1};
    default: break;
    }
    if (line.weight == sheet::xlHairline) return {1, 1};
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
        if (line && !line->IsNone() && (!chosen || LineThickness(*line) > LineThickness(*chosen))) chosen = line;
    }
    if (!chosen) return {};
    return {Segment::kBorder, *chosen};
}

// Draws a run of equal segments along one grid line. `along` runs from `from` to `to` inclusive;
// `across` is the grid line's position. Rectangles, not pens, so every pixel lands exactly.
void DrawRun(QPainter& painter, const Segment& segment, bool horizontal, int across, int from, int to)
{
    if (segment.kind == Segment::kNothing) return;
    const auto fill = [&](int a0, int length, int c0, int thickness, const QColor& colour) {
        if (horizontal) painter.fillRect(a0, c0, length, thickness, colour);
        else painter.fillRect(c0, a0, thickness, length, colour);
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
        if (step % 2 == 0) fill(position, std::min(dashes[step], to - position + 1), start, thickness, colour);
    }
}

Qt::BrushStyle PatternBrush(int pattern)
{
    switch (pattern) {
    case sheet::xlGray75: return Qt::Dense2Pattern;
    case sheet::xlSemiGray75: return Qt::Dense3Pattern;
    case sheet::xlGray50: return Qt::Dense4Pattern;
    case sheet::xlGray25: return Qt::Dense5Pattern;
    case sheet::xlGray16: return Qt::Dense6Pattern;
    case sheet::xlGray8: return Qt::Dense7Pattern;
    case sheet::xlLightHorizontal: return Qt::HorPattern;
    case sheet::xlLightVertical: return Qt::VerPattern;
    case sheet::xlLightDown:
    case sheet::xlDown: return Qt::FDiagPattern;
    case sheet::xlLightUp:
    case sheet::xlUp: return Qt::BDiagPattern;
    case sheet::xlGrid: return Qt::CrossPattern;
    case sheet::xlCrissCross:
    case sheet::xlChecker: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

Qt::Alignment HorizontalFlags(int alignment, bool isNumber)
{
    switch (alignment) {
    case sheet::xlLeft:
    case sheet::xlFill:
    case sheet::xlJustify: return Qt::AlignLeft;
    case sheet::xlRight: return Qt::AlignRight;
    case sheet::xlCenter:
    case sheet::xlCenterAcrossSelection:
    case sheet::xlDistributed: return Qt::AlignHCenter;
    default: return isNumber ? Qt::AlignRight : Qt::AlignLeft;  // general
    }
}

Qt::Alignment VerticalFlags(int alignment)
{
    switch (alignment) {
    case sheet::xlTop: return Qt::AlignTop;
    case sheet::xlCenter:
    case sheet::xlJustify:
    case sheet::xlDistributed: return Qt::AlignVCenter;
    default: return Qt::AlignBottom;
    }
}

// The fonts one picture needs, built once each.
class FontCache {
public:
    const QFont& Get(const FontFormat& format)
    {
        for (const auto& [key, font] : fonts_) {
            if (key == format) return font;
        }
        fonts_.emplace_back(format, ScreenFont(format));
        return fonts_.back().second;
    }

private:
    std::vector<std::pair<FontFormat, QFont>> fonts_;
};

}  // namespace

QFont ScreenFont(const FontFormat& format)
{
    QFont font(FamilyFor(format.name));
    font.setPointSizeF(format.size > 0 ? format.size : 10.0);
    font.setBold(format.bold);
    font.setItalic(format.italic);
    font.setStrikeOut(format.strikethrough);
    font.setUnderline(format.underline != sheet::xlUnderlineStyleNone);
    return font;
}

int MaxDigitWidth(const FontFormat& format)
{
    // The default font rarely changes: remember the last answer.
    static FontFormat lastFormat;
    static int lastWidth = 0;
    if (lastWidth > 0 && lastFormat == format) return lastWidth;
    const QFontMetricsF metrics(ScreenFont(format), &MeasuringDevice());
    double widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit) widest = std::max(widest, metrics.horizontalAdvance(QChar(digit)));
    lastFormat = format;
    lastWidth = std::max(1, static_cast<int>(std::lround(widest)));
    return lastWidth;
}

int ColumnWidthPixels(double characters, int maxDigitWidth)
{
    if (!(characters > 0)) return 0;
    // Below one character the padding shrinks with the width, as spreadsheet programs do it.
    if (characters < 1) return static_cast<int>(std::lround(characters * (maxDigitWidth + 5)));
    return static_cast<int>(std::lround(characters * maxDigitWidth + 5));
}

int RowHeightPixels(double points)
{
    if (!(points > 0)) return 0;
    return static_cast<int>(std::lround(points * kPictureDpi / 72.0));
}

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
        if (grid.ys.back() > 1 << 20) break;
    }
    return grid;
}

QImage RenderRangePicture(const sheet::Worksheet& sheet, const CellRange& area)
{
    const PictureGrid grid = LayoutGrid(sheet, area);
    const int rows = area.RowCount();
    const int columns = area.ColumnCount();
    constexpr int kMaxSide = 32767;
    if (static_cast<int>(grid.ys.size()) != rows + 1 || grid.Width() > kMaxSide || grid.Height() > kMaxSide ||
        static_cast<long long>(grid.Width()) * grid.Height() > 64LL * 1024 * 1024) {
        throw sheet::HostError("CopyPicture method of Range class failed: the range is too large to draw");
    }

    const auto at = [columns](int r, int c) { return static_cast<size_t>(r) * columns + c; };
    // Effective formats, and which drawn block (merged area, clipped to the range) each cell is in.
    std::vector<const CellFormat*> formats(static_cast<size_t>(rows) * columns);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) formats[at(r, c)] = &sheet.EffectiveFormat(area.firstRow + r, area.firstColumn + c);
    }
    struct Block {
        CellRange merge;    // the whole merged area (its top-left cell holds value and format)
        CellRange visible;  // the part inside the range, in sheet coordinates
    };
    std::vector<Block> blocks;
    std::vector<int> blockOf(formats.size(), -1);
    for (const CellRange& merge : sheet.MergedAreas()) {
        if (!merge.Intersects(area)) continue;
        const CellRange visible{std::max(merge.firstRow, area.firstRow), std::max(merge.firstColumn, area.firstColumn),
                                std::min(merge.lastRow, area.lastRow), std::min(merge.lastColumn, area.lastColumn)};
        for (int r = visible.firstRow; r <= visible.lastRow; ++r) {
            for (int c = visible.firstColumn; c <= visible.lastColumn; ++c) {
                blockOf[at(r - area.firstRow, c - area.firstColumn)] = static_cast<int>(blocks.size());
            }
        }
        blocks.push_back({merge, visible});
    }
    // Every cell that is not part of a merged area is a block of its own.
    const auto blockFor = [&](int r, int c) -> Block {
        const int index = blockOf[at(r, c)];
        if (index >= 0) return blocks[static_cast<size_t>(index)];
        const CellRange cell = CellRange::Cell(area.firstRow + r, area.firstColumn + c);
        return {cell, cell};
    };
    const auto isBlockStart = [&](int r, int c) {
        const int index = blockOf[at(r, c)];
        if (index < 0) return true;
        const CellRange& visible = blocks[static_cast<size_t>(index)].visible;
        return visible.firstRow == area.firstRow + r && visible.firstColumn == area.firstColumn + c;
    };
    const auto blockRect = [&](const CellRange& visible) {
        const int x0 = grid.xs[static_cast<size_t>(visible.firstColumn - area.firstColumn)];
        const int x1 = grid.xs[static_cast<size_t>(visible.lastColumn - area.firstColumn + 1)];
        const int y0 = grid.ys[static_cast<size_t>(visible.firstRow - area.firstRow)];
        const int y1 = grid.ys[static_cast<size_t>(visible.lastRow - area.firstRow + 1)];
        return QRect(QPoint(x0, y0), QPoint(x1, y1));  // both grid lines included
    };
    const auto formatOf = [&](const Block& block) -> const CellFormat& {
        return sheet.EffectiveFormat(block.merge.firstRow, block.merge.firstColumn);
    };

    QImage image = PictureSurface(grid.Width(), grid.Height());
    image.fill(Qt::white);
    QPainter painter(&image);

    // Which cells carry a fill of their own (their gridlines are hidden under it).
    std::vector<char> filled(formats.size(), 0);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (!isBlockStart(r, c)) continue;
            const Block block = blockFor(r, c);
            if (!formatOf(block).interior.HasFill()) continue;
            for (int br = block.visible.firstRow; br <= block.visible.lastRow; ++br) {
                for (int bc = block.visible.firstColumn; bc <= block.visible.lastColumn; ++bc) {
                    filled[at(br - area.firstRow, bc - area.firstColumn)] = 1;
                }
            }
        }
    }

    // Grid lines and borders. A unit between two cells of one merged area shows nothing; else a
    // border of either cell, else the gridline when neither cell is filled.
    const auto sameBlock = [&](size_t a, size_t b) { return blockOf[a] >= 0 && blockOf[a] == blockOf[b]; };
    struct BorderRun {
        Segment segment;
        bool horizontal;
        int across, from, to;
    };
    std::vector<BorderRun> borderRuns;  // drawn after the text, so text never covers a border
    const auto emitRuns = [&](bool horizontal, int across, const std::vector<Segment>& units,
                              const std::vector<int>& stops) {
        size_t begin = 0;
        for (size_t i = 1; i <= units.size(); ++i) {
            if (i < units.size() && units[i] == units[begin]) continue;
            const Segment& segment = units[begin];
            if (segment.kind == Segment::kGrid) DrawRun(painter, segment, horizontal, across, stops[begin], stops[i]);
            else if (segment.kind == Segment::kBorder) borderRuns.push_back({segment, horizontal, across, stops[begin], stops[i]});
            begin = i;
        }
    };
    std::vector<Segment> units;
    for (int k = 0; k <= rows; ++k) {
        units.assign(static_cast<size_t>(columns), Segment{});
        for (int c = 0; c < columns; ++c) {
            const bool hasAbove = k > 0;
            const bool hasBelow = k < rows;
            if (hasAbove && hasBelow && sameBlock(at(k - 1, c), at(k, c))) continue;
            Segment unit = PickBorder(hasAbove ? &formats[at(k - 1, c)]->Border(sheet::xlEdgeBottom) : nullptr,
                                      hasBelow ? &formats[at(k, c)]->Border(sheet::xlEdgeTop) : nullptr);
            if (unit.kind == Segment::kNothing && !(hasAbove && filled[at(k - 1, c)]) &&
                !(hasBelow && filled[at(k, c)])) {
                unit.kind = Segment::kGrid;
            }
            units[static_cast<size_t>(c)] = unit;
        }
        emitRuns(true, grid.ys[static_cast<size_t>(k)], units, grid.xs);
    }
    for (int k = 0; k <= columns; ++k) {
        units.assign(static_cast<size_t>(rows), Segment{});
        for (int r = 0; r < rows; ++r) {
            const bool hasLeft = k > 0;
            const bool hasRight = k < columns;
            if (hasLeft && hasRight && sameBlock(at(r, k - 1), at(r, k))) continue;
            Segment unit = PickBorder(hasLeft ? &formats[at(r, k - 1)]->Border(sheet::xlEdgeRight) : nullptr,
                                      hasRight ? &formats[at(r, k)]->Border(sheet::xlEdgeLeft) : nullptr);
            if (unit.kind == Segment::kNothing && !(hasLeft && filled[at(r, k - 1)]) &&
                !(hasRight && filled[at(r, k)])) {
                unit.kind = Segment::kGrid;
            }
            units[static_cast<size_t>(r)] = unit;
        }
        emitRuns(false, grid.xs[static_cast<size_t>(k)], units, grid.ys);
    }

    // Fills, over the grid lines they hide.
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (!isBlockStart(r, c)) continue;
            const Block block = blockFor(r, c);
            const sheet::InteriorFormat& interior = formatOf(block).interior;
            if (!interior.HasFill()) continue;
            const QRect rect = blockRect(block.visible);
            painter.fillRect(rect, PaletteColour(interior.colorIndex, Qt::white));
            const Qt::BrushStyle style = PatternBrush(interior.pattern);
            if (style != Qt::SolidPattern) {
                painter.fillRect(rect, QBrush(PaletteColour(interior.patternColorIndex, Qt::black), style));
            }
        }
    }

    // Text, each in its block and clipped to it.
    FontCache fonts;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (!isBlockStart(r, c)) continue;
            const Block block = blockFor(r, c);
            const sheet::Cell* cell = sheet.FindCell(block.merge.firstRow, block.merge.firstColumn);
            if (!cell || cell->value.IsEmpty()) continue;
            const CellFormat& format = formatOf(block);
            const bool isNumber = cell->value.IsNumber();
            QString text = QString::fromStdString(isNumber ? FormatNumber(cell->value.Number(), format.numberFormat)
                                                           : cell->value.Text());
            const QRect outer = blockRect(block.visible);
            const QRectF box(outer.left() + 1 + kTextInset, outer.top() + 1,
                             std::max(0, outer.width() - 2 - 2 * kTextInset), std::max(0, outer.height() - 2));
            const QFont& font = fonts.Get(format.font);
            painter.setFont(font);
            painter.setPen(PaletteColour(format.font.colorIndex, Qt::black));
            QTextOption option(HorizontalFlags(format.horizontalAlignment, isNumber) |
                               VerticalFlags(format.verticalAlignment));
            if (format.wrapText) {
                option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            } else {
                option.setWrapMode(QTextOption::NoWrap);
                // A number that does not fit shows as a row of "#", as on screen.
                if (isNumber) {
                    const QFontMetricsF metrics(font, &image);
                    if (metrics.horizontalAdvance(text) > box.width()) {
                        const double hash = std::max(1.0, metrics.horizontalAdvance(QChar('#')));
                        text = QString(static_cast<int>(box.width() / hash), QChar('#'));
                    }
                }
            }
            painter.setClipRect(outer.adjusted(1, 1, -1, -1));
            painter.drawText(box, text, option);
            painter.setClipping(false);
        }
    }

    // Borders last, over fills and text; diagonals across their block.
    for (const BorderRun& run : borderRuns) DrawRun(painter, run.segment, run.horizontal, run.across, run.from, run.to);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (!isBlockStart(r, c)) continue;
            const Block block = blockFor(r, c);
            const CellFormat& format = formatOf(block);
            const QRect rect = blockRect(block.visible);
            for (int index : {sheet::xlDiagonalDown, sheet::xlDiagonalUp}) {
                const BorderLine& line = format.Border(index);
                if (line.IsNone()) continue;
                painter.setPen(QPen(PaletteColour(line.colorIndex, Qt::black), LineThickness(line)));
                if (index == sheet::xlDiagonalDown) painter.drawLine(rect.topLeft(), rect.bottomRight());
                else painter.drawLine(rect.bottomLeft(), rect.topRight());
            }
        }
    }
    return image;
}

}  // namespace morvessa
