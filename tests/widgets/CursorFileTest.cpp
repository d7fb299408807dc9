#include "widgets/CursorFile.h"
#include "widgets/UiRoutines.h"
#include "support/UiTestSupport.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace morvessa {
namespace {

const QString kShippedCursor = QStringLiteral(MORVESSA_SOURCE_DIR "/resources/HAND-M.CUR");

void PutU16(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}
void PutU32(QByteArray& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// One-entry cursor file around an image payload.
QByteArray CursorWith(const QByteArray& payload, int side, int hotX, int hotY)
{
    QByteArray file;
    PutU16(file, 0);
    PutU16(file, 2);
    PutU16(file, 1);
    file.append(char(side));
    file.append(char(side));
    file.append(char(0));
    file.append(char(0));
    PutU16(file, hotX);
    PutU16(file, hotY);
    PutU32(file, uint32_t(payload.size()));
    PutU32(file, 22);
    return file + payload;
}

// A 32-bit bitmap entry of the given colour with alpha, plus an all-zero mask.
QByteArray Bitmap32(int side, QRgb colour)
{
    QByteArray dib;
    PutU32(dib, 40);
    PutU32(dib, uint32_t(side));
    PutU32(dib, uint32_t(side * 2));
    PutU16(dib, 1);
    PutU16(dib, 32);
    for (int i = 0; i < 6; ++i)
        PutU32(dib, 0);
    for (int i = 0; i < side * side; ++i) {
        dib.append(char(qBlue(colour)));
        dib.append(char(qGreen(colour)));
        dib.append(char(qRed(colour)));
        dib.append(char(qAlpha(colour)));
    }
    dib.append(QByteArray(((side + 31) / 32) * 4 * side, '\0'));
    return dib;
}

TEST(CursorFile, ShippedHandCursorIsAMonochromeCursorWithItsHotspotOnTheFingertip)
{
    const auto picture = ReadCursorFile(kShippedCursor);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image.size(), QSize(32, 32));
    EXPECT_EQ(picture->hotspot, QPoint(5, 0));
    // The fingertip's outline is opaque black, inside the finger white, far corner transparent.
    EXPECT_EQ(picture->image.pixel(5, 0), qRgba(0, 0, 0, 255));
    EXPECT_EQ(picture->image.pixel(6, 3), qRgba(255, 255, 255, 255));
    EXPECT_EQ(qAlpha(picture->image.pixel(31, 31)), 0);
}

TEST(CursorFile, ThirtyTwoBitAndPngEntriesKeepTheirColoursAndHotspot)
{
    const auto bitmap = DecodeCursorFile(CursorWith(Bitmap32(16, qRgba(10, 20, 30, 128)), 16, 3, 4));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->image.pixel(0, 0), qRgba(10, 20, 30, 128));
    EXPECT_EQ(bitmap->hotspot, QPoint(3, 4));

    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(qRgba(200, 100, 50, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "PNG"));
    const auto fromPng = DecodeCursorFile(CursorWith(png, 24, 30, 2));
    ASSERT_TRUE(fromPng);
    EXPECT_EQ(fromPng->image.pixel(5, 5), qRgba(200, 100, 50, 255));
    EXPECT_EQ(fromPng->hotspot, QPoint(23, 2));  // a hotspot beyond the picture is kept inside it
}

TEST(CursorFile, MalformedFilesGiveNothingInsteadOfReadingOutOfBounds)
{
    QFile file(kShippedCursor);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    ASSERT_TRUE(DecodeCursorFile(good));

    for (qsizetype length : {qsizetype(0), qsizetype(5), qsizetype(21), qsizetype(60), good.size() - 1})
        EXPECT_FALSE(DecodeCursorFile(good.left(length))) << "truncated to " << length;

    QByteArray icon = good;
    icon[2] = 1;  // an icon file, not a cursor
    EXPECT_FALSE(DecodeCursorFile(icon));

    QByteArray farOffset = good;
    qToLittleEndian<quint32>(0xFFFFFFF0u, farOffset.data() + 18);
    EXPECT_FALSE(DecodeCursorFile(farOffset));

    QByteArray hugeSize = good;
    qToLittleEndian<quint32>(0x7FFFFFFFu, hugeSize.data() + 14);
    EXPECT_FALSE(DecodeCursorFile(hugeSize));

    QByteArray giantWidth = good;
    qToLittleEndian<qint32>(100000, giantWidth.data() + 22 + 4);
    EXPECT_FALSE(DecodeCursorFile(giantWidth));

    QByteArray oddDepth = good;
    qToLittleEndian<quint16>(7, oddDepth.data() + 22 + 14);
    EXPECT_FALSE(DecodeCursorFile(oddDepth));

    EXPECT_FALSE(ReadCursorFile(QStringLiteral("/nonexistent/HAND-M.CUR")));
}

TEST(HandCursor, LoadsAsABitmapPointerWithTheFilesHotspot)
{
    test::TestApplication();
    const auto cursor = LoadHandCursor(kShippedCursor);
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor->hotSpot(), QPoint(5, 0));
    EXPECT_FALSE(LoadHandCursor(QStringLiteral("/nonexistent/HAND-M.CUR")));
}

}  // namespace
}  // namespace morvessa
