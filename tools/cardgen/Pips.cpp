#include "Pips.h"

#include <QTransform>

namespace {

// Small pips beside the index letters.
constexpr const char* IndexClub[] = {
    "..###..",
    ".#####.",
    "..###..",
    "##.#.##",
    "#######",
    "##.#.##",
    "...#...",
    "..###..",
};
constexpr const char* IndexDiamond[] = {
    "...#...",
    "..###..",
    ".#####.",
    "#######",
    ".#####.",
    "..###..",
    "...#...",
};
constexpr const char* IndexHeart[] = {
    ".##.##.",
    "#######",
    "#######",
    ".#####.",
    "..###..",
    "...#...",
};
constexpr const char* IndexSpade[] = {
    "...#...",
    "..###..",
    ".#####.",
    "#######",
    "#######",
    ".#.#.#.",
    "...#...",
    "..###..",
};

// Pips of the number cards.
constexpr const char* BodyClub[] = {
    ".....###.....",
    "....#####....",
    "...#######...",
    "...#######...",
    "...#######...",
    ".##..###..##.",
    "####.###.####",
    "#############",
    "#############",
    "####..#..####",
    ".##...#...##.",
    "......#......",
    ".....###.....",
    "...#######...",
};
constexpr const char* BodyDiamond[] = {
    ".....#.....",
    "....###....",
    "....###....",
    "...#####...",
    "..#######..",
    ".#########.",
    ".#########.",
    "###########",
    ".#########.",
    ".#########.",
    "..#######..",
    "...#####...",
    "....###....",
    "....###....",
    ".....#.....",
};
constexpr const char* BodyHeart[] = {
    ".####...####.",
    "######.######",
    "#############",
    "#############",
    "#############",
    "#############",
    ".###########.",
    "..#########..",
    "...#######...",
    "....#####....",
    ".....###.....",
    "......#......",
};
constexpr const char* BodySpade[] = {
    "......#......",
    ".....###.....",
    "....#####....",
    "...#######...",
    "..#########..",
    ".###########.",
    "#############",
    "#############",
    "#############",
    ".####.#.####.",
    "..##..#..##..",
    "......#......",
    ".....###.....",
    "...#######...",
};

PixelArt ArtOf(Suit suit, PipSize size)
{
    if (size == PipSize::Index) {
        switch (suit) {
        case Suit::Clubs: return IndexClub;
        case Suit::Diamonds: return IndexDiamond;
        case Suit::Hearts: return IndexHeart;
        case Suit::Spades: return IndexSpade;
        }
    }
    switch (suit) {
    case Suit::Clubs: return BodyClub;
    case Suit::Diamonds: return BodyDiamond;
    case Suit::Hearts: return BodyHeart;
    case Suit::Spades: return BodySpade;
    }
    Q_UNREACHABLE();
}

QPainterPath HeartOutline()
{
    QPainterPath path(QPointF(0.5, 1.0));
    path.cubicTo(0.38, 0.8, 0.0, 0.6, 0.0, 0.3);
    path.cubicTo(0.0, 0.1, 0.13, 0.0, 0.27, 0.0);
    path.cubicTo(0.4, 0.0, 0.47, 0.08, 0.5, 0.2);
    path.cubicTo(0.53, 0.08, 0.6, 0.0, 0.73, 0.0);
    path.cubicTo(0.87, 0.0, 1.0, 0.1, 1.0, 0.3);
    path.cubicTo(1.0, 0.6, 0.62, 0.8, 0.5, 1.0);
    path.closeSubpath();
    return path;
}

QPainterPath Spade(bool withStem)
{
    QPainterPath path(QPointF(0.5, 0.0));
    path.cubicTo(0.62, 0.18, 1.0, 0.36, 1.0, 0.6);
    path.cubicTo(1.0, 0.76, 0.89, 0.84, 0.76, 0.84);
    path.cubicTo(0.66, 0.84, 0.58, 0.79, 0.54, 0.72);
    if (withStem) {
        path.cubicTo(0.56, 0.84, 0.62, 0.94, 0.74, 1.0);
        path.lineTo(0.26, 1.0);
        path.cubicTo(0.38, 0.94, 0.44, 0.84, 0.46, 0.72);
    } else {
        path.quadTo(0.5, 0.78, 0.46, 0.72);
    }
    path.cubicTo(0.42, 0.79, 0.34, 0.84, 0.24, 0.84);
    path.cubicTo(0.11, 0.84, 0.0, 0.76, 0.0, 0.6);
    path.cubicTo(0.0, 0.36, 0.38, 0.18, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

QPainterPath ClubOutline()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(QPointF(0.5, 0.24), 0.24, 0.24);
    path.addEllipse(QPointF(0.235, 0.57), 0.235, 0.235);
    path.addEllipse(QPointF(0.765, 0.57), 0.235, 0.235);
    QPainterPath stem(QPointF(0.46, 0.45));
    stem.lineTo(0.54, 0.45);
    stem.cubicTo(0.55, 0.8, 0.62, 0.94, 0.74, 1.0);
    stem.lineTo(0.26, 1.0);
    stem.cubicTo(0.38, 0.94, 0.45, 0.8, 0.46, 0.45);
    stem.closeSubpath();
    path.addPath(stem);
    return path;
}

QPainterPath DiamondOutline()
{
    QPainterPath path(QPointF(0.5, 0.0));
    path.quadTo(0.72, 0.3, 1.0, 0.5);
    path.quadTo(0.72, 0.7, 0.5, 1.0);
    path.quadTo(0.28, 0.7, 0.0, 0.5);
    path.quadTo(0.28, 0.3, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

} // namespace

QRgb SuitInk(Suit suit)
{
    return IsRed(suit) ? Ink::Red : Ink::Black;
}

bool IsRed(Suit suit)
{
    return suit == Suit::Diamonds || suit == Suit::Hearts;
}

QPainterPath SuitOutline(Suit suit)
{
    switch (suit) {
    case Suit::Clubs: return ClubOutline();
    case Suit::Diamonds: return DiamondOutline();
    case Suit::Hearts: return HeartOutline();
    case Suit::Spades: return Spade(true);
    }
    Q_UNREACHABLE();
}

QPainterPath SpadeBladeOutline()
{
    return Spade(false);
}

QSize PipDesignSize(Suit suit, PipSize size)
{
    const PixelArt art = ArtOf(suit, size);
    return {static_cast<int>(qstrlen(art.front())), static_cast<int>(art.size())};
}

void DrawPip(Canvas& canvas, Suit suit, PipSize size, QPoint centre, bool upsideDown)
{
    const QSize designSize = PipDesignSize(suit, size);
    const int width = designSize.width(), height = designSize.height();
    // A turned pip must be the exact 180-degree image of an upright one.
    const QPoint topLeft = centre - (upsideDown ? QPoint(width - 1 - width / 2, height - 1 - height / 2)
                                                : QPoint(width / 2, height / 2));
    if (canvas.Scale() == 1)
        canvas.Stamp(ArtOf(suit, size), topLeft, SuitInk(suit), upsideDown);
    else
        DrawOutlinePip(canvas, suit, QRect(topLeft, designSize), upsideDown);
}

void DrawOutlinePip(Canvas& canvas, Suit suit, const QRect& designBox, bool upsideDown)
{
    QPainterPath outline = SuitOutline(suit);
    if (upsideDown)
        outline = QTransform(1, 0, 0, -1, 0, 1).map(outline);
    const int scale = canvas.Scale();
    canvas.StampMask(SymmetricMask(outline, designBox.size() * scale), designBox.topLeft() * scale,
                     SuitInk(suit));
}
