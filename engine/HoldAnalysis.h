#pragma once

#include "engine/Cards.h"
#include "engine/PaySchedule.h"
#include "engine/Parallel.h"
#include "engine/SubsetCounts.h"

#include <array>
#include <cstdint>

namespace vel {

inline constexpr int HoldCount = 32;

// For each hold mask (bit p - 1 set: place p held), the categories of the
// final hands over every possible draw from the 47 unseen cards.
using HoldCounts = std::array<CategoryCounts, HoldCount>;

struct HoldResult {
    unsigned holdMask = 0;         // bit p - 1 set: place p held
    CategoryCounts counts{};       // final hands by category
    std::uint32_t draws = 0;       // C(47, cards drawn), the sum of `counts`
    std::int64_t totalCredits = 0; // credits won over all draws at the bet
    double expectedCredits = 0;    // totalCredits / draws
    double expectedPerCredit = 0;  // expectedCredits / bet
};

// All 32 holds, best first: highest expected return, equal returns (exactly
// equal as fractions) by ascending hold mask.
using RankedHolds = std::array<HoldResult, HoldCount>;

// Counts by enumerating every draw; needs no tables (a few milliseconds).
HoldCounts CountHoldsDirect(const Hand& dealt);

// Prices the counts by `pays` at `bet` (1..5) and sorts them.
RankedHolds RankHolds(const HoldCounts& counts, const PayTable& pays, int bet);

inline RankedHolds AnalyzeDirect(const Hand& dealt, const PayTable& pays, int bet)
{
    return RankHolds(CountHoldsDirect(dealt), pays, bet);
}

// The exact strategy advisor. Construction builds the subset tables (tens of
// milliseconds); after that every const member is safe to call from any
// number of threads at once and takes microseconds per hand.
class HoldAnalyzer {
public:
    explicit HoldAnalyzer(unsigned threads = DefaultThreadCount());

    // `dealt`: five distinct cards 1..52.
    HoldCounts CountHolds(const Hand& dealt) const;
    RankedHolds Analyze(const Hand& dealt, const PayTable& pays, int bet) const;

private:
    SubsetCounts subsets_;
};

} // namespace vel
