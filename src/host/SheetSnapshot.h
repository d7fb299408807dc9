#pragma once
// The snapshot of a sheet: the used range's picture goes through the system clipboard into a BMP
// file that the preview shows. The user's own clipboard content is put back once the picture has
// been read.

#include "core/ScopedOverride.h"
#include "core/ErrorTrap.h"
#include <QImage>

#include <memory>
#include <optional>
#include <string>

namespace morvessa {

namespace location {
MORVESSA_LOCATION(Excel1_saveCellsActivesheet, "Excel1.saveCellsActivesheet")
}  // namespace location

namespace sheet {
class PictureSink;
class Workbook;
}  // namespace sheet

// The picture sink every host instance copies through: draws the range (SheetPicture.h) and puts
// the picture on the system clipboard. CopyPicture fails when the process has no QGuiApplication.
sheet::PictureSink& SystemClipboardPictureSink();

// The clipboard format that marks a picture as ours, so the user's content is only put back over it.
inline constexpr const char* kSheetPictureMimeType = "application/x-morvessa-sheet-picture";

// Where GetClipboardPicture reads from: the system clipboard in the program; tests install one that
// never answers.
class ClipboardPictureSource {
public:
    virtual ~ClipboardPictureSource() = default;
    // One request for a picture in the given clipboard format (0: whichever picture it holds).
    // An empty result is a failed request.
    virtual std::optional<QImage> TryReadPicture(int format) = 0;
};

// Reads pictures from QGuiApplication's clipboard (the process must have a QGuiApplication).
class SystemClipboardPictureSource final : public ClipboardPictureSource {
public:
    std::optional<QImage> TryReadPicture(int format) override;
};

// Installs a source for one scope and restores the previous one afterwards.
struct ClipboardPictureSourceHook {
    using Value = ClipboardPictureSource*;
    static Value& Slot();
};
using ScopedClipboardPictureSource = ScopedOverride<ClipboardPictureSourceHook>;

inline constexpr int kClipboardPictureAttempts = 1000;

// The clipboard's picture, asking up to 1000 times in all; a null image when every request failed.
// Never reports a failure.
QImage GetClipboardPicture(int format);

// The active sheet's used range as a picture, through the clipboard, saved as a BMP at path
// (replacing an older file). Runs under the error trap "Excel1.saveCellsActivesheet" with steps
// 100, 102, 104, 106, 110 and 112. A used range ending in row 1 or column A writes no file.
void saveCellsActivesheet(sheet::Workbook& workbook, const std::string& path);

// The file name of the snapshot in the temporary folder.
inline constexpr const char* kSnapshotFileName = "temp.bmp";

}  // namespace morvessa
