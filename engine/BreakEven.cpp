#include "engine/BreakEven.h"

#include <algorithm>
#include <vector>

namespace vel {

namespace {

// Perfect play's return at the highest bet as the royal flush pay varies:
// each hold that may be a deal's best is worth its other pays plus the
// royal pay times its chance of a royal flush.
class RoyalCurve {
public:
    RoyalCurve(const ChartDeals& deals, const PayTable& pays)
        : deals_(deals)
    {
        PayVector withoutRoyal = PayVectorFor(pays, MaxBet);
        withoutRoyal[RoyalFlush] = 0;
        PayVector royalOnly{};
        royalOnly[RoyalFlush] = 1;
        const DealPrices others = deals.Price(withoutRoyal);
        const DealPrices royals = deals.Price(royalOnly);
        begin_.push_back(0);
        for (std::size_t deal = 0; deal < deals.DealCount(); ++deal) {
            for (std::uint32_t h = deals.HoldBegin(deal); h < deals.HoldBegin(deal + 1); ++h) {
                if (deals.IsCandidate(h))
                    holds_.push_back({others.holdReturns[h], royals.holdReturns[h]});
            }
            begin_.push_back(static_cast<std::uint32_t>(holds_.size()));
        }
    }

    double ReturnAt(int royal) const
    {
        return deals_.WeightedReturn([&](std::size_t deal) {
            double best = 0;
            for (std::uint32_t h = begin_[deal]; h < begin_[deal + 1]; ++h)
                best = std::max(best, holds_[h].others + holds_[h].royalChance * royal);
            return best;
        });
    }

private:
    struct Hold {
        double others;      // per credit, from every hand but the royal flush
        double royalChance; // of a royal flush, per draw
    };

    const ChartDeals& deals_;
    std::vector<Hold> holds_;          // those that may be the best, deal by deal
    std::vector<std::uint32_t> begin_; // per deal, one more than deals
};

} // namespace

// The return of perfect play never falls as one pay rises: each hold is
// worth at least as much, so the best of them is too. A search by halves
// finds the first royal that reaches 100 %.
std::optional<BreakEvenRoyal> FindBreakEvenRoyal(const ChartDeals& deals, const PayTable& pays)
{
    const RoyalCurve curve(deals, pays);
    double highReturn = curve.ReturnAt(MaxPayPerCredit);
    if (highReturn < 1)
        return std::nullopt;
    int low = -1, high = MaxPayPerCredit; // ReturnAt(low) < 1 <= ReturnAt(high)
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        const double middleReturn = curve.ReturnAt(middle);
        if (middleReturn >= 1) {
            high = middle;
            highReturn = middleReturn;
        } else {
            low = middle;
        }
    }
    return BreakEvenRoyal{high, highReturn};
}

} // namespace vel
