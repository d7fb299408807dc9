#pragma once
// The snapshot of a sheet: its used range as a picture, through the clipboard, into a BMP file that
// the preview shows. The steps run here; the drawing and the clipboard are host/Drawing.h's.

#include "core/ErrorTrap.h"

#include <string>

namespace morvessa {

namespace location {
MORVESSA_LOCATION(Excel1_saveCellsActivesheet, "Excel1.saveCellsActivesheet")
}  // namespace location

namespace sheet {
class PictureSink;
class Workbook;
}  // namespace sheet

// The picture sink every host instance copies through: the drawing's clipboard sink, reached only
// when a picture is copied.
sheet::PictureSink& DrawingPictureSink();

// The active sheet's used range as a picture, through the clipboard, saved as a BMP at path
// (replacing an older file). Runs under the error trap "Excel1.saveCellsActivesheet" with steps
// 100, 102, 104, 106, 110 and 112. A used range ending in row 1 or column A writes no file.
void saveCellsActivesheet(sheet::Workbook& workbook, const std::string& path);

// The file name of the snapshot in the temporary folder.
inline constexpr const char* kSnapshotFileName = "temp.bmp";

}  // namespace morvessa
