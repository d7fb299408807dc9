#pragma once
// The snapshot's picture file: an uncompressed 24-bit BMP, the format the picture keeps whatever the
// file is called. Written and read back by a direct codec, since Qt's general image reader spends
// most of a generation's picture time converting this one format pixel by pixel; the file and
// the batch tool's copy go row by row, so the picture is never held twice.

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

class QIODevice;

namespace morvessa {

// The whole file: BITMAPFILEHEADER, BITMAPINFOHEADER (40 bytes, BI_RGB, the picture's resolution)
// and bottom-up rows of blue, green, red padded to four bytes. Byte-for-byte what QImage writes.
QByteArray EncodeBmp24(const QImage& picture);

// Receives the file piece by piece, in order.
using BmpSink = std::function<void(std::span<const uint8_t>)>;

// The same file handed to `sink` in pieces of whole rows (about 64 KB), so that it is never held
// whole in memory. False for a null picture (nothing is handed on).
bool WriteBmp24(const QImage& picture, const BmpSink& sink);

// A 24-bit BI_RGB BMP as EncodeBmp24 writes it, as an RGB32 image; nothing for anything else
// (other depths, compression, top-down rows, a header or size that does not add up), which the
// caller hands to Qt's general reader.
std::optional<QImage> DecodeBmp24(const QByteArray& file);

// The same from a file opened for reading, read in pieces of whole rows instead of whole. Nothing
// for what DecodeBmp24 refuses, and for a device that cannot seek or ends early; the device is
// then at an unspecified position.
std::optional<QImage> ReadBmp24(QIODevice& device);

}  // namespace morvessa
