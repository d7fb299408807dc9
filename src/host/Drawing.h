#pragma once
// Everything that needs Qt GUI and fonts, behind one seam: drawing a range as a picture, the
// clipboard the snapshot goes through, measuring a cell's text, and pages as a PDF. The program and
// the tests link the drawing in (host/LinkedDrawing.cpp); the batch tool loads it as a module the
// first time a run draws (host/DrawingModuleLoader.cpp), so a run that writes only workbooks loads
// neither Qt GUI nor any font library.

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace morvessa {

enum class Paper;

namespace sheet {
class PictureSink;
class Worksheet;
}  // namespace sheet

// While it lives, what the user had on the clipboard is kept, to be put back when it goes.
class ClipboardKeeping {
public:
    virtual ~ClipboardKeeping() = default;
};

class Drawing {
public:
    virtual ~Drawing() = default;

    // Draws the range and puts the picture on the system clipboard (SheetSnapshot.h).
    virtual sheet::PictureSink& ClipboardPictureSink() = 0;
    virtual std::unique_ptr<ClipboardKeeping> KeepClipboard() = 0;
    // The clipboard's picture saved as a BMP at path; throws sheet::HostError.
    virtual void SaveClipboardPicture(const std::string& path) = 0;

    // FittingFontSize of SheetPicture.h.
    virtual std::optional<double> FittingFontSize(const sheet::Worksheet& sheet, int row, int column) = 0;

    // The sheets as a PDF on the paper, each page in the orientation the first sheet asks for.
    virtual QByteArray SheetsPdf(const std::vector<const sheet::Worksheet*>& sheets, Paper paper,
                                 const QString& title) = 0;
};

// The drawing of this program: linked in, or loaded on first use. Throws std::runtime_error when
// it cannot be loaded.
Drawing& Drawings();

}  // namespace morvessa
