#include "engine/ChartSearchInternals.h"

#include "engine/Combinations.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace vel {

namespace chartsearch {

ChartSearch::ChartSearch(const ChartDeals& deals, const DealPrices& prices, unsigned threads)
    : deals_(deals)
    , prices_(prices)
    , values_(deals.ValueMatches(prices, threads))
    , value_(values_.byMatch)
    , first_(deals.DealCount())
    , firstPattern_(deals.DealCount())
    , firstValue_(deals.DealCount())
    , lineCost_(FirstLineCost * FiveCardHands)
    , halves_(threads)
{
    OrderByBestReturns();
    FindFirstLines();
}

// A first order: each pattern by the mean return of the deals it holds best;
// patterns that hold no deal best go after draw five.
void ChartSearch::OrderByBestReturns()
{
    std::array<double, PatternCount> sum{}, weight{};
    for (std::uint32_t deal = 0; deal < deals_.DealCount(); ++deal) {
        const double best = prices_.best[deal];
        for (std::uint32_t m = deals_.MatchBegin(deal); m < deals_.MatchBegin(deal + 1); ++m) {
            const ChartDeals::Match& match = deals_.MatchAt(m);
            if (prices_.holdReturns[match.hold] >= best - BestTolerance) {
                sum[match.pattern] += value_[m];
                weight[match.pattern] += deals_.Weight(deal);
            }
        }
    }
    std::array<double, PatternCount> score;
    for (int id = 0; id < PatternCount; ++id)
        score[id] = weight[id] > 0 ? sum[id] / weight[id] : -std::numeric_limits<double>::infinity();
    order_.resize(PatternCount);
    std::iota(order_.begin(), order_.end(), PatternId{0});
    std::stable_sort(order_.begin(), order_.end(), [&](PatternId a, PatternId b) { return score[a] > score[b]; });
    for (std::size_t i = 0; i < order_.size(); ++i)
        position_[order_[i]] = i;
}

void ChartSearch::FindFirstLines()
{
    const auto deals = static_cast<std::uint32_t>(deals_.DealCount());
    halves_.Run([&](int half) {
        for (std::uint32_t deal = half ? deals / 2 : 0; deal < (half ? deals : deals / 2); ++deal) {
            std::uint32_t first = deals_.MatchBegin(deal);
            for (std::uint32_t m = first + 1; m < deals_.MatchBegin(deal + 1); ++m) {
                if (LineOf(m) < LineOf(first))
                    first = m;
            }
            first_[deal] = first;
            firstPattern_[deal] = deals_.MatchPattern(first);
            firstValue_[deal] = value_[first];
        }
    });
    for (PatternId pattern : firstPattern_)
        ++firstCount_[pattern];
}


void ChartSearch::Reassign(std::uint32_t deal, std::uint32_t match)
{
    --firstCount_[firstPattern_[deal]];
    first_[deal] = match;
    firstPattern_[deal] = deals_.MatchPattern(match);
    firstValue_[deal] = value_[match];
    ++firstCount_[firstPattern_[deal]];
}

void ChartSearch::Apply(PatternId pattern, Move move)
{
    const std::size_t from = position_[pattern];
    for (const ChartDeals::Occurrence& occurrence : deals_.Occurrences(pattern)) {
        const std::uint32_t deal = occurrence.deal;
        if (move.to < from) {
            const std::size_t firstLine = position_[firstPattern_[deal]];
            if (firstLine >= move.to && firstLine < from)
                Reassign(deal, occurrence.match);
        } else if (first_[deal] == occurrence.match) {
            const std::uint32_t next = FirstBelow(deal, from);
            if (LineOf(next) <= move.to)
                Reassign(deal, next);
        }
    }
    order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(from));
    order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(move.to), pattern);
    for (std::size_t i = 0; i < order_.size(); ++i)
        position_[order_[i]] = i;
}

// Patterns that are some deal's first line.
std::array<bool, PatternCount> ChartSearch::Used() const
{
    std::array<bool, PatternCount> used{};
    for (PatternId pattern : firstPattern_)
        used[pattern] = true;
    return used;
}

// Moves the lines no deal reaches below draw five. The return stays, and a
// line that would lose its deals to an unused twin below can now be lowered.
void ChartSearch::DropUnusedLines()
{
    const std::array<bool, PatternCount> used = Used();
    std::stable_partition(order_.begin(), order_.end(),
                          [&](PatternId pattern) { return used[pattern] || pattern == DrawFive; });
    for (std::size_t i = 0; i < order_.size(); ++i)
        position_[order_[i]] = i;
}

std::vector<PatternId> ChartSearch::UsedLines() const
{
    const std::array<bool, PatternCount> used = Used();
    std::vector<PatternId> lines;
    for (PatternId pattern : order_) {
        if (used[pattern] && pattern != DrawFive)
            lines.push_back(pattern);
        if (pattern == DrawFive)
            break;
    }
    lines.push_back(DrawFive);
    return lines;
}

// Each pattern in turn to its best place; whether any moved.
bool ChartSearch::MoveEach()
{
    bool moved = false;
    for (int id = 0; id < PatternCount; ++id) {
        const auto pattern = static_cast<PatternId>(id);
        if (pattern == DrawFive)
            continue;
        const Move move = BestMove(pattern);
        if (move.gain > MinGain) {
            Apply(pattern, move);
            moved = true;
        }
    }
    return moved;
}

// A finer pattern goes right above its line, taking the deals it shows with
// the same holds; then it, or the line it came from, moves where it gains
// most. Kept when that pays for the added line, else undone.
bool ChartSearch::TrySplit(PatternId coarse, PatternId fine)
{
    const std::size_t from = position_[fine];
    Apply(fine, {position_[coarse], 0});
    const Move fineMove = BestMove(fine);
    const Move coarseMove = BestMove(coarse);
    const bool fineBetter = fineMove.gain >= coarseMove.gain;
    const Move move = fineBetter ? fineMove : coarseMove;
    if (move.gain - lineCost_ > MinGain) {
        Apply(fineBetter ? fine : coarse, move);
        return true;
    }
    Apply(fine, {from, 0});
    return false;
}

bool ChartSearch::SplitEach()
{
    bool split = false;
    for (int id = 0; id < PatternCount; ++id) {
        const auto coarse = static_cast<PatternId>(id);
        for (PatternId fine : deals_.FinerPatterns(coarse)) {
            if (firstCount_[coarse] > 0 && firstCount_[fine] == 0 && position_[fine] > position_[coarse])
                split = TrySplit(coarse, fine) || split;
        }
    }
    return split;
}

void ChartSearch::Sweep()
{
    for (int sweep = 0; sweep < MaxSweeps; ++sweep) {
        DropUnusedLines();
        const bool moved = MoveEach();
        if (!SplitEach() && !moved)
            return;
    }
}

std::vector<PatternId> ChartSearch::Run()
{
    Sweep();
    std::vector<PatternId> lines = UsedLines();
    while (lines.size() > MaxLines) {
        lineCost_ *= 2;
        Sweep();
        lines = UsedLines();
    }
    return lines;
}

} // namespace chartsearch

std::vector<PatternId> SearchChartLines(const ChartDeals& deals, const DealPrices& prices, unsigned threads)
{
    return chartsearch::ChartSearch(deals, prices, threads).Run();
}

} // namespace vel
