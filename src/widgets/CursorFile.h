#pragma once
// Reader for Windows cursor files (.CUR): the picture and the hotspot of the best entry.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

namespace morvessa {

struct CursorPicture {
    QImage image;    // ARGB32, transparent where the cursor shows the screen
    QPoint hotspot;  // clamped into the image
};

// Decodes the largest entry of a cursor file held in memory. Bitmap entries of 1, 4, 8, 24 and
// 32 bits per pixel and PNG entries are understood. Returns nothing for anything malformed.
std::optional<CursorPicture> DecodeCursorFile(const QByteArray& data);

// Reads and decodes a cursor file; nothing when it is missing or unreadable.
std::optional<CursorPicture> ReadCursorFile(const QString& path);

}  // namespace morvessa
