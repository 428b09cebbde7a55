#pragma once

#include <QImage>
#include <QPainterPath>

#include <map>
#include <span>

// The eight colours of a card face. Yellow is the transparent entry; the
// other seven are all a face needs.
namespace Ink {
inline constexpr QRgb Transparent = 0xffffff00;
inline constexpr QRgb White = 0xffffffff;
inline constexpr QRgb Black = 0xff000000;
inline constexpr QRgb Red = 0xffd40000;
inline constexpr QRgb LightGrey = 0xffc0c0c0;
inline constexpr QRgb DarkGrey = 0xff808080;
inline constexpr QRgb Blue = 0xff1c40b0;
inline constexpr QRgb Gold = 0xffe8a800;
inline constexpr QRgb Palette[] = {Transparent, White, Black, Red, LightGrey, DarkGrey, Blue, Gold};
} // namespace Ink

// Pixel art as rows of text, one character a pixel.
using PixelArt = std::span<const char* const>;
// What each character paints; characters not listed leave the pixel alone.
using Legend = std::map<char, QRgb>;

// A design-size picture of the art, transparent where nothing is painted.
QImage Sprite(PixelArt art, const Legend& legend);
// A sprite drawn as its left half and centre column, completed by mirroring.
QImage MirroredHalf(const QImage& half);

// A drawing surface laid out on a design grid (the 73 x 97 card) and
// rendered at a whole-number scale without antialiasing, so every design
// pixel becomes a crisp scale x scale block and paths keep hard edges.
class Canvas {
public:
    Canvas(QSize designSize, int scale, QRgb background);

    int Scale() const { return scale_; }
    QImage& Image() { return image_; }

    void Fill(const QRect& designRect, QRgb colour);

    // A design-size sprite placed with its top-left at `topLeft`; at larger
    // scales it is enlarged by edge-directed doubling, which keeps it crisp
    // but rounds off staircases.
    void Place(const QImage& sprite, QPoint topLeft);
    // One-colour pixel art ('#' is ink), optionally turned upside down.
    void Stamp(PixelArt art, QPoint topLeft, QRgb colour, bool upsideDown = false);
    // A device-pixel mask (non-zero = ink) placed at a device position.
    void StampMask(const QImage& mask, QPoint devicePos, QRgb colour);

    // Turns the top half through 180 degrees onto the bottom half, the way
    // court cards and card indices are printed.
    void CopyTopHalfTurnedIntoBottom();
    // Copies a design area turned through 180 degrees about the card's centre.
    void CopyTurned(const QRect& designSource);

private:
    int scale_;
    QImage image_;
};

// Rasterises a path of the unit square, without antialiasing, into a mask of
// the given device size, made mirror-symmetric about its vertical centre line.
QImage SymmetricMask(const QPainterPath& unitPath, QSize deviceSize);

// Doubles a picture in both directions, rounding off diagonal staircases.
QImage DoubleSmoothly(const QImage& picture);
