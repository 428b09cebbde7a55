#pragma once

#include "engine/PaySchedule.h"
#include "engine/StrategyChartDeals.h"

#include <optional>

namespace vel {

// The royal flush pay at which a machine stops costing the player.
struct BreakEvenRoyal {
    int royal = 0;            // per credit, at the highest bet
    double perfectReturn = 0; // per credit, at that royal and the highest bet
};

// The smallest whole royal flush pay per credit at the highest bet from
// which perfect play returns at least 100 %, the other pays as `pays` has
// them; none when even MaxPayPerCredit falls short.
std::optional<BreakEvenRoyal> FindBreakEvenRoyal(const ChartDeals& deals, const PayTable& pays);

} // namespace vel
