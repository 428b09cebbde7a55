#include "engine/StrategyChartDeals.h"

#include "engine/Combinations.h"
#include "engine/ReturnTable.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace vel {

namespace {

constexpr std::size_t DealsPerBlock = 1024;
constexpr int HandSize = 5;
constexpr int UnseenCards = StandardDeckSize - HandSize;
// Returns this close to a deal's best are compared as exact fractions.
constexpr double CloseToBest = 1e-9;

// C(47, cards drawn), by hold mask.
constexpr auto DrawsByMask = [] {
    std::array<std::uint32_t, HoldCount> draws{};
    for (unsigned mask = 0; mask < HoldCount; ++mask)
        draws[mask] = Binomial(UnseenCards, HandSize - std::popcount(mask));
    return draws;
}();

std::uint32_t DrawsOf(unsigned mask)
{
    return DrawsByMask[mask];
}

// Whether hold `a` ends in every paying hand, per draw, at least as often as `b`.
bool AtLeastAsLikely(const CategoryCounts& a, std::uint64_t drawsA, const CategoryCounts& b, std::uint64_t drawsB)
{
    for (int category = JacksOrBetter; category < CategoryCount; ++category) {
        if (a[category] * drawsB < b[category] * drawsA)
            return false;
    }
    return true;
}

std::array<bool, HoldCount> Candidates(const HoldCounts& holds)
{
    std::array<bool, HoldCount> candidate{};
    for (unsigned mask = 0; mask < HoldCount; ++mask) {
        bool covered = false;
        for (unsigned lower = 0; lower < mask && !covered; ++lower)
            covered = AtLeastAsLikely(holds[lower], DrawsOf(lower), holds[mask], DrawsOf(mask));
        candidate[mask] = !covered;
    }
    return candidate;
}

// Pays per credit as whole numbers (at most MaxPayPerCredit), none for
// nothing: the products fit 64 bits and vector registers multiply them.
using WholePays = std::array<std::uint32_t, CategoryCount>;

WholePays WholePaysOf(const PayVector& pays)
{
    WholePays whole{};
    for (int category = JacksOrBetter; category < CategoryCount; ++category)
        whole[category] = static_cast<std::uint32_t>(pays[category]);
    return whole;
}

// Credits won over every draw of a hold, exactly.
std::int64_t TotalCredits(const CategoryCounts& counts, const WholePays& pays)
{
    std::uint64_t total = 0;
    // Unrolled, the pays stay in registers.
#pragma GCC unroll 10
    for (int category = 0; category < CategoryCount; ++category)
        total += std::uint64_t{counts[category]} * pays[category];
    return static_cast<std::int64_t>(total);
}

} // namespace

// A run of consecutive deals walked by one thread; hold indices are local.
struct ChartDeals::DealBlock {
    std::vector<int> weights;
    std::vector<std::uint32_t> holdEnd;
    std::vector<CategoryCounts> holdCounts;
    std::vector<std::uint8_t> holdMasks;
    std::vector<std::uint8_t> candidates;
    std::vector<std::uint32_t> matchEnd;
    std::vector<Match> matches;
};

namespace {

void AddDeal(const HoldAnalyzer& analyzer, const DistinctDeal& deal, ChartDeals::DealBlock& block)
{
    const HoldCounts holds = analyzer.CountHolds(deal.cards);
    const PatternHolds patternHolds = MatchPatterns(deal.cards);
    const std::array<bool, HoldCount> candidate = Candidates(holds);
    std::array<bool, HoldCount> shown{};
    for (int id = 0; id < PatternCount; ++id) {
        if (patternHolds[id] != NoHold)
            shown[patternHolds[id]] = true;
    }
    std::array<std::uint32_t, HoldCount> stored{};
    for (unsigned mask = 0; mask < HoldCount; ++mask) {
        if (!candidate[mask] && !shown[mask])
            continue;
        stored[mask] = static_cast<std::uint32_t>(block.holdMasks.size());
        block.holdCounts.push_back(holds[mask]);
        block.holdMasks.push_back(static_cast<std::uint8_t>(mask));
        block.candidates.push_back(candidate[mask]);
    }
    for (int id = 0; id < PatternCount; ++id) {
        if (patternHolds[id] != NoHold)
            block.matches.push_back({static_cast<PatternId>(id), stored[patternHolds[id]]});
    }
    block.holdEnd.push_back(static_cast<std::uint32_t>(block.holdMasks.size()));
    block.matchEnd.push_back(static_cast<std::uint32_t>(block.matches.size()));
    block.weights.push_back(deal.weight);
}

std::size_t BlockCount(std::size_t deals)
{
    return (deals + DealsPerBlock - 1) / DealsPerBlock;
}

// Calls perBlock(block, first deal, end of deals) for each block of deals,
// the blocks shared among `threads`.
template <typename PerBlock>
void ForEachDealBlock(std::size_t deals, unsigned threads, const PerBlock& perBlock)
{
    ForEachBlock(BlockCount(deals), threads, [&](std::size_t b) {
        perBlock(b, b * DealsPerBlock, std::min(deals, (b + 1) * DealsPerBlock));
    });
}

template <typename T>
void Append(std::vector<T>& to, std::vector<T>& from)
{
    to.insert(to.end(), from.begin(), from.end());
    from = {};
}

} // namespace

