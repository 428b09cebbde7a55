#include "engine/BreakEven.h"

#include "engine/ScheduleReturn.h"

namespace vel {

namespace {

PayTable WithRoyal(const PayTable& pays, int royal)
{
    PayList list = pays.Pays();
    list[0] = royal;
    return *PayTable::FromPays(list);
}

} // namespace

// The return of perfect play never falls as one pay rises: each hold is
// worth at least as much, so the best of them is too. A search by halves
// finds the first royal that reaches 100 %.
std::optional<BreakEvenRoyal> FindBreakEvenRoyal(const HoldAnalyzer& analyzer, const PayTable& pays, unsigned threads)
{
    const auto returnAt = [&](int royal) {
        return PerfectPlayReturn(analyzer, WithRoyal(pays, royal), MaxBet, threads);
    };
    double highReturn = returnAt(MaxPayPerCredit);
    if (highReturn < 1)
        return std::nullopt;
    int low = -1, high = MaxPayPerCredit; // returnAt(low) < 1 <= returnAt(high)
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        const double middleReturn = returnAt(middle);
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
