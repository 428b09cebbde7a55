#pragma once

#include "engine/ReturnTable.h"
#include "engine/StrategyChart.h"

namespace vel {

// What perfect play of a pay table at a bet comes to, and the chart that
// comes closest to it.
struct PayTableFigures {
    ReturnTable odds;
    StrategyChart chart;
};

// From the deals walked once for every pay table: tens of milliseconds.
PayTableFigures FiguresFor(const ChartDeals& deals, const PayTable& pays, int bet);

} // namespace vel
