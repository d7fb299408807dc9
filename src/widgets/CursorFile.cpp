#include "widgets/CursorFile.h"

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace morvessa {
namespace {

// Reads little-endian fields with bounds checks; a read past the end marks the reader failed.
class LittleEndianReader {
public:
    LittleEndianReader(const QByteArray& data, qsizetype offset) : data_(data), pos_(offset) {}

    uint32_t Read(int bytes)
    {
        if (pos_ < 0 || bytes > data_.size() - pos_) {
            ok_ = false;
            return 0;
        }
        uint32_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= uint32_t(uint8_t(data_[pos_ + i])) << (8 * i);
        pos_ += bytes;
        return value;
    }
    uint8_t U8() { return uint8_t(Read(1)); }
    uint16_t U16() { return uint16_t(Read(2)); }
    uint32_t U32() { return Read(4); }
    int32_t S32() { return int32_t(Read(4)); }
    bool ok() const { return ok_; }

private:
    const QByteArray& data_;
    qsizetype pos_;
    bool ok_ = true;
};

struct DirectoryEntry {
    int width = 0;
    int height = 0;
    int hotspotX = 0;
    int hotspotY = 0;
    uint32_t size = 0;
    uint32_t offset = 0;
};

constexpr int kMaxCursorSide = 1024;

bool BitAt(const uint8_t* row, int x)
{
    return (row[x / 8] >> (7 - x % 8)) & 1;
}

// Decodes a device-independent bitmap as stored in icon and cursor files: a header, the palette,
// the colour (XOR) rows and the 1-bit transparency (AND) rows, both bottom-up with rows padded
// to 4 bytes; the header's height counts both masks.
std::optional<QImage> DecodeDib(const QByteArray& data, uint32_t offset, uint32_t size)
{
    if (offset > uint32_t(data.size()) || size > uint32_t(data.size()) - offset)
        return std::nullopt;
    const QByteArray dib = data.mid(offset, size);
    LittleEndianReader header(dib, 0);
    const uint32_t headerSize = header.U32();
    const int32_t width = header.S32();
    const int32_t doubledHeight = header.S32();
    header.U16();  // planes
    const uint16_t bitCount = header.U16();
    const uint32_t compression = header.U32();
    header.U32();  // image size
    header.U32();
    header.U32();  // resolution
    uint32_t coloursUsed = header.U32();
    if (!header.ok() || headerSize < 40 || headerSize > uint32_t(dib.size()) || compression != 0)
        return std::nullopt;
    if (width <= 0 || width > kMaxCursorSide || doubledHeight <= 0 || doubledHeight > 2 * kMaxCursorSide)
        return std::nullopt;
    const int height = doubledHeight / 2;
    if (height == 0)
        return std::nullopt;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return std::nullopt;

    std::vector<QRgb> palette;
    if (bitCount <= 8) {
        const uint32_t maxColours = 1u << bitCount;
        if (coloursUsed == 0 || coloursUsed > maxColours)
            coloursUsed = maxColours;
        LittleEndianReader paletteReader(dib, headerSize);
        for (uint32_t i = 0; i < coloursUsed; ++i) {
            const uint8_t b = paletteReader.U8(), g = paletteReader.U8(), r = paletteReader.U8();
            paletteReader.U8();
            palette.push_back(qRgb(r, g, b));
        }
        if (!paletteReader.ok())
            return std::nullopt;
    }
    const qsizetype pixelsStart = qsizetype(headerSize) + qsizetype(palette.size()) * 4;
    const qsizetype colourStride = ((qsizetype(width) * bitCount + 31) / 32) * 4;
    const qsizetype maskStride = ((qsizetype(width) + 31) / 32) * 4;
    const qsizetype colourBytes = colourStride * height;
    const qsizetype maskBytes = maskStride * height;
    if (pixelsStart + colourBytes > dib.size())
        return std::nullopt;
    // Some writers leave out the mask of 32-bit entries; their alpha channel is enough then.
    const bool hasMask = pixelsStart + colourBytes + maskBytes <= dib.size();
    if (!hasMask && bitCount != 32)
        return std::nullopt;

    const auto* bytes = reinterpret_cast<const uint8_t*>(dib.constData());
    QImage image(width, height, QImage::Format_ARGB32);
    bool anyAlpha = false;
    if (bitCount == 32) {
        for (int y = 0; y < height && !anyAlpha; ++y) {
            const uint8_t* row = bytes + pixelsStart + colourStride * (height - 1 - y);
            for (int x = 0; x < width; ++x)
                if (row[x * 4 + 3] != 0) {
                    anyAlpha = true;
                    break;
                }
        }
    }
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = bytes + pixelsStart + colourStride * (height - 1 - y);
        const uint8_t* mask =
            hasMask ? bytes + pixelsStart + colourBytes + maskStride * (height - 1 - y) : nullptr;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            QRgb colour = 0;
            int alpha = 255;
            switch (bitCount) {
            case 1:
            case 4:
            case 8: {
                uint32_t index = 0;
                if (bitCount == 1)
                    index = BitAt(row, x);
                else if (bitCount == 4)
                    index = (x % 2 == 0) ? (row[x / 2] >> 4) : (row[x / 2] & 0x0F);
                else
                    index = row[x];
                colour = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
                break;
            }
            case 24:
                colour = qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
                break;
            case 32:
                colour = qRgb(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
                if (anyAlpha)
                    alpha = row[x * 4 + 3];
                break;
            }
            if (!anyAlpha && mask && BitAt(mask, x))
                alpha = 0;  // AND bit set: the screen shows through (inverting pixels too)
            out[x] = qRgba(qRed(colour), qGreen(colour), qBlue(colour), alpha);
        }
    }
    return image;
}

}  // namespace

