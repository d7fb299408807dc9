#include "host/TextFit.h"

#include "host/SheetGeometry.h"
#include "spreadsheet/Worksheet.h"

#include <QList>
#include <QString>

#include <cmath>

namespace morvessa {

const BuiltFontMetrics* BuiltMetricsOf(const sheet::FontFormat& font)
{
    if (font.strikethrough || font.underline != sheet::xlUnderlineStyleNone)
        return nullptr;
    const double size = font.size > 0 ? font.size : 10.0;
    for (const BuiltFontMetrics& built : BuiltFontMetricsTable()) {
        if (font.name == built.name && size == built.size && font.bold == built.bold && font.italic == built.italic)
            return &built;
    }
    return nullptr;
}

std::optional<double> LineWidthBound(const BuiltFontMetrics& font, QStringView text)
{
    double width = 0;
    for (const QChar c : text) {
        const std::size_t index = static_cast<std::size_t>(c.unicode() - font.first);
        if (c.unicode() < font.first || index >= font.advances.size() || font.advances[index] < 0)
            return std::nullopt;
        width += font.advances[index] + font.pairSlack;
    }
    return width + 2 * font.overhang;
}

namespace {

// A space the text may surely be broken after: between two words of letters or digits. (Line
// breaking allows fewer breaks beside punctuation: taking fewer breaks than it does only adds lines.)
bool SurelyBreaksAfter(QStringView text, qsizetype space)
{
    qsizetype next = space;
    while (next < text.size() && text[next] == u' ')
        ++next;
    return space > 0 && next < text.size() && text[space - 1].isLetterOrNumber() && text[next].isLetterOrNumber();
}

// At most how many lines the paragraph takes in `width`, wrapped (or not) as a cell does it: word
// by word onto the line while it fits, measured with widths at least the true ones. Nothing when a
// word alone may not fit, or a character is not in the table.
std::optional<int> LinesAtMost(const BuiltFontMetrics& font, QStringView paragraph, double width, bool wrap)
{
    if (paragraph.isEmpty())
        return std::nullopt;
    const auto fits = [&](qsizetype from, qsizetype to) {
        const std::optional<double> bound = LineWidthBound(font, paragraph.sliced(from, to - from));
        return bound && *bound <= width;
    };
    if (!wrap)
        return fits(0, paragraph.size()) ? std::optional(1) : std::nullopt;
    int lines = 1;
    qsizetype lineStart = 0;
    qsizetype wordStart = 0;
    for (qsizetype i = 0; i <= paragraph.size(); ++i) {
        if (i < paragraph.size() && !(paragraph[i] == u' ' && SurelyBreaksAfter(paragraph, i)))
            continue;
        // The word wordStart..i ends here: on this line, else on a line of its own.
        if (!fits(lineStart, i)) {
            if (!fits(wordStart, i))
                return std::nullopt;
            ++lines;
            lineStart = wordStart;
        }
        if (i == paragraph.size())
            break;
        while (i < paragraph.size() && paragraph[i] == u' ')
            ++i;
        wordStart = i;
        --i;
    }
    return lines;
}

}  // namespace

bool SurelyFitsAtOwnSize(const sheet::Worksheet& sheet, int row, int column)
{
    const sheet::CellRange* merged = sheet.MergedAreaAt(row, column);
    const sheet::CellRange block = merged ? *merged : sheet::CellRange::Cell(row, column);
    const sheet::Cell* cell = sheet.FindCell(block.firstRow, block.firstColumn);
    if (!cell || !cell->value.IsText())
        return true;
    const sheet::CellFormat& format = sheet.EffectiveFormat(block.firstRow, block.firstColumn);
    const sheet::FontFormat& font = format.font;
    // Shrinking tries whole and half points only: another size is never kept as it is.
    const double own = font.size > 0 ? font.size : 10.0;
    const BuiltFontMetrics* metrics = BuiltMetricsOf(font);
    const BuiltFontMetrics* digits = BuiltMetricsOf(sheet.Formats().Get(sheet::FormatTable::kDefaultId).font);
    if (std::floor(own * 2) / 2 != own || !metrics || !digits)
        return false;

    int width = 0;
    for (int c = block.firstColumn; c <= block.lastColumn; ++c)
        width += ColumnWidthPixels(sheet.ColumnWidthAt(c), digits->maxDigitWidth);
    int height = 0;
    for (int r = block.firstRow; r <= block.lastRow; ++r)
        height += RowHeightPixels(sheet.RowHeightAt(r));
    const TextRoom room = TextRoomOfBlock(width, height);

    const QString text = QString::fromStdString(cell->value.Text());
    qsizetype lines = 0;
    for (const QStringView paragraph : QStringView(text).split(u'\n')) {
        const std::optional<int> count = LinesAtMost(*metrics, paragraph, room.width, format.wrapText);
        if (!count)
            return false;
        lines += *count;
    }
    return lines * metrics->lineHeight <= room.height;
}

}  // namespace morvessa
