#include "CardFaces.h"

#include "Glyphs.h"

#include <vector>

namespace {

// The top-left corner, mirrored into the other three. 'T' transparent,
// 'K' black, 'D' dark grey, 'L' light grey, 'W' white, '.' unchanged.
constexpr const char* Corner1x[] = {
    "TDK",
    "DL.",
    "K..",
};
constexpr const char* Corner2x[] = {
    "TTDKK",
    "TDKKK",
    "DKKL.",
    "KKL..",
    "KK...",
};

QRgb CornerInk(char code)
{
    switch (code) {
    case 'T': return Ink::Transparent;
    case 'K': return Ink::Black;
    case 'D': return Ink::DarkGrey;
    case 'L': return Ink::LightGrey;
    default: return Ink::White;
    }
}

void RoundCorners(QImage& image, PixelArt corner)
{
    const int right = image.width() - 1, bottom = image.height() - 1;
    for (int y = 0; y < static_cast<int>(corner.size()); ++y) {
        for (int x = 0; corner[y][x] != '\0'; ++x) {
            if (corner[y][x] == '.')
                continue;
            const QRgb ink = CornerInk(corner[y][x]);
            image.setPixel(x, y, ink);
            image.setPixel(right - x, y, ink);
            image.setPixel(x, bottom - y, ink);
            image.setPixel(right - x, bottom - y, ink);
        }
    }
}

// Pip centres of the number cards on the design grid.
constexpr int Left = 21, Middle = 36, Right = 51;
constexpr int Top = 17, Bottom = 79, Centre = 48;
constexpr int UpperThird = 38, LowerThird = 58; // four pips down a side
constexpr int UpperMiddle = 32, LowerMiddle = 64; // the extra pips of the seven and eight
constexpr int TenUpper = 27, TenLower = 69;

std::vector<QPoint> SidePips(std::initializer_list<int> rows)
{
    std::vector<QPoint> pips;
    for (const int row : rows) {
        pips.emplace_back(Left, row);
        pips.emplace_back(Right, row);
    }
    return pips;
}

std::vector<QPoint> PipLayout(int rank)
{
    std::vector<QPoint> pips;
    switch (rank + 2) {
    case 2: return {{Middle, Top}, {Middle, Bottom}};
    case 3: return {{Middle, Top}, {Middle, Centre}, {Middle, Bottom}};
    case 4: return SidePips({Top, Bottom});
    case 5: pips = SidePips({Top, Bottom}); pips.emplace_back(Middle, Centre); return pips;
    case 6: return SidePips({Top, Centre, Bottom});
    case 7: pips = SidePips({Top, Centre, Bottom}); pips.emplace_back(Middle, UpperMiddle); return pips;
    case 8:
        pips = SidePips({Top, Centre, Bottom});
        pips.insert(pips.end(), {{Middle, UpperMiddle}, {Middle, LowerMiddle}});
        return pips;
    case 9:
        pips = SidePips({Top, UpperThird, LowerThird, Bottom});
        pips.emplace_back(Middle, Centre);
        return pips;
    default:
        pips = SidePips({Top, UpperThird, LowerThird, Bottom});
        pips.insert(pips.end(), {{Middle, TenUpper}, {Middle, TenLower}});
        return pips;
    }
}

void DrawNumberCard(Canvas& canvas, int rank, Suit suit)
{
    for (const QPoint& centre : PipLayout(rank))
        DrawPip(canvas, suit, PipSize::Body, centre, centre.y() > Centre);
}

void DrawAce(Canvas& canvas, Suit suit)
{
    const int width = suit == Suit::Diamonds ? 25 : 29;
    const int height = suit == Suit::Diamonds ? 35 : 31;
    DrawOutlinePip(canvas, suit, QRect(Middle - width / 2, Centre - height / 2, width, height));
}

// The white card with its black rounded outline; the four corner pixels
// (at scale 2 three pixels a corner, for a rounder edge) stay transparent.
Canvas BlankCard(int scale)
{
    Canvas canvas(CardDesignSize, scale, Ink::White);
    const int right = CardDesignSize.width() - 1, bottom = CardDesignSize.height() - 1;
    canvas.Fill(QRect(0, 0, right + 1, 1), Ink::Black);
    canvas.Fill(QRect(0, bottom, right + 1, 1), Ink::Black);
    canvas.Fill(QRect(0, 0, 1, bottom + 1), Ink::Black);
    canvas.Fill(QRect(right, 0, 1, bottom + 1), Ink::Black);
    RoundCorners(canvas.Image(), scale == 1 ? PixelArt(Corner1x) : PixelArt(Corner2x));
    return canvas;
}

// Rank letter and suit sign at the top left, turned at the bottom right.
void DrawIndex(Canvas& canvas, int rank, Suit suit)
{
    constexpr int column = 7; // centre of the index column
    const PixelArt glyph = RankGlyph(rank);
    const int glyphWidth = GlyphWidth(glyph);
    canvas.Stamp(glyph, QPoint(column - glyphWidth / 2, 4), SuitInk(suit));
    const QSize pip = PipDesignSize(suit, PipSize::Index);
    DrawPip(canvas, suit, PipSize::Index, QPoint(column, 15 + pip.height() / 2));
    canvas.CopyTurned(QRect(2, 3, 11, 22));
}

} // namespace

Canvas RenderCardFace(int code, int scale)
{
    const Suit suit = static_cast<Suit>((code - 1) / 13);
    const int rank = (code - 1) % 13;
    Canvas canvas = BlankCard(scale);
    if (rank == 12 && suit == Suit::Spades) {
        DrawAceOfSpades(canvas);
    } else if (rank == 12) {
        DrawAce(canvas, suit);
    } else if (rank >= 9) {
        DrawCourtCard(canvas, rank, suit);
    } else {
        DrawNumberCard(canvas, rank, suit);
    }
    DrawIndex(canvas, rank, suit);
    return canvas;
}
