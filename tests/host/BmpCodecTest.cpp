#include "host/BmpCodec.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>

namespace morvessa {
namespace {
// Widths of every remainder by four (the codec packs four pixels in three words), most of them
// padded; a gradient so that every channel and row differs.
QImage SamplePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7) & 0xff, (y * 13) & 0xff, (x + y) & 0xff));
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

QByteArray QtBmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "BMP"));
    return bytes;
}

TEST(BmpCodec, WritesTheSameFileAsQtAndReadsBackTheSamePicture)
{
    for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(6, 3), QSize(897, 730), QSize(64, 5)}) {
        const QImage picture = SamplePicture(size.width(), size.height());
        const QByteArray file = EncodeBmp24(picture);
        EXPECT_EQ(file, QtBmp(picture)) << size.width() << "x" << size.height();

        // Row by row, in pieces, the same bytes; read back row by row, the same picture.
        QByteArray pieces;
        int count = 0;
        EXPECT_TRUE(WriteBmp24(picture, [&](std::span<const uint8_t> piece) {
            pieces.append(reinterpret_cast<const char*>(piece.data()), qsizetype(piece.size()));
            ++count;
        }));
        EXPECT_EQ(pieces, file);
        if (size.height() > 100)
            EXPECT_GT(count, 3) << "a large picture is not handed over whole";
        QBuffer device(&pieces);
        ASSERT_TRUE(device.open(QIODevice::ReadOnly));
        const std::optional<QImage> streamed = ReadBmp24(device);
        ASSERT_TRUE(streamed.has_value());

        const std::optional<QImage> read = DecodeBmp24(file);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*streamed, *read);
        const QImage qtRead = QImage::fromData(file, "BMP");
        EXPECT_EQ(read->format(), qtRead.format());
        EXPECT_EQ(*read, qtRead);
        EXPECT_EQ(read->dotsPerMeterX(), 3780);
    }
}

TEST(BmpCodec, OtherFormatsAndDamagedFilesAreLeftToTheGeneralReader)
{
    const QByteArray good = EncodeBmp24(SamplePicture(5, 4));
    EXPECT_FALSE(DecodeBmp24(QByteArray()).has_value());
    EXPECT_FALSE(DecodeBmp24(good.left(53)).has_value());
    EXPECT_FALSE(DecodeBmp24(good.left(good.size() - 1)).has_value()) << "a row is missing";
    for (QByteArray file :
         {QByteArray(), good.left(53), good.left(good.size() - 1), QByteArray("PM") + good.mid(2)}) {
        QBuffer device(&file);
        ASSERT_TRUE(device.open(QIODevice::ReadOnly));
        EXPECT_FALSE(ReadBmp24(device).has_value()) << file.size() << " bytes";
    }
    EXPECT_FALSE(
        WriteBmp24(QImage(), [](std::span<const uint8_t>) { ADD_FAILURE() << "a piece of nothing"; }));

    auto patched = [&](int offset, QByteArray bytes) {
        QByteArray file = good;
        file.replace(offset, bytes.size(), bytes);
        return DecodeBmp24(file);
    };
    EXPECT_FALSE(patched(0, "PM").has_value());
    EXPECT_FALSE(patched(28, QByteArray("\x20\x00", 2)).has_value()) << "32 bits per pixel";
    EXPECT_FALSE(patched(30, QByteArray("\x01\x00\x00\x00", 4)).has_value()) << "run-length compressed";
    EXPECT_FALSE(patched(22, QByteArray("\xfc\xff\xff\xff", 4)).has_value()) << "top-down rows";
    EXPECT_FALSE(patched(18, QByteArray("\xff\xff\xff\x7f", 4)).has_value()) << "an absurd width";
    EXPECT_FALSE(patched(10, QByteArray("\xff\xff\xff\xff", 4)).has_value()) << "pixels past the end";
}

}  // namespace
}  // namespace morvessa
