#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vel {

// Hand category codes; the same numbers are the celebration levels.
enum HandCategory : int {
    Nothing = 0,
    JacksOrBetter = 1,
    TwoPair = 2,
    ThreeOfAKind = 3,
    Straight = 4,
    Flush = 5,
    FullHouse = 6,
    FourOfAKind = 7,
    StraightFlush = 8,
    RoyalFlush = 9,
};
inline constexpr int CategoryCount = 10;

// Rank bits of a paying pair, or-ed into the evaluation result.
inline constexpr int PairOfJacks = 0x100;
inline constexpr int PairOfQueens = 0x200;
inline constexpr int PairOfKings = 0x400;
inline constexpr int PairOfAces = 0x800;

// One flag per place (1..5 as elements 0..4): the card is part of the win.
using WinCards = std::array<bool, 5>;

constexpr int CategoryOf(int evaluation) { return evaluation & 0xFF; }

// Evaluates five rank letters and five suit letters (place 1 first).
// Returns the category code or-ed with the pair bit of a paying pair, and
// sets (never clears) the flags of the places that make up the win.
int EvaluateHand(std::string_view ranks, std::string_view suits, WinCards& winCard);

// The name shown to the player for an evaluation result; empty when unknown.
std::string HandName(int evaluation);

} // namespace vel
