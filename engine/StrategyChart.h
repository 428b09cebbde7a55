#pragma once

#include "engine/Cards.h"
#include "engine/HoldAnalysis.h"
#include "engine/PaySchedule.h"
#include "engine/Parallel.h"
#include "engine/StrategyChartDeals.h"
#include "engine/StrategyChartPatterns.h"

#include <span>
#include <vector>

namespace vel {

// An ordered list of hold patterns: a dealt hand is held as the first line
// it matches says. The last line is draw five, which matches every hand.
struct StrategyChart {
    std::vector<PatternId> lines;
    double chartReturn = 0;   // per credit, playing the chart on every deal
    double perfectReturn = 0; // per credit, holding every deal the best way
};

// The chart of each pay vector (credits per credit bet, whole numbers), in
// their order: lines ordered so that the chart loses as little as it can
// against perfect play. The result does not depend on `threads`.
std::vector<StrategyChart> GenerateCharts(const ChartDeals& deals, std::span<const PayVector> payVectors,
                                          unsigned threads = DefaultThreadCount());

// The chart of one priced pay vector. The result does not depend on `threads`.
StrategyChart GenerateChart(const ChartDeals& deals, const DealPrices& prices,
                            unsigned threads = DefaultThreadCount());

// The chart of one pay table and bet (1..5), from nothing: about a second,
// so a window asks for it off its own thread. Safe to call from any number
// of threads at once.
StrategyChart GenerateChart(const HoldAnalyzer& analyzer, const PayTable& pays, int bet,
                            unsigned threads = DefaultThreadCount());

struct ChartMatch {
    std::size_t line; // index into the chart's lines
    unsigned holdMask; // bit p - 1 set: place p held
};

// The line a dealt hand matches first and the cards it holds; a chart
// without a draw-five line draws five after its last line (line = size).
ChartMatch MatchChart(std::span<const PatternId> lines, const Hand& dealt);

} // namespace vel
