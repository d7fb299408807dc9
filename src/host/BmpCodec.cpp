#include "host/BmpCodec.h"

#include <QIODevice>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace morvessa {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPixelDataOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr uint16_t kBitsPerPixel = 24;
constexpr uint32_t kCompressionNone = 0;  // BI_RGB
// A picture of a month is under a thousand pixels a side; anything near this is not ours.
constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;
// The streaming writer and reader move whole rows in pieces of about this size.
constexpr int kPieceBytes = 64 * 1024;

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

// The picture as RGB32 or ARGB32, whose words are read as pixels (converted only when needed).
QImage WordPixels(const QImage& picture)
{
    return picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
               ? picture
               : picture.convertToFormat(QImage::Format_RGB32);
}

// BITMAPFILEHEADER and BITMAPINFOHEADER, the unused fields zero.
void PutHeaders(char* out, const QImage& image)
{
    const int64_t dataSize = int64_t(RowBytes(image.width())) * image.height();
    std::memset(out, 0, kPixelDataOffset);
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out + 2, uint32_t(kPixelDataOffset + dataSize));
    PutU32(out + 10, kPixelDataOffset);
    char* info = out + kFileHeaderSize;
    PutU32(info, kInfoHeaderSize);
    PutU32(info + 4, uint32_t(image.width()));
    PutU32(info + 8, uint32_t(image.height()));
    PutU16(info + 12, 1);
    PutU16(info + 14, kBitsPerPixel);
    PutU32(info + 16, kCompressionNone);
    PutU32(info + 20, uint32_t(dataSize));
    PutU32(info + 24, uint32_t(image.dotsPerMeterX()));
    PutU32(info + 28, uint32_t(image.dotsPerMeterY()));
}

// One row of the file (rows are stored bottom-up) from the picture's row `y`, padding included.
// A little-endian 0xAARRGGBB pixel is blue, green, red, alpha in memory: four pixels make three
// words of blue, green, red without the alphas. SSE2 packs four pixels with two 8-byte stores that
// overlap by two bytes and run two bytes past the group, so it stops while a pixel is left to
// write over them; the rest goes word by word, the last few byte by byte.
void PutRow(const QImage& image, int y, char* p)
{
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const int width = image.width();
    const char* rowEnd = p + RowBytes(width);
    int x = 0;
#ifdef __SSE2__
    const __m128i colour = _mm_set1_epi64x(0x0000000000ffffffLL);
    const __m128i second = _mm_set1_epi64x(0x00ffffff00000000LL);
    for (; x + 5 <= width; x += 4, p += 12) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x));
        // Each 64-bit lane: its first pixel's three bytes, then its second's right after them.
        const __m128i packed =
            _mm_or_si128(_mm_and_si128(four, colour), _mm_srli_epi64(_mm_and_si128(four, second), 8));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p), packed);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p + 6), _mm_srli_si128(packed, 8));
    }
#endif
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
    std::memset(p, 0, size_t(rowEnd - p));
}

// The picture's row from one row of the file: three little-endian words hold four pixels' blue,
// green, red. SSE2 reads 16 bytes for a group of 12, so it stops while more than a group is left;
// the rest goes word by word, the last few byte by byte.
void GetRow(const uint8_t* p, QRgb* pixels, int width)
{
    int x = 0;
#ifdef __SSE2__
    const __m128i first = _mm_set1_epi64x(0x0000000000ffffffLL);
    const __m128i second = _mm_set1_epi64x(0x00ffffff00000000LL);
    const __m128i opaque = _mm_set1_epi32(int(0xff000000u));
    for (; x + 6 <= width; x += 4, p += 12) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        // Each 64-bit lane gets two pixels' six bytes (0-5, then 6-11), which are spread to words.
        const __m128i pairs = _mm_unpacklo_epi64(bytes, _mm_srli_si128(bytes, 6));
        const __m128i words =
            _mm_or_si128(_mm_and_si128(pairs, first), _mm_and_si128(_mm_slli_epi64(pairs, 8), second));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + x), _mm_or_si128(words, opaque));
    }
#endif
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

// What the headers say, when they describe a picture the direct decoder takes and that fits in a
// file of `fileSize` bytes.
struct Layout {
    int width = 0;
    int height = 0;
    uint32_t dataOffset = 0;
    int dotsPerMeterX = 0;
    int dotsPerMeterY = 0;
};

