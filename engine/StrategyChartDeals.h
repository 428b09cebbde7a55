#pragma once

#include "engine/HoldAnalysis.h"
#include "engine/Parallel.h"
#include "engine/ScheduleReturn.h"
#include "engine/StrategyChartPatterns.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace vel {

// Every distinct deal with the hold of each chart pattern it shows and the
// counts of those holds' final hands, and its best return for each pay
// vector: all that choosing and scoring a chart needs, from one walk.
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

    // `payVectors`: one or more. The result does not depend on `threads`.
    ChartDeals(const HoldAnalyzer& analyzer, std::span<const PayVector> payVectors,
               unsigned threads = DefaultThreadCount());

    std::size_t DealCount() const { return weights_.size(); }
    std::size_t VectorCount() const { return payVectors_.size(); }
    int Weight(std::size_t deal) const { return weights_[deal]; }

    // Matches of deal `deal` are [MatchBegin(deal), MatchBegin(deal + 1)).
    std::uint32_t MatchBegin(std::size_t deal) const { return matchBegin_[deal]; }
    const Match& MatchAt(std::uint32_t match) const { return matches_[match]; }
    std::size_t MatchCount() const { return matches_.size(); }
    std::span<const Occurrence> Occurrences(PatternId pattern) const;
    // The patterns that show in only some of this one's deals and hold the
    // same cards there: finer lines this one stands for.
    std::span<const PatternId> FinerPatterns(PatternId pattern) const { return finer_[pattern]; }

    // The expected return per credit of every stored hold in vector `vector`.
    std::vector<double> HoldReturns(std::size_t vector) const;
    double BestReturn(std::size_t deal, std::size_t vector) const { return best_[deal * VectorCount() + vector]; }

    // Long-run returns per credit over every deal, weighted: with perfect
    // play, and playing the first matching line of `lines` (a deal that no
    // line matches draws five).
    double PerfectReturn(std::size_t vector) const;
    double ChartReturn(std::size_t vector, std::span<const PatternId> lines) const;
    // The same with the vector's HoldReturns at hand.
    double ChartReturn(std::span<const double> holdReturns, std::span<const PatternId> lines) const;

    struct DealBlock; // the walk's part of one thread

private:
    void Reserve(const std::vector<DealBlock>& blocks);
    void IndexOccurrences();
    void FindFinerPatterns();
    template <typename DealReturn>
    double WeightedReturn(DealReturn dealReturn) const;

    std::vector<PayVector> payVectors_;
    std::vector<int> weights_;
    std::vector<std::uint32_t> matchBegin_; // one more than deals
    std::vector<Match> matches_;
    std::vector<std::vector<CategoryCounts>> holdCounts_; // by block, in deal order
    std::vector<double> best_; // deal by deal, one per vector
    std::vector<std::uint32_t> occurrenceBegin_; // by pattern, one more than patterns
    std::vector<Occurrence> occurrences_;
    std::array<std::vector<PatternId>, PatternCount> finer_;
};

// Expected return per credit of a hold with these final-hand counts.
double PerCreditReturn(const CategoryCounts& counts, const PayVector& pays);

} // namespace vel
