#pragma once

#include "engine/HoldAnalysis.h"
#include "engine/ReturnTable.h"
#include "engine/StrategyChartPatterns.h"

#include <span>

namespace vel {

// How often each final hand comes up when every deal is held as the chart
// `lines` says (the way people play), exact as PerfectPlayTable is.
ReturnTable ChartPlayTable(const HoldAnalyzer& analyzer, std::span<const PatternId> lines, const PayTable& pays,
                           int bet, unsigned threads = DefaultThreadCount());

} // namespace vel
