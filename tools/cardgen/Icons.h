#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

// The small pictures of the buttons and menus, on a 16 x 16 design grid,
// and the program's spade icon.
struct IconPicture {
    QString name;  // file name without extension
    QImage image;  // ARGB with a transparent background
};

// Every button and menu picture at the given scale (16 x 16 times scale).
std::vector<IconPicture> RenderToolIcons(int scale);

// The black spade with its light rim on a transparent square of `size` pixels.
QImage RenderSpadeIcon(int size);

// The same spade as a scalable picture of 256 x 256 units.
QByteArray SpadeIconSvg();
