#pragma once
// The drawing behind host/Drawing.h, done here with Qt GUI: the sheet picture, the system
// clipboard, the PDF writer.

#include "host/Drawing.h"

namespace morvessa {

class ScreenDrawing final : public Drawing {
public:
    sheet::PictureSink& ClipboardPictureSink() override;
    std::unique_ptr<ClipboardKeeping> KeepClipboard() override;
    void SaveClipboardPicture(const std::string& path) override;
    std::optional<double> FittingFontSize(const sheet::Worksheet& sheet, int row, int column) override;
    QByteArray SheetsPdf(const std::vector<const sheet::Worksheet*>& sheets, Paper paper,
                         const QString& title) override;
};

}  // namespace morvessa
