#pragma once

#include <QByteArray>
#include <QImage>

// Writes a palette picture as a single-frame GIF89a: one global colour table,
// one Graphic Control Extension marking the transparent entry, one image
// covering the whole screen, no local colour table and no other blocks.
// The picture's colour table must hold 8 or 256 entries.
struct GifPicture {
    QImage image;             // Format_Indexed8
    int transparentIndex = 0;
    bool interlaced = true;
};

QByteArray EncodeGif(const GifPicture& picture);