std::optional<Layout> ReadHeaders(const char* in, int64_t fileSize)
{
    if (fileSize < kPixelDataOffset || in[0] != 'B' || in[1] != 'M')
        return std::nullopt;
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
    if (dataOffset < uint32_t(kPixelDataOffset) ||
        int64_t(dataOffset) + int64_t(RowBytes(width)) * height > fileSize)
        return std::nullopt;
    return Layout{width, height, dataOffset, int(GetU32(info + 24)), int(GetU32(info + 28))};
}

QImage EmptyPicture(const Layout& layout)
{
    QImage image(layout.width, layout.height, QImage::Format_RGB32);
    if (!image.isNull()) {
        image.setDotsPerMeterX(layout.dotsPerMeterX);
        image.setDotsPerMeterY(layout.dotsPerMeterY);
    }
    return image;
}

}  // namespace

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "pixels are copied as little-endian words");

QByteArray EncodeBmp24(const QImage& picture)
{
    if (picture.isNull())
        return {};
    const QImage image = WordPixels(picture);
    const int rowBytes = RowBytes(image.width());
    // Every byte is written below, so the buffer is not cleared first.
    QByteArray file(int(kPixelDataOffset + int64_t(rowBytes) * image.height()), Qt::Uninitialized);
    char* out = file.data();
    PutHeaders(out, image);
    char* row = out + kPixelDataOffset;
    for (int y = image.height() - 1; y >= 0; --y, row += rowBytes)
        PutRow(image, y, row);
    return file;
}

bool WriteBmp24(const QImage& picture, const BmpSink& sink)
{
    if (picture.isNull())
        return false;
    const QImage image = WordPixels(picture);
    const int rowBytes = RowBytes(image.width());
    const int rowsPerPiece = std::max(1, kPieceBytes / rowBytes);
    std::vector<uint8_t> piece(size_t(std::max(kPixelDataOffset, rowsPerPiece * rowBytes)));
    char* out = reinterpret_cast<char*>(piece.data());
    PutHeaders(out, image);
    sink(std::span<const uint8_t>(piece.data(), kPixelDataOffset));
    for (int y = image.height() - 1; y >= 0;) {
        char* row = out;
        int rows = 0;
        for (; rows < rowsPerPiece && y >= 0; ++rows, --y, row += rowBytes)
            PutRow(image, y, row);
        sink(std::span<const uint8_t>(piece.data(), size_t(rows) * size_t(rowBytes)));
    }
    return true;
}

std::optional<QImage> DecodeBmp24(const QByteArray& file)
{
    const std::optional<Layout> layout = ReadHeaders(file.constData(), file.size());
    if (!layout)
        return std::nullopt;
    QImage image = EmptyPicture(*layout);
    if (image.isNull())
        return std::nullopt;
    const int rowBytes = RowBytes(layout->width);
    const auto* row = reinterpret_cast<const uint8_t*>(file.constData() + layout->dataOffset);
    for (int y = layout->height - 1; y >= 0; --y, row += rowBytes)
        GetRow(row, reinterpret_cast<QRgb*>(image.scanLine(y)), layout->width);
    return image;
}

std::optional<QImage> ReadBmp24(QIODevice& device)
{
    char headers[kPixelDataOffset];
    if (device.isSequential() || !device.seek(0) ||
        device.read(headers, kPixelDataOffset) != kPixelDataOffset)
        return std::nullopt;
    const std::optional<Layout> layout = ReadHeaders(headers, device.size());
    if (!layout || !device.seek(layout->dataOffset))
        return std::nullopt;
    QImage image = EmptyPicture(*layout);
    if (image.isNull())
        return std::nullopt;
    const int rowBytes = RowBytes(layout->width);
    const int rowsPerPiece = std::max(1, kPieceBytes / rowBytes);
    std::vector<uint8_t> piece(size_t(rowsPerPiece) * size_t(rowBytes));
    for (int y = layout->height - 1; y >= 0;) {
        const int rows = std::min(rowsPerPiece, y + 1);
        const qint64 bytes = qint64(rows) * rowBytes;
        if (device.read(reinterpret_cast<char*>(piece.data()), bytes) != bytes)
            return std::nullopt;  // shorter than its size said a moment ago
        const uint8_t* row = piece.data();
        for (int i = 0; i < rows; ++i, --y, row += rowBytes)
            GetRow(row, reinterpret_cast<QRgb*>(image.scanLine(y)), layout->width);
    }
    return image;
}

}  // namespace morvessa
