#pragma once

#include "engine/Combinations.h"
#include "engine/Evaluator.h"
#include "engine/HoldAnalysis.h"
#include "engine/PaySchedule.h"
#include "engine/Parallel.h"

#include <array>
#include <cstdint>
#include <functional>
#include <numeric>

namespace vel {

// A common multiple of the numbers of draws of every hold, so that each
// deal's final hands count in whole units.
inline constexpr std::int64_t DrawUnits = [] {
    std::int64_t units = 1;
    for (int drawn = 0; drawn <= 5; ++drawn)
        units = std::lcm(units, std::int64_t{Binomial(StandardDeckSize - 5, drawn)});
    return units;
}();

// Final hands counted in those units, by category.
using UnitCounts = std::array<std::int64_t, CategoryCount>;

// What perfect play of a pay table at a bet leads to: how often each final
// hand comes up when every deal is held the best way (ties to the lowest
// hold mask), what it pays and what it adds to the return.
struct ReturnTable {
    std::array<double, CategoryCount> probability{}; // of each final hand, per hand played
    std::array<double, CategoryCount> pays{};        // credits per credit bet

    double Contribution(int category) const { return probability[category] * pays[category]; }
    // Credits back per credit bet.
    double Return() const;
    // Of the result of one hand, in credits per credit bet, squared.
    double Variance() const;
    double StandardDeviation() const;
    // Hands played per royal flush, on average.
    double RoyalCycle() const { return 1.0 / probability[RoyalFlush]; }
};

// Exact, over every distinct deal with its weight: the hand counts are summed
// as integers and divided once, so the probabilities add up to 1 to within
// one rounding each.
ReturnTable PerfectPlayTable(const UnitCounts& units, const PayTable& pays, int bet);
ReturnTable PerfectPlayTable(const HoldAnalyzer& analyzer, const PayTable& pays, int bet,
                             unsigned threads = DefaultThreadCount());

// The final hands of the hold a way of play chooses for a dealt hand, over
// every draw; called from up to `threads` threads at once.
using ChosenHold = std::function<CategoryCounts(const Hand& dealt)>;

// Any way of holding, summed as exactly as perfect play.
ReturnTable PlayTable(const ChosenHold& choose, const PayTable& pays, int bet, unsigned threads = DefaultThreadCount());

} // namespace vel
