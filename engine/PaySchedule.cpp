#include "engine/PaySchedule.h"

#include "engine/Evaluator.h"

namespace vel {

PayTable::PayTable()
    : perCredit_{0, 1, 2, 3, 4, 5, 8, 25, 50, 250}
{
}

void PayTable::ApplySchedule(int index)
{
    if (index < 0 || index >= static_cast<int>(PaySchedules.size()))
        return;
    perCredit_[FullHouse] = PaySchedules[index].fullHouse;
    perCredit_[Flush] = PaySchedules[index].flush;
}

int PayTable::PerCredit(int code) const
{
    if (code < JacksOrBetter || code > RoyalFlush)
        return 0;
    return perCredit_[code];
}

int PayTable::PayoutFor(int code, int bet) const
{
    if (code == RoyalFlush && bet == MaxBet)
        return bet * royalAtMaxBet_;
    return bet * PerCredit(code);
}

} // namespace vel
