#include "engine/StrategyChartDeals.h"

#include "engine/Combinations.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace vel {

namespace {

constexpr std::size_t DealsPerBlock = 1024;
constexpr int HandSize = 5;
constexpr int UnseenCards = StandardDeckSize - HandSize;

} // namespace

// A run of consecutive deals walked by one thread; hold indices are local.
struct ChartDeals::DealBlock {
    std::vector<int> weights;
    std::vector<std::uint32_t> matchEnd;
    std::vector<Match> matches;
    std::vector<CategoryCounts> holdCounts;
    std::vector<double> best;
};

namespace {

void AddDeal(const HoldAnalyzer& analyzer, const PaySplit& pays, const DistinctDeal& deal,
             ChartDeals::DealBlock& block)
{
    const HoldCounts holds = analyzer.CountHolds(deal.cards);
    const PatternHolds patternHolds = MatchPatterns(deal.cards);
    std::array<std::uint32_t, HoldCount> stored;
    stored.fill(std::numeric_limits<std::uint32_t>::max());
    for (int id = 0; id < PatternCount; ++id) {
        const int mask = patternHolds[id];
        if (mask == NoHold)
            continue;
        if (stored[mask] == std::numeric_limits<std::uint32_t>::max()) {
            stored[mask] = static_cast<std::uint32_t>(block.holdCounts.size());
            block.holdCounts.push_back(holds[mask]);
        }
        block.matches.push_back({static_cast<PatternId>(id), stored[mask]});
    }
    block.matchEnd.push_back(static_cast<std::uint32_t>(block.matches.size()));
    block.weights.push_back(deal.weight);

    const std::size_t first = block.best.size();
    block.best.resize(first + pays.Vectors(), -std::numeric_limits<double>::infinity());
    const std::span<double> best = std::span(block.best).subspan(first);
    for (unsigned mask = 0; mask < HoldCount; ++mask)
        pays.RaiseBest(holds[mask], 1.0 / Binomial(UnseenCards, HandSize - std::popcount(mask)), best);
}

} // namespace

// Room for all blocks at once, so that joining them never holds more than
// one extra copy of a block; the hold counts, the bulk, are kept by block.
void ChartDeals::Reserve(const std::vector<DealBlock>& blocks)
{
    std::size_t deals = 0, matches = 0;
    for (const DealBlock& block : blocks) {
        deals += block.weights.size();
        matches += block.matches.size();
    }
    weights_.reserve(deals);
    matchBegin_.reserve(deals + 1);
    best_.reserve(deals * VectorCount());
    matches_.reserve(matches);
    holdCounts_.reserve(blocks.size());
}

double PerCreditReturn(const CategoryCounts& counts, const PayVector& pays)
{
    double credits = 0;
    std::uint32_t draws = 0;
    for (int category = 0; category < CategoryCount; ++category) {
        credits += counts[category] * pays[category];
        draws += counts[category];
    }
    return credits / draws;
}

ChartDeals::ChartDeals(const HoldAnalyzer& analyzer, std::span<const PayVector> payVectors, unsigned threads)
    : payVectors_(payVectors.begin(), payVectors.end())
{
    const std::vector<DistinctDeal> deals = DistinctDeals();
    const std::size_t blockCount = (deals.size() + DealsPerBlock - 1) / DealsPerBlock;
    std::vector<DealBlock> blocks(blockCount);
    const PaySplit pays(payVectors);
    ForEachBlock(blockCount, threads, [&](std::size_t b) {
        const std::size_t end = std::min(deals.size(), (b + 1) * DealsPerBlock);
        for (std::size_t d = b * DealsPerBlock; d < end; ++d)
            AddDeal(analyzer, pays, deals[d], blocks[b]);
        blocks[b].holdCounts.shrink_to_fit(); // kept as it is
    });
    Reserve(blocks);
    matchBegin_.push_back(0);
    std::uint32_t holdBase = 0;
    for (DealBlock& block : blocks) {
        const auto matchBase = static_cast<std::uint32_t>(matches_.size());
        for (Match match : block.matches)
            matches_.push_back({match.pattern, match.hold + holdBase});
        for (std::uint32_t end : block.matchEnd)
            matchBegin_.push_back(matchBase + end);
        weights_.insert(weights_.end(), block.weights.begin(), block.weights.end());
        best_.insert(best_.end(), block.best.begin(), block.best.end());
        holdBase += static_cast<std::uint32_t>(block.holdCounts.size());
        holdCounts_.push_back(std::move(block.holdCounts));
        block = {};
    }
    IndexOccurrences();
    FindFinerPatterns();
}

