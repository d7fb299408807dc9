#pragma once
// Fixed values of the compound-file format shared by its writer and reader.

#include <cstdint>

namespace morvessa::sheet::xls::cfb {

constexpr uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr uint32_t kSectorSize = 512;
constexpr uint32_t kMiniSectorSize = 64;
constexpr uint32_t kMiniStreamCutoff = 4096;
constexpr uint32_t kDirectoryEntrySize = 128;
constexpr uint32_t kHeaderDifatEntries = 109;

constexpr uint32_t kMaxRegularSector = 0xFFFFFFFA;
constexpr uint32_t kDifatSector = 0xFFFFFFFC;
constexpr uint32_t kFatSector = 0xFFFFFFFD;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFreeSector = 0xFFFFFFFF;
constexpr uint32_t kNoStream = 0xFFFFFFFF;

constexpr uint8_t kTypeEmpty = 0;
constexpr uint8_t kTypeStorage = 1;
constexpr uint8_t kTypeStream = 2;
constexpr uint8_t kTypeRoot = 5;
constexpr uint8_t kColourRed = 0;
constexpr uint8_t kColourBlack = 1;

// Header field offsets.
constexpr uint32_t kOffMinorVersion = 24;
constexpr uint32_t kOffMajorVersion = 26;
constexpr uint32_t kOffByteOrder = 28;
constexpr uint32_t kOffSectorShift = 30;
constexpr uint32_t kOffMiniSectorShift = 32;
constexpr uint32_t kOffFatSectorCount = 44;
constexpr uint32_t kOffFirstDirectorySector = 48;
constexpr uint32_t kOffMiniStreamCutoff = 56;
constexpr uint32_t kOffFirstMiniFatSector = 60;
constexpr uint32_t kOffMiniFatSectorCount = 64;
constexpr uint32_t kOffFirstDifatSector = 68;
constexpr uint32_t kOffDifatSectorCount = 72;
constexpr uint32_t kOffHeaderDifat = 76;

// Directory entry field offsets.
constexpr uint32_t kOffEntryNameLength = 64;
constexpr uint32_t kOffEntryType = 66;
constexpr uint32_t kOffEntryColour = 67;
constexpr uint32_t kOffEntryLeft = 68;
constexpr uint32_t kOffEntryRight = 72;
constexpr uint32_t kOffEntryChild = 76;
constexpr uint32_t kOffEntryStart = 116;
constexpr uint32_t kOffEntrySize = 120;

}  // namespace morvessa::sheet::xls::cfb
