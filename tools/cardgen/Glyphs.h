#pragma once

#include "Canvas.h"

// Bold pixel letters for the card index, nine design pixels high.
inline constexpr int GlyphHeight = 9;

// The index letter(s) of a rank 0 (two) to 12 (ace).
PixelArt RankGlyph(int rank);
int GlyphWidth(PixelArt glyph);
