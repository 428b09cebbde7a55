#pragma once

#include "engine/Cards.h"
#include "engine/Evaluator.h"
#include "engine/HoldAnalysis.h"
#include "engine/PaySchedule.h"
#include "engine/Parallel.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace vel {

// One deal for each way five cards can lie up to a renaming of the suits,
// with the number of deals it stands for (1..24).
struct DistinctDeal {
    Hand cards; // ascending
    int weight;
};

// The 134,459 distinct deals; their weights add up to all 2,598,960 deals.
std::vector<DistinctDeal> DistinctDeals();

// Credits won per credit bet, by category.
using PayVector = std::array<double, CategoryCount>;

PayVector PayVectorFor(const PayTable& pays, int bet);

// The pay vectors split into the categories that pay the same in all of
// them, summed once per hold, and those that differ, summed per vector.
class PaySplit {
public:
    explicit PaySplit(std::span<const PayVector> payVectors)
        : vectors_(payVectors.size())
    {
        for (int category = 0; category < CategoryCount; ++category) {
            const double pay = payVectors.front()[category];
            const bool same = std::all_of(payVectors.begin(), payVectors.end(),
                                          [&](const PayVector& v) { return v[category] == pay; });
            if (same && pay != 0)
                shared_.push_back({category, pay});
            else if (!same)
                varying_.push_back(category);
        }
        for (const PayVector& v : payVectors) {
            for (int category : varying_)
                varyingPays_.push_back(v[category]);
        }
    }

    std::size_t Vectors() const { return vectors_; }

    // Raises best[v] to the expected return of the hold in vector v.
    void RaiseBest(const CategoryCounts& counts, double perDraw, std::span<double> best) const
    {
        double shared = 0;
        for (const auto& [category, pay] : shared_)
            shared += counts[category] * pay;
        std::array<double, CategoryCount> varyingCounts{};
        for (std::size_t j = 0; j < varying_.size(); ++j)
            varyingCounts[j] = counts[varying_[j]];
        const double* pays = varyingPays_.data();
        for (std::size_t v = 0; v < vectors_; ++v) {
            double total = shared;
            for (std::size_t j = 0; j < varying_.size(); ++j)
                total += varyingCounts[j] * *pays++;
            best[v] = std::max(best[v], total * perDraw);
        }
    }

private:
    struct SharedPay {
        int category;
        double pay;
    };

    std::size_t vectors_;
    std::vector<SharedPay> shared_;
    std::vector<int> varying_;
    std::vector<double> varyingPays_; // vector by vector, in `varying_` order
};

// The long-run return per credit of each pay vector when every deal is held
// the best way for that vector. The result does not depend on `threads`.
std::vector<double> PerfectPlayReturns(const HoldAnalyzer& analyzer, std::span<const PayVector> payVectors,
                                       unsigned threads = DefaultThreadCount());

double PerfectPlayReturn(const HoldAnalyzer& analyzer, const PayTable& pays, int bet,
                         unsigned threads = DefaultThreadCount());

// Return per credit of each of the six schedules (in `PaySchedules` order)
// with perfect play: at the highest bet (royal flush 800) and below (250).
struct ScheduleReturns {
    std::array<double, PaySchedules.size()> maxBet{};
    std::array<double, PaySchedules.size()> lowBet{};
};

ScheduleReturns ComputeScheduleReturns(const HoldAnalyzer& analyzer, unsigned threads = DefaultThreadCount());

} // namespace vel
