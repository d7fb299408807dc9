#include "host/SheetSnapshot.h"
#include "host/BmpCodec.h"

#include "host/SheetPicture.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/io/AtomicFile.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <utility>

namespace morvessa {
namespace {

QClipboard* SystemClipboard()
{
    // The clipboard belongs to the GUI application; without one there is none to use (and none may
    // be created here: that is the program's business).
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return nullptr;
    return QGuiApplication::clipboard();
}

class ClipboardPictureSink final : public sheet::PictureSink {
public:
    void CopyPicture(const sheet::Worksheet& sheet, const sheet::CellRange& area) override
    {
        QClipboard* clipboard = SystemClipboard();
        if (!clipboard)
            throw sheet::HostError("CopyPicture method of Range class failed");
        const QImage picture = RenderRangePicture(sheet, area);
        auto* data = new QMimeData;
        data->setImageData(picture);
        data->setData(kSheetPictureMimeType, QByteArray());
        clipboard->setMimeData(data);
    }
};

SystemClipboardPictureSource& DefaultSource()
{
    static SystemClipboardPictureSource source;
    return source;
}

ClipboardPictureSource*& CurrentSource()
{
    static ClipboardPictureSource* source = &DefaultSource();
    return source;
}

// Keeps a copy of what the user had on the clipboard and puts it back when it goes, provided the
// clipboard still holds our picture (something another program put there meanwhile stays).
class ClipboardKeeper final : public ClipboardKeeping {
public:
    ClipboardKeeper() : clipboard_(SystemClipboard())
    {
        if (!clipboard_)
            return;
        const QMimeData* current = clipboard_->mimeData();
        if (!current)
            return;
        saved_ = std::make_unique<QMimeData>();
        if (current->hasImage())
            saved_->setImageData(current->imageData());
        if (current->hasColor())
            saved_->setColorData(current->colorData());
        for (const QString& format : current->formats()) {
            if (format == QLatin1String("application/x-qt-image"))
                continue;  // carried by imageData
            saved_->setData(format, current->data(format));
        }
    }
    ~ClipboardKeeper() override
    {
        if (!clipboard_)
            return;
        const QMimeData* current = clipboard_->mimeData();
        if (!current || !current->hasFormat(kSheetPictureMimeType))
            return;
        if (saved_ && !saved_->formats().isEmpty())
            clipboard_->setMimeData(saved_.release());
        else
            clipboard_->clear();
    }
    ClipboardKeeper(const ClipboardKeeper&) = delete;
    ClipboardKeeper& operator=(const ClipboardKeeper&) = delete;

private:
    QClipboard* clipboard_;
    std::unique_ptr<QMimeData> saved_;
};

// Writes the picture as a BMP in one step, so an older picture is only ever replaced by a complete
// one; the rows go to the file as they are encoded. (No flush to disk: the file lives for seconds.)
void SavePictureFile(const QImage& picture, const std::string& path)
{
    if (picture.isNull())
        throw sheet::HostError("Invalid picture");
    try {
        sheet::io::ReplaceFileAtomically(
            path,
            [&](const sheet::io::FileSink& sink) {
                if (!WriteBmp24(picture, sink))
                    throw sheet::HostError("Path/File access error: " + path);
            },
            sheet::io::Durability::Cached, 0600);
    } catch (const sheet::io::FileError& error) {
        throw sheet::HostError("Path/File access error: " + path + " (" + error.reason() + ")");
    }
}

}  // namespace

sheet::PictureSink& SystemClipboardPictureSink()
{
    static ClipboardPictureSink sink;
    return sink;
}

std::optional<QImage> SystemClipboardPictureSource::TryReadPicture(int /*format*/)
{
    // Every picture format the clipboard may hold reaches us as an image.
    QClipboard* clipboard = SystemClipboard();
    if (!clipboard)
        return std::nullopt;
    const QMimeData* data = clipboard->mimeData();
    if (!data || !data->hasImage())
        return std::nullopt;
    QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull())
        return std::nullopt;
    return image;
}

ClipboardPictureSourceHook::Value& ClipboardPictureSourceHook::Slot()
{
    return CurrentSource();
}

QImage GetClipboardPicture(int format)
{
    for (int attempt = 0; attempt < kClipboardPictureAttempts; ++attempt) {
        try {
            if (auto picture = CurrentSource()->TryReadPicture(format))
                return *picture;
        } catch (...) {
            // A refused request is simply asked again.
        }
    }
    return {};
}

std::unique_ptr<ClipboardKeeping> KeepSystemClipboard()
{
    return std::make_unique<ClipboardKeeper>();
}

void SaveClipboardPictureFile(const std::string& path)
{
    SavePictureFile(GetClipboardPicture(0), path);
}

QImage LoadSnapshotPicture(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile())
        throw std::runtime_error("File not found");
    QFile in(file);
    QImage picture;
    if (in.open(QIODevice::ReadOnly)) {
        // The picture keeps its own format whatever the file is called: ours is read row by row,
        // anything else whole by Qt's reader.
        std::optional<QImage> direct = ReadBmp24(in);
        if (direct)
            picture = std::move(*direct);
        else if (in.seek(0))
            picture = QImage::fromData(in.readAll());
    }
    if (picture.isNull())
        throw std::runtime_error("Invalid picture");
    return picture;
}

}  // namespace morvessa
