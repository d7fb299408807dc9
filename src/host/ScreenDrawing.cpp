#include "host/ScreenDrawing.h"

#include "host/SheetPicture.h"
#include "host/SheetPrint.h"
#include "host/SheetSnapshot.h"

namespace morvessa {

sheet::PictureSink& ScreenDrawing::ClipboardPictureSink()
{
    return SystemClipboardPictureSink();
}

std::unique_ptr<ClipboardKeeping> ScreenDrawing::KeepClipboard()
{
    return KeepSystemClipboard();
}

void ScreenDrawing::SaveClipboardPicture(const std::string& path)
{
    SaveClipboardPictureFile(path);
}

std::optional<double> ScreenDrawing::FittingFontSize(const sheet::Worksheet& sheet, int row, int column)
{
    return morvessa::FittingFontSize(sheet, row, column);
}

QByteArray ScreenDrawing::SheetsPdf(const std::vector<const sheet::Worksheet*>& sheets, Paper paper,
                                    const QString& title)
{
    return morvessa::SheetsPdf(sheets, paper, title, PagesOrientation(sheets));
}

}  // namespace morvessa
