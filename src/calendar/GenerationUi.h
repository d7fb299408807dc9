#pragma once
// What the generation driver needs from the windows: the month selector it reads, the pointer it
// sets, and the handover of the result. The main window and preview implement it; a headless one
// serves the command-line generator.

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>
#include <string>

namespace morvessa {

// The main window's mouse pointer while the generation runs.
enum class MousePointer {
    Default = 0,
    Hourglass = 11,
};

class GenerationUi {
public:
    virtual ~GenerationUi() = default;

    // List index of the fixed-holiday month selector (0 = January, -1 = nothing selected).
    virtual int MonthSelectorIndex() const = 0;
    // Whether the month's picture is taken and handed over: the preview always shows one; a run
    // without a screen asks for it only when it keeps the picture.
    virtual bool PictureWanted() const { return true; }
    // The main window's mouse pointer: the hourglass while the snapshot is taken, then the default.
    virtual void SetMainMousePointer(MousePointer pointer) = 0;

    // The handover, in this order: the snapshot picture, the temporary workbook path (from now on
    // owned by the preview), show the preview, hide the main window. The picture is a BMP file, read
    // during the call (it goes afterwards): std::runtime_error "File not found" or "Invalid picture"
    // when it cannot be.
    virtual void SetPreviewPictureFile(const std::string& path) = 0;
    virtual void SetPreviewWorkbook(const std::string& path) = 0;
    virtual void ShowPreview() = 0;
    virtual void HideMainWindow() = 0;
};

// Plays the main window and the preview without a screen (the batch tool, benchmarks): keeps what
// the generation hands over, the picture as its file's bytes (nothing draws or decodes it here).
class HeadlessGenerationUi final : public GenerationUi {
public:
    explicit HeadlessGenerationUi(int monthIndex = 0, bool pictureWanted = true)
        : monthIndex_(monthIndex), pictureWanted_(pictureWanted)
    {
    }

    int MonthSelectorIndex() const override { return monthIndex_; }
    bool PictureWanted() const override { return pictureWanted_; }
    void SetMainMousePointer(MousePointer) override {}
    void SetPreviewPictureFile(const std::string& path) override
    {
        QFile file(QString::fromStdString(path));
        if (!QFileInfo(file).isFile())
            throw std::runtime_error("File not found");
        QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        constexpr qsizetype kBmpHeadersSize = 54;
        if (bytes.size() < kBmpHeadersSize || !bytes.startsWith("BM"))
            throw std::runtime_error("Invalid picture");
        pictureFile_ = std::move(bytes);
    }
    void SetPreviewWorkbook(const std::string& path) override { workbookPath_ = path; }
    void ShowPreview() override { previewShown_ = true; }
    void HideMainWindow() override {}

    // The snapshot picture's BMP file; empty when none was taken.
    const QByteArray& pictureFile() const { return pictureFile_; }
    // The temporary workbook, now the caller's to remove; empty when nothing was handed over.
    const std::string& workbookPath() const { return workbookPath_; }
    bool previewShown() const { return previewShown_; }

private:
    int monthIndex_;
    bool pictureWanted_;
    QByteArray pictureFile_;
    std::string workbookPath_;
    bool previewShown_ = false;
};

}  // namespace morvessa
