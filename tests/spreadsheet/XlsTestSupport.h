#pragma once
// Shared helpers of the .xls tests: comparing workbooks as a user sees them.

#include <gtest/gtest.h>

#include <string>

#include "spreadsheet/Workbook.h"

namespace morvessa::sheet::xls::testing {

// Compares what a user would see: names, values, effective formats over the used area and
// one row and column beyond, merged areas, heights, widths, page layout, selection and active sheet.
inline void ExpectSameWorkbook(const Workbook& expected, const Workbook& actual)
{
    ASSERT_EQ(expected.SheetCount(), actual.SheetCount());
    EXPECT_EQ(expected.ActiveSheetIndex(), actual.ActiveSheetIndex());
    for (int i = 1; i <= expected.SheetCount(); ++i) {
        const Worksheet& a = expected.Sheet(i);
        const Worksheet& b = actual.Sheet(i);
        SCOPED_TRACE("sheet " + a.Name());
        EXPECT_EQ(a.Name(), b.Name());
        EXPECT_EQ(a.MergedAreas(), b.MergedAreas());
        EXPECT_EQ(a.SelectedArea(), b.SelectedArea());
        EXPECT_EQ(a.ActiveRow(), b.ActiveRow());
        EXPECT_EQ(a.ActiveColumn(), b.ActiveColumn());
        EXPECT_EQ(a.UsedArea(), b.UsedArea());
        EXPECT_DOUBLE_EQ(a.StandardHeight(), b.StandardHeight());
        EXPECT_DOUBLE_EQ(a.StandardWidth(), b.StandardWidth());
        EXPECT_TRUE(a.Layout() == b.Layout()) << "page layout";
        const int lastRow = a.UsedArea() ? a.UsedArea()->lastRow + 1 : 2;
        const int lastColumn = a.UsedArea() ? std::min(a.UsedArea()->lastColumn + 1, 256) : 2;
        for (int c = 1; c <= 256; ++c) {
            ASSERT_DOUBLE_EQ(a.ColumnWidthAt(c), b.ColumnWidthAt(c)) << "column " << c;
            ASSERT_EQ(a.EffectiveFormat(lastRow + 3, c), b.EffectiveFormat(lastRow + 3, c)) << "column " << c;
        }
        for (int r = 1; r <= lastRow + 3; ++r) {
            ASSERT_DOUBLE_EQ(a.RowHeightAt(r), b.RowHeightAt(r)) << "row " << r;
            for (int c = 1; c <= lastColumn; ++c) {
                const Cell* ca = a.FindCell(r, c);
                const Cell* cb = b.FindCell(r, c);
                ASSERT_EQ(ca ? ca->value : CellValue(), cb ? cb->value : CellValue()) << r << "," << c;
                ASSERT_EQ(a.EffectiveFormat(r, c), b.EffectiveFormat(r, c)) << r << "," << c;
            }
        }
    }
}

}  // namespace morvessa::sheet::xls::testing
