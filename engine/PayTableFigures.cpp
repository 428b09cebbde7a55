#include "engine/PayTableFigures.h"

namespace vel {

PayTableFigures FiguresFor(const ChartDeals& deals, const PayTable& pays, int bet)
{
    const DealPrices prices = deals.Price(PayVectorFor(pays, bet));
    return {PerfectPlayTable(prices.bestUnits, pays, bet), GenerateChart(deals, prices)};
}

} // namespace vel
