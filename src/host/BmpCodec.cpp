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

    // Every byte is written below (the header's unused fields and each row's padding as zeros), so
    // the buffer is not cleared first.
    QByteArray file(int(kPixelDataOffset + dataSize), Qt::Uninitialized);
    char* out = file.data();
    std::memset(out, 0, kPixelDataOffset);
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

    // A little-endian 0xAARRGGBB pixel is blue, green, red, alpha in memory: four pixels make three
    // words of blue, green, red without the alphas; the last few of a row go byte by byte.
    const int padding = rowBytes - width * 3;
    char* row = out + kPixelDataOffset;
    for (int y = height - 1; y >= 0; --y, row += rowBytes) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        char* p = row;
        int x = 0;
        for (; x + 4 <= width; x += 4, p += 12) {
            const uint32_t a = pixels[x], b = pixels[x + 1], c = pixels[x + 2], d = pixels[x + 3];
            const uint32_t w0 = (a & 0xffffffu) | b << 24;
            const uint32_t w1 = (b >> 8 & 0xffffu) | c << 16;
            const uint32_t w2 = (c >> 16 & 0xffu) | d << 8;
            std::memcpy(p, &w0, 4);
            std::memcpy(p + 4, &w1, 4);
            std::memcpy(p + 8, &w2, 4);
        }
        for (; x < width; ++x, p += 3) {
            p[0] = char(qBlue(pixels[x]));
            p[1] = char(qGreen(pixels[x]));
            p[2] = char(qRed(pixels[x]));
        }
        std::memset(p, 0, size_t(padding));
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
        int x = 0;
        // Three little-endian words hold four pixels' blue, green, red.
        for (; x + 4 <= width; x += 4, p += 12) {
            uint32_t w0, w1, w2;
            std::memcpy(&w0, p, 4);
            std::memcpy(&w1, p + 4, 4);
            std::memcpy(&w2, p + 8, 4);
            pixels[x] = 0xff000000u | (w0 & 0xffffffu);
            pixels[x + 1] = 0xff000000u | w0 >> 24 | (w1 & 0xffffu) << 8;
            pixels[x + 2] = 0xff000000u | w1 >> 16 | (w2 & 0xffu) << 16;
            pixels[x + 3] = 0xff000000u | w2 >> 8;
        }
        for (; x < width; ++x, p += 3)
            pixels[x] = qRgb(p[2], p[1], p[0]);
    }
    return image;
}

}  // namespace morvessa