std::optional<CursorPicture> DecodeCursorFile(const QByteArray& data)
{
    LittleEndianReader reader(data, 0);
    const uint16_t reserved = reader.U16();
    const uint16_t type = reader.U16();
    const uint16_t count = reader.U16();
    if (!reader.ok() || reserved != 0 || type != 2 || count == 0)
        return std::nullopt;

    std::optional<DirectoryEntry> best;
    for (int i = 0; i < count; ++i) {
        DirectoryEntry entry;
        entry.width = reader.U8();
        entry.height = reader.U8();
        reader.U8();  // colour count
        reader.U8();
        entry.hotspotX = reader.U16();
        entry.hotspotY = reader.U16();
        entry.size = reader.U32();
        entry.offset = reader.U32();
        if (!reader.ok())
            return std::nullopt;
        if (entry.width == 0)
            entry.width = 256;
        if (entry.height == 0)
            entry.height = 256;
        if (!best || entry.width * entry.height > best->width * best->height)
            best = entry;
    }

    const DirectoryEntry& entry = *best;
    if (entry.offset > uint32_t(data.size()) || entry.size > uint32_t(data.size()) - entry.offset)
        return std::nullopt;
    std::optional<QImage> image;
    if (data.mid(entry.offset, 8) == QByteArray("\x89PNG\r\n\x1a\n", 8)) {
        QImage png;
        if (png.loadFromData(data.mid(entry.offset, entry.size), "PNG"))
            image = png.convertToFormat(QImage::Format_ARGB32);
    } else {
        image = DecodeDib(data, entry.offset, entry.size);
    }
    if (!image || image->isNull())
        return std::nullopt;

    CursorPicture picture;
    picture.image = *image;
    picture.hotspot =
        QPoint(std::min(entry.hotspotX, image->width() - 1), std::min(entry.hotspotY, image->height() - 1));
    return picture;
}

std::optional<CursorPicture> ReadCursorFile(const QString& path)
{
    QFile file(path);
    // A cursor is small; anything much larger is not one.
    if (!file.open(QIODevice::ReadOnly) || file.size() > 16 * 1024 * 1024)
        return std::nullopt;
    return DecodeCursorFile(file.readAll());
}

}  // namespace morvessa
