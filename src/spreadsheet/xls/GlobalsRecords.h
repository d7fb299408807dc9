#pragma once
// The records of the workbook globals that have no table of their own (FONT, FORMAT, XF, SST and
// PALETTE live beside their tables), plus BOF, which begins every substream. As in
// SheetRecords.h: one struct per record with the file's fields, encoded and decoded in one place.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "spreadsheet/xls/BiffRecords.h"

namespace morvessa::sheet::xls {

// BOF: version and substream type. Files of older formats carry a shorter record, so only
// the first two fields are required (the version tells the reader what it has).
struct BofRecord {
    static constexpr uint16_t kId = rec::kBof;
    uint16_t version = kBiff8Version;
    uint16_t type = kBofGlobals;
    uint16_t build = kBofBuild;
    uint16_t year = kBofYear;
    uint32_t historyFlags = 0;
    uint32_t lowestVersion = kBiff8Version >> 8;

    std::vector<uint8_t> Encode() const;
    static BofRecord Decode(std::span<const uint8_t> data);
    bool operator==(const BofRecord&) const = default;
};

// WINDOW1: the workbook window; the reader needs the fields up to the active tab.
struct Window1Record {
    static constexpr uint16_t kId = rec::kWindow1;
    uint16_t x = 0, y = 0, width = 0, height = 0;  // twips
    uint16_t flags = 0;
    uint16_t activeTab = 0;
    uint16_t firstTab = 0;
    uint16_t selectedTabs = 1;
    uint16_t tabRatio = 600;  // per mille of the width given to the tabs

    std::vector<uint8_t> Encode() const;
    static Window1Record Decode(std::span<const uint8_t> data);
    bool operator==(const Window1Record&) const = default;
};

// BOUNDSHEET: a sheet's name, type and the stream position of its BOF.
struct BoundSheetRecord {
    static constexpr uint16_t kId = rec::kBoundSheet;
    static constexpr size_t kPositionOffset = 0;  // patched once the sheet's position is known
    static constexpr size_t kMaxNameChars = 31;
    uint32_t position = 0;
    uint8_t visibility = 0;  // 0 visible
    uint8_t type = kSheetWorksheet;
    std::string name;  // UTF-8

    std::vector<uint8_t> Encode() const;
    static BoundSheetRecord Decode(std::span<const uint8_t> data);
    bool operator==(const BoundSheetRecord&) const = default;
};

// WRITEACCESS: the name of the program or user that saved the file, padded with spaces.
struct WriteAccessRecord {
    static constexpr uint16_t kId = rec::kWriteAccess;
    static constexpr size_t kSize = 112;
    static constexpr size_t kMaxNameChars = 54;
    std::string name;

    std::vector<uint8_t> Encode() const;
    static WriteAccessRecord Decode(std::span<const uint8_t> data);
    bool operator==(const WriteAccessRecord&) const = default;
};

// TABID: one id per sheet, in tab order.
struct TabIdRecord {
    static constexpr uint16_t kId = rec::kTabId;
    std::vector<uint16_t> ids;

    std::vector<uint8_t> Encode() const;
    static TabIdRecord Decode(std::span<const uint8_t> data);
    bool operator==(const TabIdRecord&) const = default;
};

// COUNTRY: the country codes of the user interface and of the system settings.
struct CountryRecord {
    static constexpr uint16_t kId = rec::kCountry;
    uint16_t interfaceCountry = 1, systemCountry = 1;

    std::vector<uint8_t> Encode() const;
    static CountryRecord Decode(std::span<const uint8_t> data);
    bool operator==(const CountryRecord&) const = default;
};

// STYLE of a built-in style: its style XF, the built-in style id and the outline level.
struct StyleRecord {
    static constexpr uint16_t kId = rec::kStyle;
    static constexpr uint16_t kBuiltIn = 0x8000;
    uint16_t xfAndFlags = kBuiltIn;
    uint8_t builtInId = 0;
    uint8_t level = 0xFF;

    std::vector<uint8_t> Encode() const;
    static StyleRecord Decode(std::span<const uint8_t> data);
    bool operator==(const StyleRecord&) const = default;
};

}  // namespace morvessa::sheet::xls
