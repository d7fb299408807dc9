#include "spreadsheet/xls/NumberFormats.h"

#include <array>
#include <utility>

#include "spreadsheet/xls/BiffStrings.h"
#include "spreadsheet/xls/Bytes.h"

namespace morvessa::sheet::xls {
namespace {

struct BuiltIn {
    uint16_t id;
    const char* text;
    bool localeIndependent;  // shown the same in every locale, so it may be written by id
};

constexpr std::array<BuiltIn, 36> kBuiltIns{{
    {0, "General", true},
    {1, "0", true},
    {2, "0.00", true},
    {3, "#,##0", true},
    {4, "#,##0.00", true},
    {5, "\"$\"#,##0_);\\(\"$\"#,##0\\)", false},
    {6, "\"$\"#,##0_);[Red]\\(\"$\"#,##0\\)", false},
    {7, "\"$\"#,##0.00_);\\(\"$\"#,##0.00\\)", false},
    {8, "\"$\"#,##0.00_);[Red]\\(\"$\"#,##0.00\\)", false},
    {9, "0%", true},
    {10, "0.00%", true},
    {11, "0.00E+00", true},
    {12, "# ?/?", true},
    {13, "# ?\?/??", true},
    {14, "m/d/yyyy", false},
    {15, "d-mmm-yy", false},
    {16, "d-mmm", false},
    {17, "mmm-yy", false},
    {18, "h:mm AM/PM", false},
    {19, "h:mm:ss AM/PM", false},
    {20, "h:mm", false},
    {21, "h:mm:ss", false},
    {22, "m/d/yyyy h:mm", false},
    {37, "#,##0_);\\(#,##0\\)", true},
    {38, "#,##0_);[Red]\\(#,##0\\)", true},
    {39, "#,##0.00_);\\(#,##0.00\\)", true},
    {40, "#,##0.00_);[Red]\\(#,##0.00\\)", true},
    {41, "_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"_);_(@_)", false},
    {42, "_(\"$\"* #,##0_);_(\"$\"* \\(#,##0\\);_(\"$\"* \"-\"_);_(@_)", false},
    {43, "_(* #,##0.00_);_(* \\(#,##0.00\\);_(* \"-\"?\?_);_(@_)", false},
    {44, "_(\"$\"* #,##0.00_);_(\"$\"* \\(#,##0.00\\);_(\"$\"* \"-\"?\?_);_(@_)", false},
    {45, "mm:ss", true},
    {46, "[h]:mm:ss", true},
    {47, "mm:ss.0", true},
    {48, "##0.0E+0", true},
    {49, "@", true},
}};

// The workbook globals carry at least these eight FORMAT records.
constexpr std::array<uint16_t, 8> kAlwaysWritten{5, 6, 7, 8, 42, 41, 44, 43};

}  // namespace

const char* BuiltInNumberFormat(uint16_t id)
{
    for (const auto& b : kBuiltIns)
        if (b.id == id)
            return b.text;
    return nullptr;
}

NumberFormatTable::NumberFormatTable() = default;

uint16_t NumberFormatTable::IdFor(const std::string& format)
{
    for (const auto& b : kBuiltIns)
        if (b.localeIndependent && format == b.text)
            return b.id;
    auto [it, added] =
        custom_.try_emplace(format, static_cast<uint16_t>(kFirstUserNumberFormat + order_.size()));
    if (added)
        order_.push_back(format);
    return it->second;
}

void NumberFormatTable::Write(BiffRecordWriter& out) const
{
    for (uint16_t id : kAlwaysWritten)
        out.Write(rec::kFormat, FormatRecordData(id, BuiltInNumberFormat(id)));
    for (const auto& text : order_)
        out.Write(rec::kFormat, FormatRecordData(custom_.at(text), text));
}

std::vector<uint8_t> FormatRecordData(uint16_t id, const std::string& utf8Text)
{
    std::vector<uint8_t> data;
    PutU16(data, id);
    PutUnicodeString(data, utf8Text, LengthField::k16Bit, 255);
    return data;
}

FormatRecord ReadFormatRecord(std::span<const uint8_t> data)
{
    ByteReader in(data, "FORMAT");
    FormatRecord r;
    r.id = in.U16();
    r.text = ReadUnicodeString(in, LengthField::k16Bit);
    return r;
}

}  // namespace morvessa::sheet::xls
