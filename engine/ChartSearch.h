#pragma once

#include "engine/StrategyChartDeals.h"

#include <vector>

namespace vel {

// The lines of a chart for one pay vector's prices, ordered so that the
// chart loses as little as it can against perfect play, draw five last.
std::vector<PatternId> SearchChartLines(const ChartDeals& deals, const DealPrices& prices);

} // namespace vel
