#include "host/SheetPicture.h"
#include "host/HostTestSupport.h"
#include "host/TextFit.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"

#include <QFontMetricsF>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>

namespace morvessa {
namespace {

using sheet::CellRange;

// The table was measured from the fonts this system resolves: it must agree with measuring now.
TEST(TextFitTest, BuiltTableAgreesWithTheFontsMeasuredNow)
{
    test::EnsureGuiApplication();
    ASSERT_FALSE(BuiltFontMetricsTable().empty());
    for (const BuiltFontMetrics& built : BuiltFontMetricsTable()) {
        const sheet::FontFormat format{built.name, built.size, built.bold, built.italic};
        ASSERT_EQ(BuiltMetricsOf(format), &built);
        const QFontMetricsF metrics(ScreenFont(format), &MeasuringDevice());
        EXPECT_EQ(built.maxDigitWidth, MaxDigitWidth(format));
        EXPECT_EQ(built.lineHeight, metrics.height());
        for (const QString& text : {QStringLiteral("New Year's Day"), QStringLiteral("Día de la Independencia")})
            EXPECT_GE(*LineWidthBound(built, text), metrics.horizontalAdvance(text)) << text.toStdString();
    }
    sheet::FontFormat underlined{"Arial", 12};
    underlined.underline = sheet::xlUnderlineStyleSingle;
    EXPECT_EQ(BuiltMetricsOf(underlined), nullptr);
    EXPECT_EQ(BuiltMetricsOf(sheet::FontFormat{"Arial", 11}), nullptr);
    EXPECT_FALSE(LineWidthBound(BuiltFontMetricsTable().front(), u"Tab\there"));
    EXPECT_FALSE(LineWidthBound(BuiltFontMetricsTable().front(), u"春节"));
}

// Whatever the table vouches for, measuring agrees with: the text shows whole at its own size. Names
// of many shapes, in the month grid's notes area (8 columns, 6 rows) and in a narrow one.
TEST(TextFitTest, SurelyFitsOnlyWhatMeasuringFits)
{
    test::EnsureGuiApplication();
    sheet::Workbook book;
    sheet::Worksheet& sheet = book.AddSheet("Sheet1");
    for (int column = 1; column <= 8; ++column)
        sheet.SetColumnWidth(column, 1.57);
    for (int row = 1; row <= 6; ++row)
        sheet.SetRowHeight(row, 9);
    const CellRange wide = CellRange::Parse("A1:H6");
    const CellRange narrow = CellRange::Parse("J1:K6");
    for (const CellRange& area : {wide, narrow}) {
        sheet.AddMergedArea(area);
        sheet.ApplyFormat(area, [](sheet::CellFormat& f) {
            f.font.size = 12;
            f.font.bold = true;
            f.wrapText = true;
        });
    }

    const QStringList usual = {QStringLiteral("Daylight Saving Time Begins"), QStringLiteral("Martin Luther King Day"),
                               QStringLiteral("Thanksgiving\nNew Year's Day")};
    const QStringList words = {"Day",  "of",       "the",    "Veterans", "Malvinas", "Anniversary", "Immortality",
                               "Güemes", "Saint", "Patrick's", "(observed)", "St.", "-", "Labour/Labor", "Whit",
                               "WWWWW", "iiiiiiii", "Świętego", "Ascension", "Día", "\"Great\"", "!", "  "};
    QStringList names = usual;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 600; ++i) {
        QString name;
        const int count = 1 + static_cast<int>((seed >> 8) % 9);
        for (int w = 0; w < count; ++w) {
            seed = seed * 1664525u + 1013904223u;
            name += (w ? ((seed >> 3) % 13 == 0 ? QStringLiteral("\n") : QStringLiteral(" ")) : QString()) +
                    words[static_cast<qsizetype>((seed >> 16) % words.size())];
        }
        names.append(name);
    }
    int vouched = 0;
    for (const CellRange& area : {wide, narrow}) {
        for (const QString& name : names) {
            sheet.SetCellValue(area.firstRow, area.firstColumn, sheet::CellValue(name.toStdString()));
            if (!SurelyFitsAtOwnSize(sheet, area.firstRow, area.firstColumn))
                continue;
            ++vouched;
            EXPECT_EQ(FittingFontSize(sheet, area.firstRow, area.firstColumn), 12.0) << name.toStdString();
        }
    }
    // The usual names are never measured in the month grid.
    for (const QString& name : usual) {
        sheet.SetCellValue(1, 1, sheet::CellValue(name.toStdString()));
        EXPECT_TRUE(SurelyFitsAtOwnSize(sheet, 1, 1)) << name.toStdString();
    }
    EXPECT_GT(vouched, 200);
}

}  // namespace
}  // namespace morvessa
