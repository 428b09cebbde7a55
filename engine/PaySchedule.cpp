#include "engine/PaySchedule.h"

#include "engine/Evaluator.h"

namespace vel {

PayTable::PayTable()
    : perCredit_{0, 1, 2, 3, 4, 5, 8, 25, 50, 250}
{
}

std::optional<PayTable> PayTable::FromPays(const PayList& pays)
{
    for (int pay : pays) {
        if (pay < 0 || pay > MaxPayPerCredit)
            return std::nullopt;
    }
    PayTable table;
    table.royalAtMaxBet_ = pays[0];
    for (int line = 1; line < PayLineCount; ++line)
        table.perCredit_[RoyalFlush + 1 - line] = pays[line];
    return table;
}

PayTable PayTable::ForSchedule(int index)
{
    PayTable table;
    table.ApplySchedule(index);
    return table;
}

PayList PayTable::Pays() const
{
    PayList pays{royalAtMaxBet_};
    for (int line = 1; line < PayLineCount; ++line)
        pays[line] = perCredit_[RoyalFlush + 1 - line];
    return pays;
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
