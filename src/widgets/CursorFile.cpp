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
// The fields of a cursor image's bitmap header that decoding needs.
struct DibHeader {
    uint32_t headerSize = 0;
    int width = 0;
    int height = 0;  // of the colour image: the stored height covers the mask too
    uint16_t bitCount = 0;
    uint32_t coloursUsed = 0;
};

std::optional<DibHeader> ReadDibHeader(const QByteArray& dib)
{
    LittleEndianReader header(dib, 0);
    DibHeader result;
    result.headerSize = header.U32();
    const int32_t width = header.S32();
    const int32_t doubledHeight = header.S32();
    header.U16();  // planes
    result.bitCount = header.U16();
    const uint32_t compression = header.U32();
    header.U32();  // image size
    header.U32();
    header.U32();  // resolution
    result.coloursUsed = header.U32();
    if (!header.ok() || result.headerSize < 40 || result.headerSize > uint32_t(dib.size()) ||
        compression != 0)
        return std::nullopt;
    if (width <= 0 || width > kMaxCursorSide || doubledHeight <= 0 || doubledHeight > 2 * kMaxCursorSide)
        return std::nullopt;
    result.width = width;
    result.height = doubledHeight / 2;
    if (result.height == 0)
        return std::nullopt;
    const uint16_t bits = result.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return std::nullopt;
    return result;
}

// The colour table after the header (empty for 24- and 32-bit images); nothing when it is cut.
std::optional<std::vector<QRgb>> ReadPalette(const QByteArray& dib, const DibHeader& header)
{
    std::vector<QRgb> palette;
    if (header.bitCount > 8)
        return palette;
    const uint32_t maxColours = 1u << header.bitCount;
    const uint32_t count =
        header.coloursUsed == 0 || header.coloursUsed > maxColours ? maxColours : header.coloursUsed;
    LittleEndianReader reader(dib, header.headerSize);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t b = reader.U8(), g = reader.U8(), r = reader.U8();
        reader.U8();
        palette.push_back(qRgb(r, g, b));
    }
    if (!reader.ok())
        return std::nullopt;
    return palette;
}

// Whether a 32-bit image uses its alpha channel at all; if not, the mask gives transparency.
bool AnyAlpha(const uint8_t* pixels, const DibHeader& header, qsizetype stride)
{
    for (int y = 0; y < header.height; ++y) {
        const uint8_t* row = pixels + stride * y;
        for (int x = 0; x < header.width; ++x)
            if (row[x * 4 + 3] != 0)
                return true;
    }
    return false;
}

// The colour of pixel x of a stored row.
QRgb PixelColour(const uint8_t* row, int x, uint16_t bitCount, const std::vector<QRgb>& palette)
{
    switch (bitCount) {
    case 24:
        return qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    case 32:
        return qRgb(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
    default: {
        uint32_t index = 0;
        if (bitCount == 1)
            index = BitAt(row, x);
        else if (bitCount == 4)
            index = (x % 2 == 0) ? (row[x / 2] >> 4) : (row[x / 2] & 0x0F);
        else
            index = row[x];
        return index < palette.size() ? palette[index] : qRgb(0, 0, 0);
    }
    }
}

std::optional<QImage> DecodeDib(const QByteArray& data, uint32_t offset, uint32_t size)
{
    if (offset > uint32_t(data.size()) || size > uint32_t(data.size()) - offset)
        return std::nullopt;
    const QByteArray dib = data.mid(offset, size);
    const std::optional<DibHeader> header = ReadDibHeader(dib);
    if (!header)
        return std::nullopt;
    const std::optional<std::vector<QRgb>> palette = ReadPalette(dib, *header);
    if (!palette)
        return std::nullopt;
    const int width = header->width;
    const int height = header->height;
    const qsizetype pixelsStart = qsizetype(header->headerSize) + qsizetype(palette->size()) * 4;
    const qsizetype colourStride = ((qsizetype(width) * header->bitCount + 31) / 32) * 4;
    const qsizetype maskStride = ((qsizetype(width) + 31) / 32) * 4;
    const qsizetype colourBytes = colourStride * height;
    const qsizetype maskBytes = maskStride * height;
    if (pixelsStart + colourBytes > dib.size())
        return std::nullopt;
    // Some writers leave out the mask of 32-bit entries; their alpha channel is enough then.
    const bool hasMask = pixelsStart + colourBytes + maskBytes <= dib.size();
    if (!hasMask && header->bitCount != 32)
        return std::nullopt;

    const auto* pixels = reinterpret_cast<const uint8_t*>(dib.constData()) + pixelsStart;
    const bool anyAlpha = header->bitCount == 32 && AnyAlpha(pixels, *header, colourStride);
    QImage image(width, height, QImage::Format_ARGB32);
    // Rows are stored bottom up.
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = pixels + colourStride * (height - 1 - y);
        const uint8_t* mask = hasMask ? pixels + colourBytes + maskStride * (height - 1 - y) : nullptr;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb colour = PixelColour(row, x, header->bitCount, *palette);
            int alpha = anyAlpha ? row[x * 4 + 3] : 255;
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
