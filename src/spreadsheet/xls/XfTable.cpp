#include "spreadsheet/xls/XfTable.h"

#include <algorithm>

#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/GlobalsRecords.h"
#include "spreadsheet/xls/Palette.h"

namespace morvessa::sheet::xls {
namespace {

constexpr size_t kXfSize = 20;
constexpr uint16_t kXfLocked = 0x0001;
constexpr uint16_t kXfHidden = 0x0002;
constexpr uint16_t kStyleXfFlags = 0xFFF5;         // locked, style XF, no parent
constexpr uint16_t kStyleXfOmitted = 0xF400;       // outline styles carry only their font
constexpr uint16_t kCellXfOwnAttributes = 0xFC00;  // the cell XF sets every attribute itself
constexpr uint8_t kAlignBottom = 0x20;
constexpr uint16_t kDefaultFillColours = kIcvAutomaticPattern | (kIcvAutomaticBackground << 7);
constexpr uint8_t kStyleNormalId = 0;
constexpr uint8_t kStyleNoLevel = 0xFF;
constexpr uint8_t kStackedText = 255;

// Border line codes of the file.
enum BorderCode : uint8_t {
    kBorderNone = 0,
    kBorderThin = 1,
    kBorderMedium = 2,
    kBorderDashed = 3,
    kBorderDotted = 4,
    kBorderThick = 5,
    kBorderDouble = 6,
    kBorderHair = 7,
    kBorderMediumDashed = 8,
    kBorderDashDot = 9,
    kBorderMediumDashDot = 10,
    kBorderDashDotDot = 11,
    kBorderMediumDashDotDot = 12,
    kBorderSlantDashDot = 13,
};

bool IsHeavy(int weight)
{
    return weight == xlMedium || weight == xlThick;
}

uint8_t BorderCodeOf(const BorderLine& line)
{
    switch (line.lineStyle) {
    case xlContinuous:
        if (line.weight == xlHairline)
            return kBorderHair;
        if (line.weight == xlMedium)
            return kBorderMedium;
        if (line.weight == xlThick)
            return kBorderThick;
        return kBorderThin;
    case xlDash:
        return IsHeavy(line.weight) ? kBorderMediumDashed : kBorderDashed;
    case xlDot:
        return kBorderDotted;
    case xlDouble:
        return kBorderDouble;
    case xlDashDot:
        return IsHeavy(line.weight) ? kBorderMediumDashDot : kBorderDashDot;
    case xlDashDotDot:
        return IsHeavy(line.weight) ? kBorderMediumDashDotDot : kBorderDashDotDot;
    case xlSlantDashDot:
        return kBorderSlantDashDot;
    default:
        return kBorderNone;
    }
}

BorderLine BorderLineOf(uint8_t code, uint16_t icv)
{
    BorderLine line;
    const int colour = FromIcv(icv, xlColorIndexAutomatic);
    auto make = [&](int style, int weight) { return BorderLine{style, weight, colour}; };
    switch (code) {
    case kBorderThin:
        return make(xlContinuous, xlThin);
    case kBorderMedium:
        return make(xlContinuous, xlMedium);
    case kBorderDashed:
        return make(xlDash, xlThin);
    case kBorderDotted:
        return make(xlDot, xlThin);
    case kBorderThick:
        return make(xlContinuous, xlThick);
    case kBorderDouble:
        return make(xlDouble, xlThick);
    case kBorderHair:
        return make(xlContinuous, xlHairline);
    case kBorderMediumDashed:
        return make(xlDash, xlMedium);
    case kBorderDashDot:
        return make(xlDashDot, xlThin);
    case kBorderMediumDashDot:
        return make(xlDashDot, xlMedium);
    case kBorderDashDotDot:
        return make(xlDashDotDot, xlThin);
    case kBorderMediumDashDotDot:
        return make(xlDashDotDot, xlMedium);
    case kBorderSlantDashDot:
        return make(xlSlantDashDot, xlMedium);
    default:
        return line;
    }
}

uint16_t BorderIcv(const BorderLine& line)
{
    return line.IsNone() ? 0 : ToIcv(line.colorIndex, kIcvAutomaticBorder);
}

// Fill pattern codes of the file, by position; the model's pattern constants beside them.
constexpr int kPatterns[] = {xlPatternNone, xlSolid,           xlGray50,        xlGray75,    xlGray25,
                             xlHorizontal,  xlVertical,        xlDown,          xlUp,        xlChecker,
                             xlSemiGray75,  xlLightHorizontal, xlLightVertical, xlLightDown, xlLightUp,
                             xlGrid,        xlCrissCross,      xlGray16,        xlGray8};

uint8_t PatternCode(int pattern)
{
    for (uint8_t i = 0; i < std::size(kPatterns); ++i)
        if (kPatterns[i] == pattern)
            return i;
    return 0;
}

uint8_t HorizontalCode(int alignment)
{
    switch (alignment) {
    case xlLeft:
        return 1;
    case xlCenter:
        return 2;
    case xlRight:
        return 3;
    case xlFill:
        return 4;
    case xlJustify:
        return 5;
    case xlCenterAcrossSelection:
        return 6;
    case xlDistributed:
        return 7;
    default:
        return 0;
    }
}

int HorizontalAlignment(uint8_t code)
{
    constexpr int kValues[] = {
        xlGeneral, xlLeft, xlCenter, xlRight, xlFill, xlJustify, xlCenterAcrossSelection, xlDistributed};
    return code < std::size(kValues) ? kValues[code] : xlGeneral;
}

uint8_t VerticalCode(int alignment)
{
    switch (alignment) {
    case xlTop:
        return 0;
    case xlCenter:
        return 1;
    case xlJustify:
        return 3;
    case xlDistributed:
        return 4;
    default:
        return 2;
    }
}

int VerticalAlignment(uint8_t code)
{
    constexpr int kValues[] = {xlTop, xlCenter, xlBottom, xlJustify, xlDistributed};
    return code < std::size(kValues) ? kValues[code] : xlBottom;
}

uint8_t ReadingOrderCode(int order)
{
    return order == xlLTR ? 1 : order == xlRTL ? 2 : 0;
}
int ReadingOrder(uint8_t code)
{
    return code == 1 ? xlLTR : code == 2 ? xlRTL : xlContext;
}

uint8_t RotationCode(int orientation)
{
    if (orientation == kStackedText)
        return kStackedText;
    if (orientation >= 0 && orientation <= 90)
        return static_cast<uint8_t>(orientation);
    if (orientation < 0 && orientation >= -90)
        return static_cast<uint8_t>(90 - orientation);
    return 0;
}

int Orientation(uint8_t code)
{
    if (code == kStackedText)
        return kStackedText;
    if (code <= 90)
        return code;
    if (code <= 180)
        return 90 - code;
    return 0;
}

std::vector<uint8_t> StyleXfData(uint16_t fontIndex, uint16_t attributes)
{
    std::vector<uint8_t> data;
    PutU16(data, fontIndex);
    PutU16(data, 0);
    PutU16(data, kStyleXfFlags);
    PutU8(data, kAlignBottom);
    PutU8(data, 0);
    PutU16(data, attributes);
    PutU32(data, 0);
    PutU32(data, 0);
    PutU16(data, kDefaultFillColours);
    return data;
}

}  // namespace

std::vector<uint8_t> CellXfData(const CellFormat& f, uint16_t fontIndex, uint16_t numberFormatId)
{
    std::vector<uint8_t> data;
    PutU16(data, fontIndex);
    PutU16(data, numberFormatId);
    PutU16(data, static_cast<uint16_t>((f.locked ? kXfLocked : 0) | (f.formulaHidden ? kXfHidden : 0)));
    PutU8(data, static_cast<uint8_t>(HorizontalCode(f.horizontalAlignment) | (f.wrapText ? 0x08 : 0) |
                                     (VerticalCode(f.verticalAlignment) << 4)));
    PutU8(data, RotationCode(f.orientation));
    PutU16(data, static_cast<uint16_t>(std::clamp(f.indentLevel, 0, 15) | (f.shrinkToFit ? 0x10 : 0) |
                                       (ReadingOrderCode(f.readingOrder) << 6) | kCellXfOwnAttributes));

    const BorderLine& left = f.Border(xlEdgeLeft);
    const BorderLine& right = f.Border(xlEdgeRight);
    const BorderLine& top = f.Border(xlEdgeTop);
    const BorderLine& bottom = f.Border(xlEdgeBottom);
    const BorderLine& down = f.Border(xlDiagonalDown);
    const BorderLine& up = f.Border(xlDiagonalUp);
    const BorderLine& diagonal = down.IsNone() ? up : down;  // the file keeps one diagonal style
    const uint32_t diagonals = (down.IsNone() ? 0u : 1u) | (up.IsNone() ? 0u : 2u);
    PutU32(data, BorderCodeOf(left) | (BorderCodeOf(right) << 4) | (BorderCodeOf(top) << 8) |
                     (BorderCodeOf(bottom) << 12) | (static_cast<uint32_t>(BorderIcv(left)) << 16) |
                     (static_cast<uint32_t>(BorderIcv(right)) << 23) | (diagonals << 30));

    const InteriorFormat& fill = f.interior;
    const uint8_t pattern = fill.HasFill() ? PatternCode(fill.pattern) : 0;
    PutU32(data, BorderIcv(top) | (BorderIcv(bottom) << 7) |
                     (static_cast<uint32_t>(BorderIcv(diagonal)) << 14) |
                     (static_cast<uint32_t>(BorderCodeOf(diagonal)) << 21) |
                     (static_cast<uint32_t>(pattern) << 26));

    // A solid fill shows the foreground colour; other patterns draw the pattern colour over it.
    uint16_t fore = kIcvAutomaticPattern, back = kIcvAutomaticBackground;
    if (pattern == 1) {
        fore = ToIcv(fill.colorIndex, kIcvAutomaticPattern);
        back = ToIcv(fill.patternColorIndex, kIcvAutomaticPattern);
    } else if (pattern != 0) {
        fore = ToIcv(fill.patternColorIndex, kIcvAutomaticPattern);
        back = ToIcv(fill.colorIndex, kIcvAutomaticBackground);
    }
    PutU16(data, static_cast<uint16_t>(fore | (back << 7)));
    return data;
}

XfTable::XfTable(const FormatTable& formats)
    : formats_(formats), fonts_(formats.Get(FormatTable::kDefaultId).font)
{
    const CellFormat& normal = formats.Get(FormatTable::kDefaultId);
    auto data = CellXfData(normal, fonts_.IndexFor(normal.font), numberFormats_.IdFor(normal.numberFormat));
    xfIndexes_.emplace(std::string(data.begin(), data.end()), kDefaultCellXf);
    cellXfs_.push_back(std::move(data));
    xfOfId_.assign(formats.Size(), -1);
    if (!xfOfId_.empty())
        xfOfId_[FormatTable::kDefaultId] = kDefaultCellXf;
}

uint16_t XfTable::AddXfFor(FormatTable::Id id)
{
    if (id < 0 || static_cast<size_t>(id) >= formats_.Size())
        return kDefaultCellXf;
    if (xfOfId_.size() < formats_.Size())
        xfOfId_.resize(formats_.Size(), -1);
    int& known = xfOfId_[static_cast<size_t>(id)];
    if (known >= 0)
        return static_cast<uint16_t>(known);
    const CellFormat& format = formats_.Get(id);
    auto data = CellXfData(format, fonts_.IndexFor(format.font), numberFormats_.IdFor(format.numberFormat));
    auto [it, added] = xfIndexes_.try_emplace(std::string(data.begin(), data.end()),
                                              static_cast<uint16_t>(kStyleXfCount + cellXfs_.size()));
    if (added)
        cellXfs_.push_back(std::move(data));
    known = it->second;
    return it->second;
}

void XfTable::WriteXfs(BiffRecordWriter& out) const
{
    out.Write(rec::kXf, StyleXfData(0, 0));
    for (uint16_t i = 1; i < kStyleXfCount; ++i)
        out.Write(rec::kXf, StyleXfData(i <= 2 ? 1 : i <= 4 ? 2 : 0, kStyleXfOmitted));
    for (const auto& data : cellXfs_)
        out.Write(rec::kXf, data);
}

void XfTable::WriteStyles(BiffRecordWriter& out) const
{
    StyleRecord normal;  // built-in style on XF 0
    normal.xfAndFlags = StyleRecord::kBuiltIn | 0;
    normal.builtInId = kStyleNormalId;
    normal.level = kStyleNoLevel;
    out.Write(rec::kStyle, normal.Encode());
}

void XfDecoder::AddXf(std::span<const uint8_t> data)
{
    if (data.size() < kXfSize)
        FailInvalid("an XF record is too short.");
    xfs_.emplace_back(data.begin(), data.begin() + kXfSize);
}

CellFormat XfDecoder::Decode(uint16_t index) const
{
    CellFormat f;
    if (index >= xfs_.size())
        return f;
    const uint8_t* p = xfs_[index].data();
    const uint16_t fontIndex = GetU16(p);
    const size_t fontPosition = fontIndex < 4 ? fontIndex : fontIndex - 1u;
    if (fontIndex != 4 && fontPosition < fonts_.size())
        f.font = fonts_[fontPosition];
    const uint16_t numberFormat = GetU16(p + 2);
    if (auto it = numberFormats_.find(numberFormat); it != numberFormats_.end())
        f.numberFormat = it->second;
    else if (const char* builtIn = BuiltInNumberFormat(numberFormat))
        f.numberFormat = builtIn;
    const uint16_t protection = GetU16(p + 4);
    f.locked = (protection & kXfLocked) != 0;
    f.formulaHidden = (protection & kXfHidden) != 0;
    f.horizontalAlignment = HorizontalAlignment(p[6] & 0x07);
    f.wrapText = (p[6] & 0x08) != 0;
    f.verticalAlignment = VerticalAlignment((p[6] >> 4) & 0x07);
    f.orientation = Orientation(p[7]);
    const uint16_t text = GetU16(p + 8);
    f.indentLevel = text & 0x0F;
    f.shrinkToFit = (text & 0x10) != 0;
    f.readingOrder = ReadingOrder((text >> 6) & 0x03);

    const uint32_t edges = GetU32(p + 10);
    const uint32_t more = GetU32(p + 14);
    f.Border(xlEdgeLeft) = BorderLineOf(edges & 0x0F, (edges >> 16) & 0x7F);
    f.Border(xlEdgeRight) = BorderLineOf((edges >> 4) & 0x0F, (edges >> 23) & 0x7F);
    f.Border(xlEdgeTop) = BorderLineOf((edges >> 8) & 0x0F, more & 0x7F);
    f.Border(xlEdgeBottom) = BorderLineOf((edges >> 12) & 0x0F, (more >> 7) & 0x7F);
    const BorderLine diagonal = BorderLineOf((more >> 21) & 0x0F, (more >> 14) & 0x7F);
    if (edges & (1u << 30))
        f.Border(xlDiagonalDown) = diagonal;
    if (edges & (1u << 31))
        f.Border(xlDiagonalUp) = diagonal;

    const uint8_t pattern = (more >> 26) & 0x3F;
    const uint16_t colours = GetU16(p + 18);
    const uint16_t fore = colours & 0x7F, back = (colours >> 7) & 0x7F;
    if (pattern == 1) {
        f.interior = {xlSolid, FromIcv(fore, xlColorIndexAutomatic), FromIcv(back, xlColorIndexAutomatic)};
    } else if (pattern != 0 && pattern < std::size(kPatterns)) {
        f.interior = {kPatterns[pattern], FromIcv(back, xlColorIndexNone),
                      FromIcv(fore, xlColorIndexAutomatic)};
    }
    return f;
}

}  // namespace morvessa::sheet::xls
