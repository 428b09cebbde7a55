#include "engine/ChartPlay.h"

#include "engine/StrategyChart.h"

namespace vel {

ReturnTable ChartPlayTable(const HoldAnalyzer& analyzer, std::span<const PatternId> lines, const PayTable& pays,
                           int bet, unsigned threads)
{
    const auto chartHold = [&](const Hand& dealt) {
        return analyzer.CountHolds(dealt)[MatchChart(lines, dealt).holdMask];
    };
    return PlayTable(chartHold, pays, bet, threads);
}

} // namespace vel
