#pragma once

#include "engine/Parallel.h"
#include "engine/StrategyChartDeals.h"

#include <vector>

namespace vel {

// The lines of a chart for one pay vector's prices, ordered so that the
// chart loses as little as it can against perfect play, draw five last.
// The result does not depend on `threads`.
std::vector<PatternId> SearchChartLines(const ChartDeals& deals, const DealPrices& prices,
                                        unsigned threads = DefaultThreadCount());

} // namespace vel
