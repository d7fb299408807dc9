#pragma once
// Draws a range of a worksheet the way a spreadsheet program shows it at 100 % zoom: grid geometry
// from column widths and row heights, merged areas as one cell, fills, borders, light gridlines
// where there is no fill, and each cell's text in its font, alignment and number format.

#include <QFont>
#include <QImage>

class QPainter;

#include <optional>
#include <vector>

#include "host/ScreenFonts.h"
#include "host/SheetGeometry.h"
#include "spreadsheet/CellFormat.h"
#include "spreadsheet/CellRange.h"

namespace morvessa {

namespace sheet {
class Worksheet;
}

// Where each column and row of a range starts in the picture. Grid line k lies at xs[k] (ys[k]);
// the picture is xs.back() + 1 wide so that the closing line shows.
struct PictureGrid {
    sheet::CellRange area;
    std::vector<int> xs;  // area.ColumnCount() + 1 entries, xs[0] == 0
    std::vector<int> ys;  // area.RowCount() + 1 entries, ys[0] == 0

    int Width() const { return xs.back() + 1; }
    int Height() const { return ys.back() + 1; }
};

PictureGrid LayoutGrid(const sheet::Worksheet& sheet, const sheet::CellRange& area);

// The largest point size, in half points from the cell's own down to kSmallestShrunkPoints, at
// which the text of the cell (the top-left cell of its merged area) shows whole in its area, wrapped
// as its format says; the cell's own size for a number or an empty cell; nullopt when even the
// smallest size is too large.
std::optional<double> FittingFontSize(const sheet::Worksheet& sheet, int row, int column);

// The grid of `area`; throws sheet::HostError for an area too large to draw.
PictureGrid DrawableGrid(const sheet::Worksheet& sheet, const sheet::CellRange& area);

// Draws the picture of `area` with `painter`, in picture pixels from (0, 0): what a device other
// than a 96-dpi image shows (a PDF page, a printer) is the same drawing, scaled by the painter.
// Text stays text. Fonts are sized for the device's resolution.
void PaintRangePicture(QPainter& painter, const sheet::Worksheet& sheet, const sheet::CellRange& area,
                       const PictureGrid& grid);

// The picture of `area` of the sheet. Throws sheet::HostError for an area too large to draw.
QImage RenderRangePicture(const sheet::Worksheet& sheet, const sheet::CellRange& area);

}  // namespace morvessa