ChartDeals::ChartDeals(const HoldAnalyzer& analyzer, unsigned threads)
{
    const std::vector<DistinctDeal> deals = DistinctDeals();
    std::vector<DealBlock> blocks(BlockCount(deals.size()));
    ForEachDealBlock(deals.size(), threads, [&](std::size_t b, std::size_t first, std::size_t end) {
        for (std::size_t d = first; d < end; ++d)
            AddDeal(analyzer, deals[d], blocks[b]);
    });
    Join(blocks);
    IndexOccurrences();
    FindFinerPatterns();
}

// Room for all blocks at once, so that joining them never holds more than
// one extra copy of a block.
void ChartDeals::Join(std::vector<DealBlock>& blocks)
{
    std::size_t deals = 0, holds = 0, matches = 0;
    for (const DealBlock& block : blocks) {
        deals += block.weights.size();
        holds += block.holdMasks.size();
        matches += block.matches.size();
    }
    weights_.reserve(deals);
    holdBegin_.reserve(deals + 1);
    matchBegin_.reserve(deals + 1);
    holdCounts_.reserve(holds);
    holdMasks_.reserve(holds);
    candidates_.reserve(holds);
    matchPatterns_.reserve(matches);
    matchHolds_.reserve(matches);
    holdBegin_.push_back(0);
    matchBegin_.push_back(0);
    for (DealBlock& block : blocks) {
        const auto holdBase = static_cast<std::uint32_t>(holdMasks_.size());
        const auto matchBase = static_cast<std::uint32_t>(matchPatterns_.size());
        for (std::uint32_t end : block.holdEnd)
            holdBegin_.push_back(holdBase + end);
        for (std::uint32_t end : block.matchEnd)
            matchBegin_.push_back(matchBase + end);
        for (Match match : block.matches) {
            matchPatterns_.push_back(match.pattern);
            matchHolds_.push_back(match.hold + holdBase);
        }
        Append(weights_, block.weights);
        Append(holdCounts_, block.holdCounts);
        Append(holdMasks_, block.holdMasks);
        Append(candidates_, block.candidates);
        block = {};
    }
}

void ChartDeals::IndexOccurrences()
{
    occurrenceBegin_.assign(PatternCount + 1, 0);
    for (PatternId pattern : matchPatterns_)
        ++occurrenceBegin_[pattern + 1];
    for (int id = 0; id < PatternCount; ++id)
        occurrenceBegin_[id + 1] += occurrenceBegin_[id];
    std::vector<std::uint32_t> next(occurrenceBegin_.begin(), occurrenceBegin_.end() - 1);
    occurrences_.resize(MatchCount());
    occurrenceOf_.resize(MatchCount());
    for (std::uint32_t deal = 0; deal < DealCount(); ++deal) {
        for (std::uint32_t m = matchBegin_[deal]; m < matchBegin_[deal + 1]; ++m) {
            occurrenceOf_[m] = next[matchPatterns_[m]]++;
            occurrences_[occurrenceOf_[m]] = {deal, m};
        }
    }
}

void ChartDeals::FindFinerPatterns()
{
    // together[a][b]: deals where a and b both show and hold the same cards
    std::vector<std::array<std::uint32_t, PatternCount>> together(PatternCount);
    for (std::size_t deal = 0; deal < DealCount(); ++deal) {
        for (std::uint32_t a = matchBegin_[deal]; a < matchBegin_[deal + 1]; ++a) {
            for (std::uint32_t b = matchBegin_[deal]; b < matchBegin_[deal + 1]; ++b)
                together[matchPatterns_[a]][matchPatterns_[b]] += matchHolds_[a] == matchHolds_[b];
        }
    }
    for (int coarse = 0; coarse < PatternCount; ++coarse) {
        for (int fine = 0; fine < PatternCount; ++fine) {
            const std::uint32_t shown = together[fine][fine];
            if (together[fine][coarse] == shown && shown < together[coarse][coarse])
                finer_[coarse].push_back(static_cast<PatternId>(fine));
        }
    }
}

std::span<const ChartDeals::Occurrence> ChartDeals::Occurrences(PatternId pattern) const
{
    return std::span(occurrences_).subspan(occurrenceBegin_[pattern],
                                           occurrenceBegin_[pattern + 1] - occurrenceBegin_[pattern]);
}

