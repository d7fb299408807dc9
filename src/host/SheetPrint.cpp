#include "host/SheetPrint.h"

#include "host/SheetPicture.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <limits>
#include <optional>
#include <stdexcept>

namespace morvessa {

namespace {

// Fine enough that rounding inside the PDF engine never shows at any zoom.
constexpr int kPdfResolution = 1200;

}  // namespace

QPageSize::PageSizeId PageSizeOf(Paper paper)
{
    switch (paper) {
    case Paper::Letter:
        return QPageSize::Letter;
    case Paper::Legal:
        return QPageSize::Legal;
    case Paper::A3:
        return QPageSize::A3;
    case Paper::A4:
        break;
    }
    return QPageSize::A4;
}

QPageLayout CalendarPageLayout(Paper paper, QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(PageSizeOf(paper)), orientation,
                       QMarginsF(kPrintSideMarginPoints, kPrintTopMarginPoints, kPrintSideMarginPoints,
                                 kPrintTopMarginPoints),
                       QPageLayout::Point);
}

QPageLayout::Orientation PagesOrientation(const std::vector<const sheet::Worksheet*>& sheets)
{
    return sheets.empty() || sheets.front()->Layout().landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

std::vector<PagePlacement> PlaceSheetsOnPages(const std::vector<QSizeF>& pictures, QSizeF room)
{
    // Pages whose pictures are equally wide (the month sheets) share the scale that fits the
    // tallest of them and its top edge: titles and day numbers keep one size and one place from
    // page to page, whether a month has four, five or six week rows.
    std::vector<PagePlacement> placements(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        double scale = std::numeric_limits<double>::max();
        double tallest = 0;
        for (const QSizeF& other : pictures) {
            if (other.width() != pictures[i].width() || other.isEmpty())
                continue;
            scale = std::min({scale, room.width() / other.width(), room.height() / other.height()});
            tallest = std::max(tallest, other.height());
        }
        if (pictures[i].isEmpty())
            continue;
        placements[i].scale = scale;
        placements[i].origin = QPointF((room.width() - pictures[i].width() * scale) / 2,
                                       (room.height() - tallest * scale) / 2);
    }
    return placements;
}

void PaintSheetPages(QPagedPaintDevice& device, const std::vector<const sheet::Worksheet*>& sheets)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("The pages cannot be drawn: the printer or file refused them.");
    // The painter's origin is the top-left corner inside the margins.
    const QSizeF room = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    // Device pixels per picture pixel at full size.
    const double unit = device.logicalDpiX() / kPictureDpi;
    std::vector<std::optional<PictureGrid>> grids;
    std::vector<QSizeF> pictures;
    for (const sheet::Worksheet* sheet : sheets) {
        const std::optional<sheet::CellRange> area = sheet->UsedArea();
        grids.push_back(area ? std::optional(DrawableGrid(*sheet, *area)) : std::nullopt);
        pictures.push_back(grids.back() ? QSizeF(grids.back()->Width(), grids.back()->Height()) * unit
                                        : QSizeF());
    }
    const std::vector<PagePlacement> placements = PlaceSheetsOnPages(pictures, room);
    for (std::size_t page = 0; page < sheets.size(); ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            throw std::runtime_error("The pages cannot be drawn: no new page could be started.");
        }
        if (!grids[page])
            continue;
        painter.save();
        painter.translate(placements[page].origin);
        painter.scale(placements[page].scale * unit, placements[page].scale * unit);
        PaintRangePicture(painter, *sheets[page], grids[page]->area, *grids[page]);
        painter.restore();
    }
    painter.end();
}

QByteArray SheetsPdf(const std::vector<const sheet::Worksheet*>& sheets, Paper paper, const QString& title,
                     QPageLayout::Orientation orientation)
{
    return SheetsPdf(sheets, CalendarPageLayout(paper, orientation), title);
}

QByteArray SheetsPdf(const std::vector<const sheet::Worksheet*>& sheets, const QPageLayout& layout,
                     const QString& title)
{
    QByteArray bytes;
    // A twelve-month calendar is about 100 kB: one allocation instead of many.
    bytes.reserve(256 * 1024);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(layout);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Morvessa"));
        PaintSheetPages(writer, sheets);
    }
    buffer.close();
    return bytes;
}

}  // namespace morvessa
