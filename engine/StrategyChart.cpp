#include "engine/StrategyChart.h"

#include "engine/ChartSearch.h"

namespace vel {

std::vector<StrategyChart> GenerateCharts(const ChartDeals& deals, std::span<const PayVector> payVectors,
                                          unsigned threads)
{
    std::vector<StrategyChart> charts(payVectors.size());
    ForEachBlock(payVectors.size(), threads,
                 [&](std::size_t i) { charts[i] = GenerateChart(deals, deals.Price(payVectors[i], 1), 1); });
    return charts;
}

StrategyChart GenerateChart(const ChartDeals& deals, const DealPrices& prices, unsigned threads)
{
    StrategyChart chart;
    chart.lines = SearchChartLines(deals, prices, threads);
    chart.chartReturn = deals.ChartReturn(prices, chart.lines, threads);
    chart.perfectReturn = prices.perfectReturn;
    return chart;
}

StrategyChart GenerateChart(const HoldAnalyzer& analyzer, const PayTable& pays, int bet, unsigned threads)
{
    const PayVector payVector = PayVectorFor(pays, bet);
    return GenerateCharts(ChartDeals(analyzer, threads), std::span(&payVector, 1), threads).front();
}

ChartMatch MatchChart(std::span<const PatternId> lines, const Hand& dealt)
{
    const PatternHolds holds = MatchPatterns(dealt);
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (holds[lines[line]] != NoHold)
            return {line, static_cast<unsigned>(holds[lines[line]])};
    }
    return {lines.size(), 0};
}

} // namespace vel
