#pragma once

#include "engine/Cards.h"
#include "engine/Evaluator.h"
#include "engine/HoldAnalysis.h"
#include "engine/PaySchedule.h"
#include "engine/Parallel.h"

#include <array>
#include <span>
#include <vector>

namespace vel {

// One deal for each way five cards can lie up to a renaming of the suits,
// with the number of deals it stands for (1..24).
struct DistinctDeal {
    Hand cards; // ascending
    int weight;
};

// The 134,459 distinct deals; their weights add up to all 2,598,960 deals.
std::vector<DistinctDeal> DistinctDeals();

// Credits won per credit bet, by category.
using PayVector = std::array<double, CategoryCount>;

PayVector PayVectorFor(const PayTable& pays, int bet);

// The long-run return per credit of each pay vector when every deal is held
// the best way for that vector. The result does not depend on `threads`.
std::vector<double> PerfectPlayReturns(const HoldAnalyzer& analyzer, std::span<const PayVector> payVectors,
                                       unsigned threads = DefaultThreadCount());

double PerfectPlayReturn(const HoldAnalyzer& analyzer, const PayTable& pays, int bet,
                         unsigned threads = DefaultThreadCount());

// Return per credit of each of the six schedules (in `PaySchedules` order)
// with perfect play: at the highest bet (royal flush 800) and below (250).
struct ScheduleReturns {
    std::array<double, PaySchedules.size()> maxBet{};
    std::array<double, PaySchedules.size()> lowBet{};
};

ScheduleReturns ComputeScheduleReturns(const HoldAnalyzer& analyzer, unsigned threads = DefaultThreadCount());

} // namespace vel
