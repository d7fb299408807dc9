#include "spreadsheet/xls/GlobalsRecords.h"

#include "spreadsheet/xls/BiffStrings.h"
#include "spreadsheet/xls/Bytes.h"

namespace morvessa::sheet::xls {

std::vector<uint8_t> BofRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutU16(d, version);
    PutU16(d, type);
    PutU16(d, build);
    PutU16(d, year);
    PutU32(d, historyFlags);
    PutU32(d, lowestVersion);
    return d;
}

BofRecord BofRecord::Decode(std::span<const uint8_t> data)
{
    constexpr size_t kBuildSize = 4, kHistorySize = 8;
    ByteReader in(data, "BOF");
    BofRecord r;
    r.version = in.U16();
    r.type = in.U16();
    r.build = r.year = 0;
    r.historyFlags = r.lowestVersion = 0;
    if (in.Remaining() < kBuildSize)
        return r;
    r.build = in.U16();
    r.year = in.U16();
    if (in.Remaining() < kHistorySize)
        return r;
    r.historyFlags = in.U32();
    r.lowestVersion = in.U32();
    return r;
}

std::vector<uint8_t> Window1Record::Encode() const
{
    std::vector<uint8_t> d;
    PutU16(d, x);
    PutU16(d, y);
    PutU16(d, width);
    PutU16(d, height);
    PutU16(d, flags);
    PutU16(d, activeTab);
    PutU16(d, firstTab);
    PutU16(d, selectedTabs);
    PutU16(d, tabRatio);
    return d;
}

Window1Record Window1Record::Decode(std::span<const uint8_t> data)
{
    constexpr size_t kTabsSize = 6;
    ByteReader in(data, "WINDOW1");
    Window1Record r;
    r.x = in.U16();
    r.y = in.U16();
    r.width = in.U16();
    r.height = in.U16();
    r.flags = in.U16();
    r.activeTab = in.U16();
    if (in.Remaining() < kTabsSize)
        return r;
    r.firstTab = in.U16();
    r.selectedTabs = in.U16();
    r.tabRatio = in.U16();
    return r;
}

std::vector<uint8_t> BoundSheetRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutU32(d, position);
    PutU8(d, visibility);
    PutU8(d, type);
    PutUnicodeString(d, name, LengthField::k8Bit, kMaxNameChars);
    return d;
}

BoundSheetRecord BoundSheetRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "BOUNDSHEET");
    BoundSheetRecord r;
    r.position = in.U32();
    r.visibility = in.U8();
    r.type = in.U8();
    r.name = ReadUnicodeString(in, LengthField::k8Bit);
    return r;
}

std::vector<uint8_t> WriteAccessRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutUnicodeString(d, name, LengthField::k16Bit, kMaxNameChars);
    d.resize(kSize, ' ');
    return d;
}

WriteAccessRecord WriteAccessRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "WRITEACCESS");
    return {ReadUnicodeString(in, LengthField::k16Bit)};
}

std::vector<uint8_t> TabIdRecord::Encode() const
{
    std::vector<uint8_t> d;
    for (uint16_t id : ids)
        PutU16(d, id);
    return d;
}

TabIdRecord TabIdRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "TABID");
    TabIdRecord r;
    while (in.Remaining() >= 2)
        r.ids.push_back(in.U16());
    return r;
}

std::vector<uint8_t> CountryRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutU16(d, interfaceCountry);
    PutU16(d, systemCountry);
    return d;
}

CountryRecord CountryRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "COUNTRY");
    CountryRecord r;
    r.interfaceCountry = in.U16();
    r.systemCountry = in.U16();
    return r;
}

std::vector<uint8_t> StyleRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutU16(d, xfAndFlags);
    PutU8(d, builtInId);
    PutU8(d, level);
    return d;
}

StyleRecord StyleRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "STYLE");
    StyleRecord r;
    r.xfAndFlags = in.U16();
    r.builtInId = in.U8();
    r.level = in.U8();
    return r;
}

}  // namespace morvessa::sheet::xls
