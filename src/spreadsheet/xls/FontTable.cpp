#include "spreadsheet/xls/FontTable.h"

#include <algorithm>
#include <cmath>

#include "spreadsheet/xls/BiffStrings.h"
#include "spreadsheet/xls/Palette.h"

namespace morvessa::sheet::xls {
namespace {

constexpr uint16_t kFlagBold = 0x0001;  // redundant with the weight; older readers look here
constexpr uint16_t kFlagItalic = 0x0002;
constexpr uint16_t kFlagStrikeOut = 0x0008;
constexpr uint16_t kWeightNormal = 400;
constexpr uint16_t kWeightBold = 700;
constexpr uint8_t kUnderlineNone = 0x00;
constexpr uint8_t kUnderlineSingle = 0x01;
constexpr uint8_t kUnderlineDouble = 0x02;
constexpr uint8_t kUnderlineSingleAccounting = 0x21;
constexpr uint8_t kUnderlineDoubleAccounting = 0x22;
constexpr size_t kMaxFontNameChars = 31;
constexpr uint16_t kMinHeightTwips = 20;    // 1 point
constexpr uint16_t kMaxHeightTwips = 8180;  // 409 points

uint8_t UnderlineCode(int underline)
{
    switch (underline) {
    case xlUnderlineStyleSingle:
        return kUnderlineSingle;
    case xlUnderlineStyleDouble:
        return kUnderlineDouble;
    case xlUnderlineStyleSingleAccounting:
        return kUnderlineSingleAccounting;
    case xlUnderlineStyleDoubleAccounting:
        return kUnderlineDoubleAccounting;
    default:
        return kUnderlineNone;
    }
}

int UnderlineStyle(uint8_t code)
{
    switch (code) {
    case kUnderlineSingle:
        return xlUnderlineStyleSingle;
    case kUnderlineDouble:
        return xlUnderlineStyleDouble;
    case kUnderlineSingleAccounting:
        return xlUnderlineStyleSingleAccounting;
    case kUnderlineDoubleAccounting:
        return xlUnderlineStyleDoubleAccounting;
    default:
        return xlUnderlineStyleNone;
    }
}

FontFormat Variant(FontFormat font, bool bold, bool italic)
{
    font.bold = bold;
    font.italic = italic;
    return font;
}

}  // namespace

std::vector<uint8_t> FontRecordData(const FontFormat& font)
{
    std::vector<uint8_t> data;
    const double twips = std::isfinite(font.size) ? std::round(font.size * 20) : 200;
    PutU16(data, static_cast<uint16_t>(std::clamp<double>(twips, kMinHeightTwips, kMaxHeightTwips)));
    PutU16(data, static_cast<uint16_t>((font.bold ? kFlagBold : 0) | (font.italic ? kFlagItalic : 0) |
                                       (font.strikethrough ? kFlagStrikeOut : 0)));
    PutU16(data, ToIcv(font.colorIndex, kIcvAutomaticFont));
    PutU16(data, font.bold ? kWeightBold : kWeightNormal);
    PutU16(data, 0);  // neither superscript nor subscript
    PutU8(data, UnderlineCode(font.underline));
    PutU8(data, 0);  // family: not specified
    PutU8(data, 0);  // character set: ANSI
    PutU8(data, 0);
    PutUnicodeString(data, font.name, LengthField::k8Bit, kMaxFontNameChars);
    return data;
}

FontFormat ReadFontRecord(ByteReader& in)
{
    FontFormat font;
    font.size = in.U16() / 20.0;
    const uint16_t flags = in.U16();
    font.italic = (flags & kFlagItalic) != 0;
    font.strikethrough = (flags & kFlagStrikeOut) != 0;
    font.colorIndex = FromIcv(in.U16(), xlColorIndexAutomatic);
    font.bold = in.U16() >= kWeightBold;
    in.U16();
    font.underline = UnderlineStyle(in.U8());
    in.Skip(3);
    font.name = ReadUnicodeString(in, LengthField::k8Bit);
    return font;
}

FontTable::FontTable(const FontFormat& defaultFont)
{
    const FontFormat variants[4] = {Variant(defaultFont, defaultFont.bold, defaultFont.italic),
                                    Variant(defaultFont, true, false), Variant(defaultFont, false, true),
                                    Variant(defaultFont, true, true)};
    for (const auto& v : variants) {
        auto data = FontRecordData(v);
        indexes_.try_emplace(std::string(data.begin(), data.end()), FontIndexOfPosition(records_.size()));
        records_.push_back(std::move(data));
    }
}

uint16_t FontTable::IndexFor(const FontFormat& font)
{
    auto data = FontRecordData(font);
    auto [it, added] =
        indexes_.try_emplace(std::string(data.begin(), data.end()), FontIndexOfPosition(records_.size()));
    if (added)
        records_.push_back(std::move(data));
    return it->second;
}

void FontTable::Write(BiffRecordWriter& out) const
{
    for (const auto& data : records_)
        out.Write(rec::kFont, data);
}

}  // namespace morvessa::sheet::xls
