#include "host/SheetPrint.h"

#include "host/SheetPicture.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <stdexcept>

namespace morvessa {

namespace {

// Fine enough that rounding inside the PDF engine never shows at any zoom.
constexpr int kPdfResolution = 1200;

[[noreturn]] void ThrowWriteError(const QString& path, const QString& reason)
{
    throw std::runtime_error(QStringLiteral("Cannot write %1: %2").arg(path, reason).toStdString());
}

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

QPageLayout CalendarPageLayout(Paper paper)
{
    return QPageLayout(QPageSize(PageSizeOf(paper)), QPageLayout::Landscape,
                       QMarginsF(kPrintSideMarginPoints, kPrintTopMarginPoints, kPrintSideMarginPoints,
                                 kPrintTopMarginPoints),
                       QPageLayout::Point);
}

std::vector<const sheet::Worksheet*> SheetsInSpan(const sheet::Workbook& book, SheetSpan span)
{
    std::vector<const sheet::Worksheet*> sheets;
    const int first = std::max(1, span.first);
    const int last = std::min(book.SheetCount(), span.last);
    for (int index = first; index <= last; ++index)
        sheets.push_back(&book.Sheet(index));
    return sheets;
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
    bool firstPage = true;
    for (const sheet::Worksheet* sheet : sheets) {
        if (!firstPage && !device.newPage()) {
            painter.end();
            throw std::runtime_error("The pages cannot be drawn: no new page could be started.");
        }
        firstPage = false;
        const std::optional<sheet::CellRange> area = sheet->UsedArea();
        if (!area)
            continue;
        const PictureGrid grid = DrawableGrid(*sheet, *area);
        // The whole month on the page, as large as the room allows: a month fills an A3 sheet as
        // well as a Letter one.
        const double scale =
            unit * std::min(room.width() / (grid.Width() * unit), room.height() / (grid.Height() * unit));
        painter.save();
        painter.translate((room.width() - grid.Width() * scale) / 2,
                          (room.height() - grid.Height() * scale) / 2);
        painter.scale(scale, scale);
        PaintRangePicture(painter, *sheet, *area, grid);
        painter.restore();
    }
    painter.end();
}

QByteArray SheetsPdf(const std::vector<const sheet::Worksheet*>& sheets, Paper paper, const QString& title)
{
    QByteArray bytes;
    // A twelve-month calendar is about 100 kB: one allocation instead of many.
    bytes.reserve(256 * 1024);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(CalendarPageLayout(paper));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Morvessa"));
        PaintSheetPages(writer, sheets);
    }
    buffer.close();
    return bytes;
}

void WriteFileReplacing(const QByteArray& bytes, const QString& path)
{
    // No direct-write fallback: a folder where no new file can be made fails rather than overwrite
    // the old file in place. Unbuffered, because a buffered QSaveFile loses the end of a short
    // write (a full disk) while flushing and still commits the cut file.
    QSaveFile out(path);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        ThrowWriteError(path, out.errorString());
    if (out.write(bytes) != bytes.size()) {
        const QString reason = out.errorString();
        out.cancelWriting();
        ThrowWriteError(path, reason);
    }
    if (!out.commit())
        ThrowWriteError(path, out.errorString());
}

}  // namespace morvessa
