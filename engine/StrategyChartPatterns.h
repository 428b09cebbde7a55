#pragma once

#include "engine/Cards.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vel {

// The hold patterns a strategy chart is written in: made hands, draws and
// high-card holds, each described by the cards it keeps.
enum class PatternKind : std::uint8_t {
    MadeHand,          // all five cards of category `detail`
    SameRank,          // `cards` cards of one rank: quads, trips, pairs
    TwoPair,           // the four paired cards
    RoyalDraw,         // suited, all ten or higher
    StraightFlushDraw, // suited, in `detail` runs of five ranks, not a royal draw
    FlushDraw,         // suited
    StraightDraw,      // distinct ranks in `detail` runs of five ranks, any suits
    HighCards,         // exactly the ranks in `ranks`, suited or not
    AnyOf,             // the first of its `members` the hand shows
    DrawFive,          // nothing held
};

// Which of the held cards' suits a pattern asks for.
enum class Suits : std::uint8_t { Any, OneSuit, Mixed };

using PatternId = std::uint8_t;

// The patterns a combined line stands for, in the order they are tried.
struct PatternMembers {
    std::array<PatternId, 8> ids{};
    int count = 0;
};

struct HoldPattern {
    std::string_view name; // shown to players
    PatternKind kind;
    int cards;      // cards held
    int detail;     // category of a made hand; runs of five a draw lies in (1 inside, 2 outside), 0 any
    int highCards;  // jacks or higher held; -1 for any number
    Suits suits;
    unsigned ranks; // bit r set for each rank r held
    PatternMembers members{};
};

// Every pattern, indexed by PatternId; draw five is the last.
inline constexpr int PatternCount = 77;
inline constexpr PatternId DrawFive = PatternCount - 1;
std::span<const HoldPattern, PatternCount> HoldPatterns();


// Per pattern, the places it holds in a dealt hand (bit p - 1 set: place p
// held), or NoHold when the hand does not show it. When several sets of cards
// fit one pattern, it holds the highest ranks; draw five fits every hand.
inline constexpr std::int8_t NoHold = -1;
using PatternHolds = std::array<std::int8_t, PatternCount>;

PatternHolds MatchPatterns(const Hand& dealt);

} // namespace vel
