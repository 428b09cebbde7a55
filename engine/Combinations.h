#pragma once

#include "engine/Cards.h"

#include <array>
#include <cstdint>
#include <span>

namespace vel {

// Sets of cards are handled as ascending zero-based indices (card - 1).
inline constexpr int MaxSetSize = 5;

inline constexpr auto BinomialTable = [] {
    std::array<std::array<std::uint32_t, MaxSetSize + 1>, StandardDeckSize + 1> table{};
    for (int n = 0; n <= StandardDeckSize; ++n) {
        table[n][0] = 1;
        for (int k = 1; k <= MaxSetSize && n > 0; ++k)
            table[n][k] = table[n - 1][k - 1] + table[n - 1][k];
    }
    return table;
}();

// n choose k for 0 <= n <= 52 and 0 <= k <= 5; 0 when k > n.
constexpr std::uint32_t Binomial(int n, int k) { return BinomialTable[n][k]; }

// Every five-card hand of the deck: 2,598,960.
inline constexpr std::uint32_t FiveCardHands = Binomial(StandardDeckSize, 5);

// Position of a set among all sets of its size in colex order (the
// combinatorial number system); `ascending` lists zero-based card indices.
constexpr std::uint32_t SubsetIndex(std::span<const int> ascending)
{
    std::uint32_t index = 0;
    for (std::size_t i = 0; i < ascending.size(); ++i)
        index += Binomial(ascending[i], static_cast<int>(i) + 1);
    return index;
}

} // namespace vel
