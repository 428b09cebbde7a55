#pragma once

#include "engine/BreakEven.h"
#include "engine/HandParser.h"
#include "engine/HoldAnalysis.h"
#include "engine/ReturnTable.h"
#include "engine/StrategyChart.h"

#include <optional>
#include <string>

// The chart's numbered lines.
void PrintChartLines(const vel::StrategyChart& chart);
// The lines, then what the chart and perfect play return.
void PrintChart(const vel::StrategyChart& chart);
// Each final hand of perfect play: how often, what it pays at `bet`, what it adds.
void PrintOdds(const vel::ReturnTable& odds, int bet);
void PrintBreakEven(const std::optional<vel::BreakEvenRoyal>& breakEven);
// All 32 holds, best first: the credits each returns and the cards kept.
void PrintHolds(const vel::Hand& dealt, const vel::RankedHolds& holds);
// What is wrong with a typed hand.
std::string HandFault(const vel::ParsedHand& parsed);
