#pragma once

#include "Canvas.h"

enum class Suit { Clubs, Diamonds, Hearts, Spades };

// Clubs and spades are printed black, diamonds and hearts red.
QRgb SuitInk(Suit suit);
bool IsRed(Suit suit);

// The suit sign as a filled outline in the unit square, point or stem down.
QPainterPath SuitOutline(Suit suit);

// The spade without its stem, in the same unit square as the whole spade.
QPainterPath SpadeBladeOutline();

enum class PipSize { Index, Body };

// Design size of a hand-drawn pip.
QSize PipDesignSize(Suit suit, PipSize size);

// A pip centred on the design pixel `centre`. At scale 1 it is the
// hand-drawn pixel pip; larger scales draw the outline at full resolution.
void DrawPip(Canvas& canvas, Suit suit, PipSize size, QPoint centre, bool upsideDown = false);

// A pip of any size filling `designBox`, drawn from the outline.
void DrawOutlinePip(Canvas& canvas, Suit suit, const QRect& designBox, bool upsideDown = false);
