#pragma once
// The snapshot of a sheet: the used range's picture goes through the system clipboard into a BMP
// file that the preview shows. The user's own clipboard content is put back once the picture has
// been read.

#include "core/ScopedOverride.h"
#include "host/Drawing.h"
#include "host/SnapshotSteps.h"
#include <QImage>

#include <memory>
#include <optional>
#include <string>

namespace morvessa {

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

// Keeps what the user has on the clipboard until the result goes; put back if the clipboard then
// still holds our picture.
std::unique_ptr<ClipboardKeeping> KeepSystemClipboard();

// GetClipboardPicture(0) saved as a BMP at path, replacing an older file; throws sheet::HostError.
void SaveClipboardPictureFile(const std::string& path);

// The snapshot picture from its file; throws std::runtime_error "File not found" or "Invalid
// picture".
QImage LoadSnapshotPicture(const std::string& path);

}  // namespace morvessa
