#pragma once

#include "engine/Evaluator.h"
#include "engine/HoldAnalysis.h"
#include "engine/PaySchedule.h"
#include "engine/Parallel.h"

#include <array>
#include <functional>

namespace vel {

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

// The final hands of the hold a way of play chooses for a dealt hand, over
// every draw; called from up to `threads` threads at once.
using ChosenHold = std::function<CategoryCounts(const Hand& dealt)>;

// Exact, over every distinct deal with its weight: the hand counts are summed
// as integers and divided once, so the probabilities add up to 1 to within
// one rounding each.
ReturnTable PlayTable(const ChosenHold& choose, const PayTable& pays, int bet, unsigned threads = DefaultThreadCount());

// Every deal held the best way.
ReturnTable PerfectPlayTable(const HoldAnalyzer& analyzer, const PayTable& pays, int bet,
                             unsigned threads = DefaultThreadCount());

} // namespace vel
