#include "Canvas.h"

#include <QPainter>

namespace {

bool IsInked(const QImage& mask, int x, int y)
{
    if (x < 0 || y < 0 || x >= mask.width() || y >= mask.height())
        return false;
    return mask.constScanLine(y)[x] != 0;
}

QRgb PixelOrClear(const QImage& picture, int x, int y)
{
    return picture.rect().contains(x, y) ? picture.pixel(x, y) : 0;
}

} // namespace

Canvas::Canvas(QSize designSize, int scale, QRgb background)
    : scale_(scale)
    , image_(designSize * scale, QImage::Format_RGB32)
{
    image_.fill(background);
}

void Canvas::Fill(const QRect& designRect, QRgb colour)
{
    const QRect device(designRect.topLeft() * scale_, designRect.size() * scale_);
    QPainter(&image_).fillRect(device, QColor(colour));
}

void Canvas::Place(const QImage& sprite, QPoint topLeft)
{
    QImage scaled = sprite;
    for (int doubled = 1; doubled < scale_; doubled *= 2)
        scaled = DoubleSmoothly(scaled);
    const QPoint origin = topLeft * scale_;
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x)
            if (qAlpha(scaled.pixel(x, y)) != 0 && image_.rect().contains(origin + QPoint(x, y)))
                image_.setPixel(origin + QPoint(x, y), scaled.pixel(x, y));
}

void Canvas::Stamp(PixelArt art, QPoint topLeft, QRgb colour, bool upsideDown)
{
    const QImage sprite = Sprite(art, {{'#', colour}});
    Place(upsideDown ? sprite.mirrored(true, true) : sprite, topLeft);
}

void Canvas::StampMask(const QImage& mask, QPoint devicePos, QRgb colour)
{
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (IsInked(mask, x, y) && image_.rect().contains(devicePos + QPoint(x, y)))
                image_.setPixel(devicePos + QPoint(x, y), colour);
}

void Canvas::CopyTopHalfTurnedIntoBottom()
{
    const int width = image_.width();
    const int height = image_.height();
    for (int y = (height + 1) / 2; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image_.setPixel(x, y, image_.pixel(width - 1 - x, height - 1 - y));
}

void Canvas::CopyTurned(const QRect& designSource)
{
    const QRect source(designSource.topLeft() * scale_, designSource.size() * scale_);
    const int width = image_.width();
    const int height = image_.height();
    for (int y = source.top(); y <= source.bottom(); ++y)
        for (int x = source.left(); x <= source.right(); ++x)
            image_.setPixel(width - 1 - x, height - 1 - y, image_.pixel(x, y));
}

QImage SymmetricMask(const QPainterPath& unitPath, QSize deviceSize)
{
    QImage mask(deviceSize, QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.scale(deviceSize.width(), deviceSize.height());
        painter.fillPath(unitPath, Qt::white);
    }
    for (int y = 0; y < mask.height(); ++y) {
        uchar* row = mask.scanLine(y);
        for (int x = 0; x < mask.width() / 2; ++x)
            row[mask.width() - 1 - x] = row[x];
    }
    return mask;
}

QImage DoubleSmoothly(const QImage& picture)
{
    // Scale2x: a doubled pixel takes the colour of two agreeing neighbours
    // that meet at its corner, which turns staircases into diagonals.
    QImage doubled(picture.size() * 2, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = PixelOrClear(picture, x, y);
            const QRgb up = PixelOrClear(picture, x, y - 1), down = PixelOrClear(picture, x, y + 1);
            const QRgb left = PixelOrClear(picture, x - 1, y), right = PixelOrClear(picture, x + 1, y);
            const QRgb corners[4] = {
                (left == up && left != down && up != right) ? up : p,
                (up == right && up != left && right != down) ? right : p,
                (down == left && down != right && left != up) ? left : p,
                (right == down && right != up && down != left) ? down : p,
            };
            for (int corner = 0; corner < 4; ++corner)
                doubled.setPixel(2 * x + corner % 2, 2 * y + corner / 2, corners[corner]);
        }
    }
    return doubled;
}

QImage Sprite(PixelArt art, const Legend& legend)
{
    const int width = static_cast<int>(qstrlen(art.front()));
    QImage sprite(width, static_cast<int>(art.size()), QImage::Format_ARGB32);
    sprite.fill(0);
    for (int y = 0; y < sprite.height(); ++y) {
        Q_ASSERT(static_cast<int>(qstrlen(art[y])) == width);
        for (int x = 0; x < width; ++x)
            if (const auto ink = legend.find(art[y][x]); ink != legend.end())
                sprite.setPixel(x, y, ink->second);
    }
    return sprite;
}

QImage MirroredHalf(const QImage& half)
{
    const int width = 2 * half.width() - 1;
    QImage full(width, half.height(), QImage::Format_ARGB32);
    for (int y = 0; y < half.height(); ++y)
        for (int x = 0; x < half.width(); ++x) {
            full.setPixel(x, y, half.pixel(x, y));
            full.setPixel(width - 1 - x, y, half.pixel(x, y));
        }
    return full;
}
