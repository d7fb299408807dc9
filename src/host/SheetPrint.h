#pragma once
// Month sheets on paper: one page per sheet, its used range drawn by the sheet picture's painter
// (SheetPicture.h), scaled into the page inside the margins (every month at one scale). The same pages
// go to a PDF file (QPdfWriter) and to a printer (QPrinter): both are paged paint devices.

#include "host/SheetFiles.h"
#include "settings/PaperSetting.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace morvessa {

namespace sheet {
class Workbook;
class Worksheet;
}  // namespace sheet

// The margins a spreadsheet program prints with by default: 0.75 inch left and right, 1 inch at
// the top and the bottom.
inline constexpr double kPrintSideMarginPoints = 54.0;
inline constexpr double kPrintTopMarginPoints = 72.0;

QPageSize::PageSizeId PageSizeOf(Paper paper);

// The paper in the orientation, with the margins above.
QPageLayout CalendarPageLayout(Paper paper, QPageLayout::Orientation orientation = QPageLayout::Landscape);

// The orientation the first sheet's page setup asks for; landscape without sheets.
QPageLayout::Orientation PagesOrientation(const std::vector<const sheet::Worksheet*>& sheets);

// Where a picture lands inside the page's margins: its top-left corner in device pixels, and its
// size as a fraction of its full size.
struct PagePlacement {
    QPointF origin;
    double scale = 1;
};

// The placement of each picture (its size in device pixels at full scale; empty for a sheet
// without cells) in `room`: equally wide pictures share one scale, the largest that fits all of
// them, and one top edge, each centred across the page.
std::vector<PagePlacement> PlaceSheetsOnPages(const std::vector<QSizeF>& pictures, QSizeF room);

// Paints one page per sheet on a device whose page layout is already set (the user may have
// changed it in a print dialog). A sheet without cells gives an empty page. Throws
// std::runtime_error when the device cannot be painted on, sheet::HostError for a range too large
// to draw.
void PaintSheetPages(QPagedPaintDevice& device, const std::vector<const sheet::Worksheet*>& sheets);

// The sheets as a PDF document: vector drawing, text as text, fonts embedded.
QByteArray SheetsPdf(const std::vector<const sheet::Worksheet*>& sheets, Paper paper, const QString& title,
                     QPageLayout::Orientation orientation = QPageLayout::Landscape);
// The same on the pages of `layout` (a printer's, when printing to a file).
QByteArray SheetsPdf(const std::vector<const sheet::Worksheet*>& sheets, const QPageLayout& layout,
                     const QString& title);

}  // namespace morvessa
