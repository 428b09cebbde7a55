#include "engine/HoldAnalysis.h"

#include "engine/FastEvaluator.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <span>
#include <vector>

namespace vel {

namespace {

constexpr unsigned AllHeld = HoldCount - 1;
constexpr int HandSize = 5;

// Adds the category of `key` completed by every choice of `left` of the cards
// in `unseen`.
void CountDraws(HandKey key, std::span<const HandKey> unseen, int left, CategoryCounts& counts)
{
    if (left == 0) {
        ++counts[CategoryOfKey(key)];
        return;
    }
    if (left == 1) {
        for (HandKey card : unseen)
            ++counts[CategoryOfKey(key + card)];
        return;
    }
    for (std::size_t i = 0; i + static_cast<std::size_t>(left) <= unseen.size(); ++i)
        CountDraws(key + unseen[i], unseen.subspan(i + 1), left - 1, counts);
}

// Per mask over the five ascending cards, the categories of all hands that
// contain the masked cards.
HoldCounts CountsContaining(const SubsetCounts& subsets, const std::array<int, 5>& ascending)
{
    HoldCounts containing{};
    for (unsigned mask = 0; mask < AllHeld; ++mask) {
        std::array<int, 4> held{};
        std::size_t size = 0;
        for (std::size_t i = 0; i < ascending.size(); ++i) {
            if (mask & (1u << i))
                held[size++] = ascending[i];
        }
        containing[mask] = subsets.For(std::span<const int>(held.data(), size));
    }
    HandKey key = 0;
    for (int index : ascending)
        key += CardKey(index + 1);
    containing[AllHeld][CategoryOfKey(key)] = 1;
    return containing;
}

// Turns counts of hands containing each set into counts of hands containing
// the held cards and none of the discarded ones, by inclusion-exclusion over
// the discards. Unsigned wrap-around in between is exact: the results fit.
void ExcludeDiscards(HoldCounts& counts)
{
    for (unsigned card = 1; card < HoldCount; card <<= 1) {
        for (unsigned mask = 0; mask < HoldCount; ++mask) {
            if (mask & card)
                continue;
            const CategoryCounts withCard = counts[mask | card];
            for (int category = 0; category < CategoryCount; ++category)
                counts[mask][category] -= withCard[category];
        }
    }
}

bool Better(const HoldResult& a, const HoldResult& b)
{
    const std::int64_t left = a.totalCredits * b.draws;
    const std::int64_t right = b.totalCredits * a.draws;
    return left != right ? left > right : a.holdMask < b.holdMask;
}

} // namespace

HoldCounts CountHoldsDirect(const Hand& dealt)
{
    std::vector<HandKey> unseen;
    for (Card card = 1; card <= StandardDeckSize; ++card) {
        if (std::find(dealt.begin(), dealt.end(), card) == dealt.end())
            unseen.push_back(CardKey(card));
    }
    HoldCounts holds{};
    for (unsigned mask = 0; mask < HoldCount; ++mask) {
        HandKey key = 0;
        for (std::size_t place = 0; place < dealt.size(); ++place) {
            if (mask & (1u << place))
                key += CardKey(dealt[place]);
        }
        CountDraws(key, unseen, HandSize - std::popcount(mask), holds[mask]);
    }
    return holds;
}

RankedHolds RankHolds(const HoldCounts& counts, const PayTable& pays, int bet)
{
    RankedHolds results;
    for (unsigned mask = 0; mask < HoldCount; ++mask) {
        HoldResult& result = results[mask];
        result.holdMask = mask;
        result.counts = counts[mask];
        for (int category = 0; category < CategoryCount; ++category) {
            result.draws += counts[mask][category];
            result.totalCredits += std::int64_t{counts[mask][category]} * pays.PayoutFor(category, bet);
        }
        result.expectedCredits = static_cast<double>(result.totalCredits) / result.draws;
        result.expectedPerCredit = result.expectedCredits / bet;
    }
    std::sort(results.begin(), results.end(), Better);
    return results;
}

HoldAnalyzer::HoldAnalyzer(unsigned threads)
    : subsets_(threads)
{
}

HoldCounts HoldAnalyzer::CountHolds(const Hand& dealt) const
{
    std::array<int, 5> places;
    std::iota(places.begin(), places.end(), 0);
    std::sort(places.begin(), places.end(), [&](int a, int b) { return dealt[a] < dealt[b]; });
    std::array<int, 5> ascending;
    for (std::size_t i = 0; i < places.size(); ++i)
        ascending[i] = dealt[places[i]] - 1;

    HoldCounts bySortedMask = CountsContaining(subsets_, ascending);
    ExcludeDiscards(bySortedMask);
    HoldCounts byPlaceMask;
    for (unsigned mask = 0; mask < HoldCount; ++mask) {
        unsigned placeMask = 0;
        for (std::size_t i = 0; i < places.size(); ++i) {
            if (mask & (1u << i))
                placeMask |= 1u << places[i];
        }
        byPlaceMask[placeMask] = bySortedMask[mask];
    }
    return byPlaceMask;
}

RankedHolds HoldAnalyzer::Analyze(const Hand& dealt, const PayTable& pays, int bet) const
{
    return RankHolds(CountHolds(dealt), pays, bet);
}

} // namespace vel
