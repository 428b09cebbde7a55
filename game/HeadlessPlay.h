#pragma once

#include "game/TableRound.h"

#include <functional>

namespace vel {

// One hand as a player without a window plays it.
struct HandOutcome {
    int creditBefore = 0;
    int bet = 0;
    int payout = 0;
    int creditAfter = 0;
    int evaluation = 0;
    Hand dealt{};
    Hand final{};
    bool newGame = false; // the credit ran out and a new game began
};

// The places to hold (bit p - 1 for place p) of a dealt hand.
using HoldChooser = std::function<unsigned(const Hand& dealt)>;

// The hold for the best final hand, by a player who sees the cards the draw
// will bring: a game that never runs out, for measuring long games.
unsigned SightedHold(const TableRound& round);

// Deals, holds and draws one hand on a round that goes straight on, and
// answers the game-over question with a new game of 100 credits.
HandOutcome PlayHand(TableRound& round, const HoldChooser& choose);

} // namespace vel
