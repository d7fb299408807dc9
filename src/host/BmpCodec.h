#pragma once
// The snapshot's picture file: an uncompressed 24-bit BMP, the format the picture keeps whatever the
// file is called. Written in one piece and read back by a direct decoder, since Qt's general image
// reader spends most of a generation's picture time converting this one format pixel by pixel.

#include <QByteArray>
#include <QImage>

#include <optional>

namespace morvessa {

// The whole file: BITMAPFILEHEADER, BITMAPINFOHEADER (40 bytes, BI_RGB, the picture's resolution)
// and bottom-up rows of blue, green, red padded to four bytes. Byte-for-byte what QImage writes.
QByteArray EncodeBmp24(const QImage& picture);

// A 24-bit BI_RGB BMP as EncodeBmp24 writes it, as an RGB32 image; nothing for anything else
// (other depths, compression, top-down rows, a header or size that does not add up), which the
// caller hands to Qt's general reader.
std::optional<QImage> DecodeBmp24(const QByteArray& file);

}  // namespace morvessa
