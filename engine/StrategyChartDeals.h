#pragma once

#include "engine/HoldAnalysis.h"
#include "engine/Parallel.h"
#include "engine/ReturnTable.h"
#include "engine/ScheduleReturn.h"
#include "engine/StrategyChartPatterns.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace vel {

// One pay vector's prices of the stored holds and deals.
struct DealPrices {
    std::vector<double> holdReturns; // per stored hold, per credit bet
    std::vector<double> best;        // per deal, its best hold's return
    UnitCounts bestUnits{};          // final hands when every deal is held the best way
    double perfectReturn = 0;        // per credit, over every deal weighted
};

// What each match of a deal is worth to a chart, at one pay vector's prices.
struct MatchValues {
    std::vector<double> byMatch;      // its deal's weight x its hold's return
    std::vector<double> byOccurrence; // the same, by pattern as Occurrences lists them
};

// Every distinct deal with the holds that some pay table could make its
// best, the hold of each chart pattern it shows, and those holds' final
// hands: all that pricing a pay table, choosing and scoring its chart need,
// from one walk, whatever the pays.
//
// A hold is left out when one with a lower hold mask is at least as likely
// to end in every paying hand (per draw): with pays that are never negative
// that one is worth as much or more, and wins a tie, so a deal's best hold,
// ties to the lowest mask, is always stored.
class ChartDeals {
public:
    struct Match {
        PatternId pattern;
        std::uint32_t hold; // index into the stored holds
    };
    // A deal showing a pattern: where its match is kept.
    struct Occurrence {
        std::uint32_t deal;
        std::uint32_t match; // index into all matches
    };

    // The result does not depend on `threads`.
    explicit ChartDeals(const HoldAnalyzer& analyzer, unsigned threads = DefaultThreadCount());

    std::size_t DealCount() const { return weights_.size(); }
    int Weight(std::size_t deal) const { return weights_[deal]; }

    // Matches of deal `deal` are [MatchBegin(deal), MatchBegin(deal + 1)).
    std::uint32_t MatchBegin(std::size_t deal) const { return matchBegin_[deal]; }
    Match MatchAt(std::uint32_t match) const { return {matchPatterns_[match], matchHolds_[match]}; }
    PatternId MatchPattern(std::uint32_t match) const { return matchPatterns_[match]; }
    void PrefetchMatch(std::uint32_t match) const { __builtin_prefetch(&matchPatterns_[match]); }
    std::size_t MatchCount() const { return matchPatterns_.size(); }
    std::span<const Occurrence> Occurrences(PatternId pattern) const;
    // The values beside Occurrences(pattern).
    std::span<const double> OccurrenceValues(const MatchValues& values, PatternId pattern) const;
    // The patterns that show in only some of this one's deals and hold the
    // same cards there: finer lines this one stands for.
    std::span<const PatternId> FinerPatterns(PatternId pattern) const { return finer_[pattern]; }
    // Stored holds of deal `deal` are [HoldBegin(deal), HoldBegin(deal + 1)),
    // by ascending hold mask.
    std::uint32_t HoldBegin(std::size_t deal) const { return holdBegin_[deal]; }
    std::size_t HoldCount() const { return holdMasks_.size(); }
    const CategoryCounts& HoldCountsAt(std::uint32_t hold) const { return holdCounts_[hold]; }
    unsigned HoldMaskAt(std::uint32_t hold) const { return holdMasks_[hold]; }
    // Whether some pay table could make the hold its deal's best.
    bool IsCandidate(std::uint32_t hold) const { return candidates_[hold] != 0; }

    // Every stored hold and deal priced by `pays` (credits per credit bet,
    // whole numbers). The result does not depend on `threads`.
    DealPrices Price(const PayVector& pays, unsigned threads = DefaultThreadCount()) const;
    // The matches valued at `prices`. The result does not depend on `threads`.
    MatchValues ValueMatches(const DealPrices& prices, unsigned threads = DefaultThreadCount()) const;
    // Long-run return per credit over every deal, weighted by how many
    // deals each stands for.
    template <typename DealReturn>
    double WeightedReturn(DealReturn dealReturn) const
    {
        // The wider sum keeps the rounding of 134,459 terms far below 1e-12.
        long double sum = 0;
        for (std::size_t deal = 0; deal < DealCount(); ++deal)
            sum += weights_[deal] * dealReturn(deal);
        return static_cast<double>(sum / FiveCardHands);
    }
    // The long-run return per credit playing the first matching line of
    // `lines` (a deal that no line matches draws five). The result does not
    // depend on `threads`.
    double ChartReturn(const DealPrices& prices, std::span<const PatternId> lines,
                       unsigned threads = DefaultThreadCount()) const;

    struct DealBlock; // the walk's part of one thread

private:
    void Join(std::vector<DealBlock>& blocks);
    void IndexOccurrences();
    void FindFinerPatterns();
    std::uint32_t BestHold(std::size_t deal, const DealPrices& prices,
                           const std::array<std::uint32_t, CategoryCount>& pays) const;
    std::vector<int> weights_;
    std::vector<std::uint32_t> holdBegin_;  // per deal, one more than deals
    std::vector<CategoryCounts> holdCounts_; // per stored hold
    std::vector<std::uint8_t> holdMasks_;    // per stored hold, ascending within a deal
    std::vector<std::uint8_t> candidates_;   // per stored hold: 1 when it may be the best
    std::vector<std::uint32_t> matchBegin_;  // one more than deals
    std::vector<PatternId> matchPatterns_; // per match, kept apart: the chart search reads them most
    std::vector<std::uint32_t> matchHolds_;
    std::vector<std::uint32_t> occurrenceBegin_; // by pattern, one more than patterns
    std::vector<Occurrence> occurrences_;
    std::vector<std::uint32_t> occurrenceOf_; // per match, where Occurrences lists it
    std::array<std::vector<PatternId>, PatternCount> finer_;
};

} // namespace vel