void ChartDeals::IndexOccurrences()
{
    occurrenceBegin_.assign(PatternCount + 1, 0);
    for (const Match& match : matches_)
        ++occurrenceBegin_[match.pattern + 1];
    for (int id = 0; id < PatternCount; ++id)
        occurrenceBegin_[id + 1] += occurrenceBegin_[id];
    std::vector<std::uint32_t> next(occurrenceBegin_.begin(), occurrenceBegin_.end() - 1);
    occurrences_.resize(matches_.size());
    for (std::uint32_t deal = 0; deal < DealCount(); ++deal) {
        for (std::uint32_t m = matchBegin_[deal]; m < matchBegin_[deal + 1]; ++m)
            occurrences_[next[matches_[m].pattern]++] = {deal, m};
    }
}

void ChartDeals::FindFinerPatterns()
{
    // together[a][b]: deals where a and b both show and hold the same cards
    std::vector<std::array<std::uint32_t, PatternCount>> together(PatternCount);
    for (std::size_t deal = 0; deal < DealCount(); ++deal) {
        for (std::uint32_t a = matchBegin_[deal]; a < matchBegin_[deal + 1]; ++a) {
            for (std::uint32_t b = matchBegin_[deal]; b < matchBegin_[deal + 1]; ++b)
                together[matches_[a].pattern][matches_[b].pattern] += matches_[a].hold == matches_[b].hold;
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

std::vector<double> ChartDeals::HoldReturns(std::size_t vector) const
{
    const PayVector& pays = payVectors_.at(vector);
    std::vector<double> returns;
    returns.reserve(matches_.empty() ? 0 : matches_.back().hold + 1);
    for (const std::vector<CategoryCounts>& block : holdCounts_) {
        for (const CategoryCounts& counts : block)
            returns.push_back(PerCreditReturn(counts, pays));
    }
    return returns;
}

template <typename DealReturn>
double ChartDeals::WeightedReturn(DealReturn dealReturn) const
{
    // The wider sum keeps the rounding of 134,459 terms far below 1e-12.
    long double sum = 0;
    for (std::size_t deal = 0; deal < DealCount(); ++deal)
        sum += weights_[deal] * dealReturn(deal);
    return static_cast<double>(sum / Binomial(StandardDeckSize, HandSize));
}

double ChartDeals::PerfectReturn(std::size_t vector) const
{
    return WeightedReturn([&](std::size_t deal) { return BestReturn(deal, vector); });
}

double ChartDeals::ChartReturn(std::size_t vector, std::span<const PatternId> lines) const
{
    return ChartReturn(HoldReturns(vector), lines);
}

double ChartDeals::ChartReturn(std::span<const double> holdReturns, std::span<const PatternId> lines) const
{
    std::array<std::size_t, PatternCount> line;
    line.fill(lines.size() + 1); // absent: below every line and below draw five
    line[DrawFive] = lines.size();
    for (std::size_t i = lines.size(); i-- > 0;)
        line[lines[i]] = i;
    return WeightedReturn([&](std::size_t deal) {
        std::uint32_t chosen = matchBegin_[deal];
        for (std::uint32_t m = matchBegin_[deal]; m < matchBegin_[deal + 1]; ++m) {
            if (line[matches_[m].pattern] < line[matches_[chosen].pattern])
                chosen = m;
        }
        return holdReturns[matches_[chosen].hold];
    });
}

} // namespace vel
