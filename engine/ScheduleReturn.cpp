#include "engine/ScheduleReturn.h"

#include "engine/Combinations.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <limits>

namespace vel {

namespace {

constexpr int Suits = 4;
constexpr int Ranks = 13;
constexpr int HandSize = 5;
constexpr int UnseenCards = StandardDeckSize - HandSize;
constexpr std::size_t DealsPerBlock = 1024;

// 1 / the number of draws, by the number of cards held.
constexpr auto PerDraw = [] {
    std::array<double, HandSize + 1> perDraw{};
    for (int held = 0; held <= HandSize; ++held)
        perDraw[held] = 1.0 / Binomial(UnseenCards, HandSize - held);
    return perDraw;
}();

using SuitMasks = std::array<unsigned, Suits>; // the ranks dealt in each suit

// How many suit assignments give the same deal up to renaming the suits.
int SuitRenamings(const SuitMasks& descending)
{
    int weight = 24;
    for (std::size_t start = 0; start < descending.size();) {
        std::size_t end = start + 1;
        while (end < descending.size() && descending[end] == descending[start])
            ++end;
        for (std::size_t run = 2; run <= end - start; ++run)
            weight /= static_cast<int>(run);
        start = end;
    }
    return weight;
}

Hand CardsOf(const SuitMasks& masks)
{
    Hand hand{};
    std::size_t next = 0;
    for (int suit = 0; suit < Suits; ++suit) {
        for (int rank = 0; rank < Ranks; ++rank) {
            if (masks[suit] & (1u << rank))
                hand[next++] = suit * Ranks + rank + 1;
        }
    }
    return hand;
}

// Lists each deal once as its suit masks in descending order.
class DealLister {
public:
    DealLister()
    {
        for (unsigned mask = 0; mask < (1u << Ranks); ++mask) {
            if (std::popcount(mask) <= HandSize)
                masksByCount_[std::popcount(mask)].push_back(mask);
        }
        for (auto& masks : masksByCount_)
            std::reverse(masks.begin(), masks.end());
    }

    std::vector<DistinctDeal> List()
    {
        SuitMasks masks{};
        Extend(masks, 0, (1u << Ranks) - 1, HandSize);
        return std::move(deals_);
    }

private:
    void Extend(SuitMasks& masks, int suit, unsigned bound, int cardsLeft)
    {
        const bool last = suit == Suits - 1;
        for (int count = last ? cardsLeft : 0; count <= cardsLeft; ++count) {
            const auto& candidates = masksByCount_[count];
            auto it = std::lower_bound(candidates.begin(), candidates.end(), bound, std::greater<>());
            for (; it != candidates.end(); ++it) {
                masks[suit] = *it;
                if (last)
                    deals_.push_back({CardsOf(masks), SuitRenamings(masks)});
                else
                    Extend(masks, suit + 1, *it, cardsLeft - count);
            }
        }
    }

    std::array<std::vector<unsigned>, HandSize + 1> masksByCount_;
    std::vector<DistinctDeal> deals_;
};

// Adds weight x (the best hold's expected return) to `sums` for each pay
// vector; `best` is scratch space of one entry per vector.
void AddBestReturns(const HoldCounts& holds, const PaySplit& pays, int weight, std::span<double> best,
                    std::span<double> sums)
{
    std::fill(best.begin(), best.end(), -std::numeric_limits<double>::infinity());
    for (unsigned mask = 0; mask < HoldCount; ++mask)
        pays.RaiseBest(holds[mask], PerDraw[std::popcount(mask)], best);
    for (std::size_t v = 0; v < sums.size(); ++v)
        sums[v] += weight * best[v];
}

} // namespace

std::vector<DistinctDeal> DistinctDeals()
{
    return DealLister().List();
}

PayVector PayVectorFor(const PayTable& pays, int bet)
{
    PayVector perCredit{};
    for (int category = 0; category < CategoryCount; ++category)
        perCredit[category] = static_cast<double>(pays.PayoutFor(category, bet)) / bet;
    return perCredit;
}

std::vector<double> PerfectPlayReturns(const HoldAnalyzer& analyzer, std::span<const PayVector> payVectors,
                                       unsigned threads)
{
    if (payVectors.empty())
        return {};
    const std::vector<DistinctDeal> deals = DistinctDeals();
    const std::size_t blocks = (deals.size() + DealsPerBlock - 1) / DealsPerBlock;
    std::vector<std::vector<double>> blockSums(blocks);
    const PaySplit pays(payVectors);
    ForEachBlock(blocks, threads, [&](std::size_t block) {
        std::vector<double> best(pays.Vectors()), sums(pays.Vectors());
        const std::size_t end = std::min(deals.size(), (block + 1) * DealsPerBlock);
        for (std::size_t d = block * DealsPerBlock; d < end; ++d) {
            const HoldCounts holds = analyzer.CountHolds(deals[d].cards);
            AddBestReturns(holds, pays, deals[d].weight, best, sums);
        }
        blockSums[block] = std::move(sums);
    });
    // Summed block by block in a fixed order, so the thread count cannot
    // change the rounding.
    std::vector<double> returns(payVectors.size());
    for (const auto& sums : blockSums) {
        for (std::size_t v = 0; v < returns.size(); ++v)
            returns[v] += sums[v];
    }
    for (double& value : returns)
        value /= FiveCardHands;
    return returns;
}

double PerfectPlayReturn(const HoldAnalyzer& analyzer, const PayTable& pays, int bet, unsigned threads)
{
    const PayVector pay = PayVectorFor(pays, bet);
    return PerfectPlayReturns(analyzer, std::span(&pay, 1), threads).front();
}

ScheduleReturns ComputeScheduleReturns(const HoldAnalyzer& analyzer, unsigned threads)
{
    constexpr std::size_t Schedules = PaySchedules.size();
    std::vector<PayVector> payVectors;
    for (int bet : {MaxBet, 1}) {
        for (std::size_t schedule = 0; schedule < Schedules; ++schedule) {
            PayTable pays;
            pays.ApplySchedule(static_cast<int>(schedule));
            payVectors.push_back(PayVectorFor(pays, bet));
        }
    }
    const std::vector<double> returns = PerfectPlayReturns(analyzer, payVectors, threads);
    ScheduleReturns result;
    std::copy_n(returns.begin(), Schedules, result.maxBet.begin());
    std::copy_n(returns.begin() + Schedules, Schedules, result.lowBet.begin());
    return result;
}

} // namespace vel
