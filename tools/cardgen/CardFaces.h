#pragma once

#include "Canvas.h"
#include "Pips.h"

inline constexpr QSize CardDesignSize(73, 97);

// The finished face of card code 1 (two of clubs) to 52 (ace of spades).
Canvas RenderCardFace(int code, int scale);

// Drawn on a blank card before the index: the court figures (rank 9 jack,
// 10 queen, 11 king) and the ornamental ace of spades.
void DrawCourtCard(Canvas& canvas, int rank, Suit suit);
void DrawAceOfSpades(Canvas& canvas);
