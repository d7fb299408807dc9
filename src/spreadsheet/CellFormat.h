#pragma once
// A cell's whole format (font, borders, fill, alignment, number format) and the per-workbook table
// that interns formats into small ids. Sheets, rows, columns and cells refer to formats by id; the
// file writer maps ids to its own format records.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "spreadsheet/Constants.h"

namespace morvessa::sheet {

struct FontFormat {
    std::string name = "Arial";
    double size = 10;
    bool bold = false;
    bool italic = false;
    bool strikethrough = false;
    int underline = xlUnderlineStyleNone;    // xlUnderlineStyle* constant
    int colorIndex = xlColorIndexAutomatic;  // 1..56 or automatic

    friend bool operator==(const FontFormat&, const FontFormat&) = default;
};

struct BorderLine {
    int lineStyle = xlLineStyleNone;  // xlContinuous, xlDash, ... or none
    int weight = xlThin;              // xlHairline, xlThin, xlMedium, xlThick
    int colorIndex = xlColorIndexAutomatic;

    bool IsNone() const { return lineStyle == xlLineStyleNone; }
    friend bool operator==(const BorderLine&, const BorderLine&) = default;
};

struct InteriorFormat {
    // With pattern none the colours carry no meaning and are kept at none / automatic.
    int pattern = xlPatternNone;        // xlPatternSolid, xlGray50, ... or none
    int colorIndex = xlColorIndexNone;  // foreground (the fill colour of a solid pattern)
    int patternColorIndex = xlColorIndexAutomatic;

    bool HasFill() const { return pattern != xlPatternNone; }
    friend bool operator==(const InteriorFormat&, const InteriorFormat&) = default;
};

struct CellFormat {
    FontFormat font;
    // The cell's own edges and diagonals, by border index xlDiagonalDown (5) .. xlEdgeRight (10).
    std::array<BorderLine, 6> borders{};
    InteriorFormat interior;
    int horizontalAlignment = xlGeneral;
    int verticalAlignment = xlBottom;
    bool wrapText = false;
    int readingOrder = xlContext;
    int orientation = 0;  // degrees -90..90, or 255 for vertical stacked text
    int indentLevel = 0;
    bool shrinkToFit = false;
    std::string numberFormat = "General";
    bool locked = true;
    bool formulaHidden = false;

    BorderLine& Border(int index) { return borders[std::size_t(index - xlDiagonalDown)]; }
    const BorderLine& Border(int index) const { return borders[std::size_t(index - xlDiagonalDown)]; }

    friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

struct CellFormatHash {
    std::size_t operator()(const CellFormat& format) const noexcept;
};

// Interns formats: equal formats share one id. Id 0 is always the default format (Arial 10, general).
class FormatTable {
public:
    using Id = std::int32_t;
    static constexpr Id kDefaultId = 0;

    FormatTable();

    Id Intern(const CellFormat& format);
    const CellFormat& Get(Id id) const { return formats_[std::size_t(id)]; }
    std::size_t Size() const { return formats_.size(); }
    const std::vector<CellFormat>& All() const { return formats_; }

private:
    std::vector<CellFormat> formats_;
    std::unordered_map<CellFormat, Id, CellFormatHash> ids_;
};

}  // namespace morvessa::sheet
