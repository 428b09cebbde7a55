#pragma once

#include "engine/Cards.h"
#include "engine/Evaluator.h"

#include <array>
#include <bit>
#include <cstdint>

namespace vel {

// The sum of the keys of distinct cards: a 4-bit count per rank (rank r in
// bits 4r..4r+3) and a 3-bit count per suit (suit s in bits 52+3s..54+3s).
// No field carries into the next for five cards or fewer, so a hand's key is
// the sum of its cards' keys in any order and can be built up card by card.
using HandKey = std::uint64_t;

constexpr HandKey CardKey(Card card)
{
    return (HandKey{1} << (4 * RankOf(card))) | (HandKey{1} << (52 + 3 * SuitOf(card)));
}

namespace handkey {

inline constexpr HandKey RankOnes = 0x1111111111111; // lowest bit of each rank count
inline constexpr HandKey RankCounts = RankOnes * 0xF;
inline constexpr HandKey RepeatedRanks = RankOnes * 0xE; // set only by a count of 2 or more
inline constexpr HandKey JackToAce = 0x1111ull << 36;
inline constexpr HandKey AceToFive = 0x1000000001111; // A 2 3 4 5
inline constexpr int TenLowBit = 32;                    // lowest set bit of 10 J Q K A
inline constexpr unsigned SuitFiveBits = 0x249;         // lowest bit of each suit count

// Facts about a five-card hand that together decide its category.
enum Feature : unsigned {
    HasFour = 1,
    HasThree = 2,
    HasPair = 4,
    HasTwoPairs = 8,
    HasHighPair = 16,
    IsStraight = 32,
    IsFlush = 64,
    StartsAtTen = 128,
};

constexpr int CategoryOfFeatures(unsigned features)
{
    const bool straight = features & IsStraight;
    const bool flush = features & IsFlush;
    if (straight && flush)
        return (features & StartsAtTen) ? RoyalFlush : StraightFlush;
    if (features & HasFour)
        return FourOfAKind;
    if ((features & HasThree) && (features & HasPair))
        return FullHouse;
    if (flush)
        return Flush;
    if (straight)
        return Straight;
    if (features & HasThree)
        return ThreeOfAKind;
    if (features & HasTwoPairs)
        return TwoPair;
    return (features & HasHighPair) ? JacksOrBetter : Nothing;
}

inline constexpr std::array<std::uint8_t, 256> CategoryByFeatures = [] {
    std::array<std::uint8_t, 256> table{};
    for (unsigned features = 0; features < table.size(); ++features)
        table[features] = static_cast<std::uint8_t>(CategoryOfFeatures(features));
    return table;
}();

} // namespace handkey

// Category (0..9) of the five-card hand with this key; branch-free.
inline int CategoryOfKey(HandKey key)
{
    using namespace handkey;
    const HandKey counts = key & RankCounts;
    const auto suits = static_cast<unsigned>(key >> 52);
    const HandKey pairs = (counts >> 1) & ~counts & RankOnes; // ranks held exactly twice
    const int lowest = std::countr_zero(counts);
    const int span = 63 - std::countl_zero(counts) - lowest;
    const bool distinct = (counts & RepeatedRanks) == 0;
    const bool straight = distinct & ((span == 16) | (counts == AceToFive));
    const unsigned features = (((counts >> 2) & RankOnes) != 0) * HasFour
        | ((counts & (counts >> 1) & RankOnes) != 0) * HasThree
        | (pairs != 0) * HasPair
        | ((pairs & (pairs - 1)) != 0) * HasTwoPairs
        | ((pairs & JackToAce) != 0) * HasHighPair
        | straight * IsStraight
        | ((suits & (suits >> 2) & SuitFiveBits) != 0) * IsFlush // a suit count of 5
        | (lowest == TenLowBit) * StartsAtTen;
    return CategoryByFeatures[features];
}

HandKey KeyOf(const Hand& hand);

// The category `EvaluateHand` gives the same five cards (cards 1..52).
inline int FastCategory(const Hand& hand) { return CategoryOfKey(KeyOf(hand)); }

} // namespace vel
