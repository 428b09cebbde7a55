#include "CardFaces.h"

// Jack, queen and king: a half-length figure in a frame, printed twice,
// the lower one turned upside down. The figures are pixel art drawn as the
// left half and the centre column; letters name colours:
// K black, W white, G gold, L light grey, D dark grey, and per suit
// P robe, S trim, A jewels and pattern, F flower, M lips.

namespace {

constexpr const char* KingHalf[] = {
    ".......................",
    "................G..G..G",
    "................G..G..G",
    "...............KGGGGGGG",
    "...............KGAGGAGA",
    "...............KGGGGGGG",
    "...............KKKKKKKK",
    "..............LLKWWWWWW",
    ".............DLLKWWWWWW",
    ".............DLLKWWWWWW",
    ".............DLLKWKKWWW",
    ".............DLLKWWKWWW",
    ".............DLLKWWWWWW",
    ".............DLLKWWWWWD",
    ".............DLLKWWWWDD",
    ".............DLLKWLLLLL",
    ".............DLLDLLLDKK",
    "..............DLLLLLLLL",
    "..............DLLLLDLLL",
    "..........KKKKKDLLLLLLL",
    ".......KKKWWKWWKDLLLDLL",
    ".....KKWWWWWWWWWKDLLLLL",
    "....KWWKWWWKWWWWWKDLLLL",
    "...KWWWWWWWWWKWWWWKDLLL",
    "..KPPWWWKWWWWWWWKKKKDLL",
    "..KPPPPWWWWWWKKKPPPPKDL",
    "..KPPPPPKKKKKKPAPPPPKKL",
    "..KPKPPPPAPPPPPPPPKKKKG",
    "..KPPKPPPPPPPAPPPKWWWKK",
    "..KPPPKPAPPPPPPPKWWWWWK",
    "..KPAPPKPPPPPPAPKWWWWWK",
    "..KPPPPPKPPAPPPPKKWWWWK",
    "..KPPPAPPKPPPPPKGGGGGGG",
    "..KPPPPPPKPPPAPPKKKKKLD",
    "..KPPAPPPPKPPPPPPPAPKLD",
    "..KPPPPPPPKAPPPAPPPPKLD",
    "..KPPPPAPPKPPPPPPPPPKLD",
    "..KGGGGGGGGGGGGGGGGGKLD",
    "..KSSSSSSSSSSSSSSSSSKLD",
    "..KGGGGGGGGGGGGGGGGGKLD",
    "..KPPPPPPPPPPPPPPPPPKLD",
};
constexpr const char* QueenHalf[] = {
    ".......................",
    ".......................",
    "...................G..G",
    "..................GAG.G",
    ".................KGGGGG",
    ".................KGAGAG",
    "..............GGGKKKKKK",
    "............GGGGKWWWWWW",
    "...........GGGGKWWWWWWW",
    "...........GGGKWWWWWWWW",
    "...........GGGKWWWKKWWW",
    "...........GGGKWWWWKWWW",
    "...........GGGKWWWWWWWW",
    "...........GGGKWWWWWWWD",
    "...........GGGKWWWWWWDD",
    "...........GGGGKWWWWWWW",
    "...........GGGGKWWWWWMM",
    "...........GGGGGKWWWWWW",
    "..........GGGGGGGKKKWWW",
    ".........GGGGGGGGGGKWWW",
    "........KGGGGGGGGGKWWWW",
    ".......KPGGGGGGGGKWWWWW",
    "......KPPPGGGGGGKWWWWWW",
    ".....KPPPPPGGGGKGWWWWWW",
    "....KPPPPPPPGGKWWGWWWGW",
    "...KPPPPPPPPPKKWWWGGGGG",
    "...KPPPPPPPPKSSKKKKKFFF",
    "...KPPPPPPPPKSSSSKFFFFF",
    "...KPPPPPPPKSSGSSKFFFGG",
    "...KPPPPPPPKSSSSSKFFFGG",
    "...KPPPPPPKSSGSSSSKFFFF",
    "...KKPPPPPKSSSSSKWWWWWK",
    "...KPKPPPPKSSGSKWWWWWWK",
    "...KPPKPPPKSSSSKWWWWWWK",
    "...KPPPKPPKSSGSSKKKKKKK",
    "...KPPPPKPKSSSSSSSSSSSS",
    "...KPPPPPKKSSGSSSSGSSSS",
    "...KPPPPPPKSSSSSSSSSSSS",
    "...KPPPPPPKSSGSSSSGSSSS",
    "...KPPPPPPKSSSSSSSSSSSS",
    "...KPPPPPPKSSGSSSSGSSSS",
};
constexpr const char* JackHalf[] = {
    ".......................",
    ".......................",
    ".......................",
    ".................KKKKKK",
    "...............KKPPPPPP",
    "..............KPPPPPPPP",
    ".............KPPPSPPPPS",
    "............KKKKKKKKKKK",
    "...........KSSSSSSSSSSS",
    "............KKKKKKKKKKK",
    "..............GGKWWWWWW",
    ".............KGGKWWWWWW",
    ".............KGGKWKKWWW",
    ".............KGGKWWKWWW",
    ".............KGGKWWWWWW",
    "..............GGKWWWWWD",
    "..............GKWWWWWDD",
    "...............KWWWWWWW",
    "...............KWWWWKKK",
    "................KWWWWWW",
    ".................KKKKWW",
    "...........KKKKKKKSKWWW",
    "........KKKSSSSSSSSSKWW",
    "......KKSSSSSSSSSSSSSKK",
    ".....KPPKSSSSSSSSSSSSSS",
    "....KPPPPKKKSSSSSSSSSSS",
    "...KPPPPPPPPKKKKKKSSSSS",
    "...KPPPPPPPPPPPPPPKKKKK",
    "...KPPPPPPPPPPPPPPPPKGK",
    "...KPPPPPPPPPPPPPPPPKKK",
    "...KPPKPPPPPPPPPPPPPKGK",
    "...KPPKPPPPPPPPPPPPPKKK",
    "...KPPKPPPPPPPPPPPPPKGK",
    "...KPPKPPPPPPPPPPPPPKKK",
    "...KPPKKKKKKKKKKKKKKKKK",
    "...KPPKGGGGGGGGGGGGGKGK",
    "...KPPKKKKKKKKKKKKKKKKK",
    "...KPPKPPPPPPPPPPPPPPPP",
    "...KPPKPPPPPPPPPPPPPPPP",
    "...KPPKPPPPPPPPPPPPPPPP",
    "...KPPKPPPPPPPPPPPPPPPP",
};
constexpr const char* JackHalberdAndFeather[] = {
    "..............................KKKK..K........",
    "............................KKWWLK.KLK.......",
    "..........................KKWLLKK..KLK..KK...",
    ".........................KWWLKK....KLKKKLLK..",
    "...................................KGKLLLLK..",
    "...................................KGKKKLLK..",
    "...................................KGK..KK...",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "..................................KWWWK......",
    "..................................KWWWK......",
    "..................................KWWWK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
    "....................................KGK......",
};

constexpr QRect Frame(13, 6, 47, 85);
constexpr QPoint FigureTopLeft(14, 7);

// Black suits keep to black, blue, gold and greys; red suits wear red.
Legend SuitLegend(Suit suit)
{
    Legend legend = {{'K', Ink::Black}, {'W', Ink::White}, {'G', Ink::Gold},
                     {'L', Ink::LightGrey}, {'D', Ink::DarkGrey}};
    struct Dress { QRgb robe, trim, accent, flower, lips; };
    static const Dress dresses[] = {
        {Ink::Blue, Ink::Gold, Ink::Black, Ink::Blue, Ink::DarkGrey},  // clubs
        {Ink::Red, Ink::Blue, Ink::Gold, Ink::Red, Ink::Red},          // diamonds
        {Ink::Red, Ink::Gold, Ink::Blue, Ink::Red, Ink::Red},          // hearts
        {Ink::Black, Ink::Blue, Ink::Gold, Ink::White, Ink::DarkGrey}, // spades
    };
    const Dress& dress = dresses[static_cast<int>(suit)];
    legend.insert({{'P', dress.robe}, {'S', dress.trim}, {'A', dress.accent}, {'F', dress.flower},
                   {'M', dress.lips}});
    return legend;
}

QImage Figure(int rank, Suit suit)
{
    const Legend legend = SuitLegend(suit);
    switch (rank) {
    case 9: {
        QImage jack = MirroredHalf(Sprite(JackHalf, legend));
        const QImage halberd = Sprite(JackHalberdAndFeather, legend);
        for (int y = 0; y < jack.height(); ++y)
            for (int x = 0; x < jack.width(); ++x)
                if (qAlpha(halberd.pixel(x, y)) != 0)
                    jack.setPixel(x, y, halberd.pixel(x, y));
        return jack;
    }
    case 10: return MirroredHalf(Sprite(QueenHalf, legend));
    default: return MirroredHalf(Sprite(KingHalf, legend));
    }
}

} // namespace

void DrawCourtCard(Canvas& canvas, int rank, Suit suit)
{
    const int divider = CardDesignSize.height() / 2;
    canvas.Fill(QRect(Frame.left(), Frame.top(), Frame.width(), 1), Ink::Black);
    canvas.Fill(QRect(Frame.left(), Frame.top(), 1, divider - Frame.top()), Ink::Black);
    canvas.Fill(QRect(Frame.right(), Frame.top(), 1, divider - Frame.top()), Ink::Black);
    canvas.Place(Figure(rank, suit), FigureTopLeft);
    DrawPip(canvas, suit, PipSize::Index, QPoint(18, 12));
    canvas.Fill(QRect(Frame.left(), divider, Frame.width(), 1), Ink::Black);
    canvas.CopyTopHalfTurnedIntoBottom();
}