std::span<const double> ChartDeals::OccurrenceValues(const MatchValues& values, PatternId pattern) const
{
    return std::span(values.byOccurrence)
        .subspan(occurrenceBegin_[pattern], occurrenceBegin_[pattern + 1] - occurrenceBegin_[pattern]);
}

// The deal's best stored hold, ties to the lowest mask: the returns pick it
// out, and those too close to tell apart in floating point are compared as
// exact fractions.
std::uint32_t ChartDeals::BestHold(std::size_t deal, const DealPrices& prices, const WholePays& pays) const
{
    std::uint32_t best = std::numeric_limits<std::uint32_t>::max();
    double bestReturn = -std::numeric_limits<double>::infinity();
    for (std::uint32_t h = holdBegin_[deal]; h < holdBegin_[deal + 1]; ++h) {
        if (candidates_[h] && prices.holdReturns[h] > bestReturn) {
            best = h;
            bestReturn = prices.holdReturns[h];
        }
    }
    const double close = CloseToBest * std::max(1.0, bestReturn);
    for (std::uint32_t h = holdBegin_[deal]; h < holdBegin_[deal + 1]; ++h) {
        if (h == best || !candidates_[h] || prices.holdReturns[h] < bestReturn - close)
            continue;
        // total / draws against the best's, multiplied out: below 2^63
        const std::int64_t here = TotalCredits(holdCounts_[h], pays) * DrawsOf(holdMasks_[best]);
        const std::int64_t there = TotalCredits(holdCounts_[best], pays) * DrawsOf(holdMasks_[h]);
        if (here > there || (here == there && holdMasks_[h] < holdMasks_[best]))
            best = h;
    }
    return best;
}

DealPrices ChartDeals::Price(const PayVector& pays, unsigned threads) const
{
    const WholePays whole = WholePaysOf(pays);
    DealPrices prices;
    prices.holdReturns.resize(HoldCount());
    prices.best.resize(DealCount());
    std::vector<UnitCounts> blockUnits(BlockCount(DealCount()));
    ForEachDealBlock(DealCount(), threads, [&](std::size_t b, std::size_t first, std::size_t end) {
        for (std::size_t h = holdBegin_[first]; h < holdBegin_[end]; ++h)
            prices.holdReturns[h] = static_cast<double>(TotalCredits(holdCounts_[h], whole)) / DrawsOf(holdMasks_[h]);
        UnitCounts units{};
        for (std::size_t deal = first; deal < end; ++deal) {
            const std::uint32_t best = BestHold(deal, prices, whole);
            prices.best[deal] = prices.holdReturns[best];
            const std::int64_t perDraw = DrawUnits / DrawsOf(holdMasks_[best]) * weights_[deal];
            for (int category = 0; category < CategoryCount; ++category)
                units[category] += holdCounts_[best][category] * perDraw;
        }
        blockUnits[b] = units;
    });
    for (const UnitCounts& units : blockUnits) {
        for (int category = 0; category < CategoryCount; ++category)
            prices.bestUnits[category] += units[category];
    }
    prices.perfectReturn = WeightedReturn([&](std::size_t deal) { return prices.best[deal]; });
    return prices;
}

MatchValues ChartDeals::ValueMatches(const DealPrices& prices, unsigned threads) const
{
    MatchValues values{std::vector<double>(MatchCount()), std::vector<double>(MatchCount())};
    ForEachDealBlock(DealCount(), threads, [&](std::size_t, std::size_t first, std::size_t end) {
        for (std::size_t deal = first; deal < end; ++deal) {
            for (std::uint32_t m = matchBegin_[deal]; m < matchBegin_[deal + 1]; ++m) {
                values.byMatch[m] = weights_[deal] * prices.holdReturns[matchHolds_[m]];
                values.byOccurrence[occurrenceOf_[m]] = values.byMatch[m];
            }
        }
    });
    return values;
}

double ChartDeals::ChartReturn(const DealPrices& prices, std::span<const PatternId> lines, unsigned threads) const
{
    std::array<std::size_t, PatternCount> line;
    line.fill(lines.size() + 1); // absent: below every line and below draw five
    line[DrawFive] = lines.size();
    for (std::size_t i = lines.size(); i-- > 0;)
        line[lines[i]] = i;
    std::vector<double> played(DealCount());
    ForEachDealBlock(DealCount(), threads, [&](std::size_t, std::size_t first, std::size_t end) {
        for (std::size_t deal = first; deal < end; ++deal) {
            std::uint32_t chosen = matchBegin_[deal];
            for (std::uint32_t m = matchBegin_[deal]; m < matchBegin_[deal + 1]; ++m) {
                if (line[matchPatterns_[m]] < line[matchPatterns_[chosen]])
                    chosen = m;
            }
            played[deal] = prices.holdReturns[matchHolds_[chosen]];
        }
    });
    return WeightedReturn([&](std::size_t deal) { return played[deal]; });
}

} // namespace vel
