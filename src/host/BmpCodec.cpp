#include "host/BmpCodec.h"

#include <cstdint>
#include <cstring>

namespace morvessa {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPixelDataOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr uint16_t kBitsPerPixel = 24;
constexpr uint32_t kCompressionNone = 0;  // BI_RGB
// A picture of a month is under a thousand pixels a side; anything near this is not ours.
constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;

int RowBytes(int width)
{
    return (width * 3 + 3) & ~3;
}

void PutU16(char* at, uint16_t value)
{
    at[0] = char(value & 0xff);
    at[1] = char(value >> 8);
}

void PutU32(char* at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = char((value >> (8 * i)) & 0xff);
}

uint16_t GetU16(const char* at)
{
    return uint16_t(uint8_t(at[0]) | uint8_t(at[1]) << 8);
}

uint32_t GetU32(const char* at)
{
    return uint32_t(uint8_t(at[0])) | uint32_t(uint8_t(at[1])) << 8 | uint32_t(uint8_t(at[2])) << 16 |
           uint32_t(uint8_t(at[3])) << 24;
}

}  // namespace

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "pixels are copied as little-endian words");

QByteArray EncodeBmp24(const QImage& picture)
{
    if (picture.isNull())
        return {};
    const QImage image = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
                             ? picture
                             : picture.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const int rowBytes = RowBytes(width);
    const int64_t dataSize = int64_t(rowBytes) * height;

    QByteArray file(int(kPixelDataOffset + dataSize), '\0');
    char* out = file.data();
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out + 2, uint32_t(file.size()));
    PutU32(out + 10, kPixelDataOffset);
    char* info = out + kFileHeaderSize;
    PutU32(info, kInfoHeaderSize);
    PutU32(info + 4, uint32_t(width));
    PutU32(info + 8, uint32_t(height));
    PutU16(info + 12, 1);
    PutU16(info + 14, kBitsPerPixel);
    PutU32(info + 16, kCompressionNone);
    PutU32(info + 20, uint32_t(dataSize));
    PutU32(info + 24, uint32_t(image.dotsPerMeterX()));
    PutU32(info + 28, uint32_t(image.dotsPerMeterY()));

    // A little-endian 0xAARRGGBB pixel is blue, green, red, alpha in memory: each pixel is stored as
    // four bytes whose fourth the next pixel overwrites; the row's last pixel goes byte by byte so
    // that nothing is written past the row.
    char* row = out + kPixelDataOffset;
    for (int y = height - 1; y >= 0; --y, row += rowBytes) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        char* p = row;
        for (int x = 0; x + 1 < width; ++x, p += 3)
            std::memcpy(p, &pixels[x], 4);
        const QRgb last = pixels[width - 1];
        p[0] = char(qBlue(last));
        p[1] = char(qGreen(last));
        p[2] = char(qRed(last));
    }
    return file;
}

std::optional<QImage> DecodeBmp24(const QByteArray& file)
{
    if (file.size() < kPixelDataOffset || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const char* in = file.constData();
    const char* info = in + kFileHeaderSize;
    const uint32_t dataOffset = GetU32(in + 10);
    const int32_t width = int32_t(GetU32(info + 4));
    const int32_t height = int32_t(GetU32(info + 8));
    if (GetU32(info) != kInfoHeaderSize || GetU16(info + 12) != 1 || GetU16(info + 14) != kBitsPerPixel ||
        GetU32(info + 16) != kCompressionNone)
        return std::nullopt;
    // Negative heights (top-down rows) and empty pictures are left to the general reader.
    if (width <= 0 || height <= 0 || int64_t(width) * height > kMaxPixels)
        return std::nullopt;
    const int rowBytes = RowBytes(width);
    if (dataOffset < uint32_t(kPixelDataOffset) ||
        int64_t(dataOffset) + int64_t(rowBytes) * height > int64_t(file.size()))
        return std::nullopt;

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    image.setDotsPerMeterX(int(GetU32(info + 24)));
    image.setDotsPerMeterY(int(GetU32(info + 28)));
    const auto* row = reinterpret_cast<const uint8_t*>(in + dataOffset);
    for (int y = height - 1; y >= 0; --y, row += rowBytes) {
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uint8_t* p = row;
        for (int x = 0; x + 1 < width; ++x, p += 3) {
            uint32_t bgr;
            std::memcpy(&bgr, p, 4);  // the fourth byte belongs to the next pixel
            pixels[x] = 0xff000000u | (bgr & 0x00ffffffu);
        }
        pixels[width - 1] = qRgb(p[2], p[1], p[0]);
    }
    return image;
}

}  // namespace morvessa
