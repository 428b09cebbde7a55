#include "engine/ReturnTable.h"

#include "engine/Combinations.h"
#include "engine/ScheduleReturn.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vel {

namespace {

constexpr std::size_t DealsPerBlock = 1024;

void AddChosenHold(const ChosenHold& choose, const DistinctDeal& deal, UnitCounts& units)
{
    const CategoryCounts counts = choose(deal.cards);
    const std::int64_t draws = std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
    const std::int64_t perDraw = DrawUnits / draws * deal.weight;
    for (int category = 0; category < CategoryCount; ++category)
        units[category] += counts[category] * perDraw;
}

} // namespace

double ReturnTable::Return() const
{
    double total = 0;
    for (int category = 0; category < CategoryCount; ++category)
        total += Contribution(category);
    return total;
}

double ReturnTable::Variance() const
{
    // Each hand costs one credit per credit and pays `pays`: its result is pays - 1.
    const double mean = Return() - 1;
    double total = 0;
    for (int category = 0; category < CategoryCount; ++category) {
        const double result = pays[category] - 1 - mean;
        total += probability[category] * result * result;
    }
    return total;
}

double ReturnTable::StandardDeviation() const
{
    return std::sqrt(Variance());
}

ReturnTable PerfectPlayTable(const HoldAnalyzer& analyzer, const PayTable& pays, int bet, unsigned threads)
{
    return PlayTable(
        [&](const Hand& dealt) { return analyzer.Analyze(dealt, pays, bet).front().counts; }, pays, bet, threads);
}

ReturnTable PlayTable(const ChosenHold& choose, const PayTable& pays, int bet, unsigned threads)
{
    const std::vector<DistinctDeal> deals = DistinctDeals();
    const std::size_t blocks = (deals.size() + DealsPerBlock - 1) / DealsPerBlock;
    std::vector<UnitCounts> blockUnits(blocks);
    ForEachBlock(blocks, threads, [&](std::size_t block) {
        const std::size_t end = std::min(deals.size(), (block + 1) * DealsPerBlock);
        for (std::size_t d = block * DealsPerBlock; d < end; ++d)
            AddChosenHold(choose, deals[d], blockUnits[block]);
    });
    UnitCounts units{};
    for (const UnitCounts& block : blockUnits) {
        for (int category = 0; category < CategoryCount; ++category)
            units[category] += block[category];
    }
    return PerfectPlayTable(units, pays, bet);
}

ReturnTable PerfectPlayTable(const UnitCounts& units, const PayTable& pays, int bet)
{
    ReturnTable table;
    const double allUnits = static_cast<double>(DrawUnits) * FiveCardHands;
    const PayVector perCredit = PayVectorFor(pays, bet);
    for (int category = 0; category < CategoryCount; ++category) {
        table.probability[category] = static_cast<double>(units[category]) / allUnits;
        table.pays[category] = perCredit[category];
    }
    return table;
}

} // namespace vel
