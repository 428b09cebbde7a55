#include "game/HeadlessPlay.h"

namespace vel {

HandOutcome PlayHand(TableRound& round, const HoldChooser& choose)
{
    const RoundState& state = round.State();
    HandOutcome outcome;
    outcome.creditBefore = state.Credit;
    round.Deal();
    outcome.bet = state.CurrentBet;
    outcome.dealt = state.Hand;
    const unsigned holds = choose ? choose(state.Hand) : 0u;
    for (int place = 1; place <= 5; ++place) {
        if (holds >> (place - 1) & 1)
            round.ToggleHold(place);
    }
    round.Draw();
    round.FinishDraw();
    outcome.payout = state.Payout;
    outcome.creditAfter = state.Credit;
    outcome.evaluation = state.Evaluation.value_or(0);
    outcome.final = state.Hand;
    if (state.Credit > 0) {
        round.OfferNextBet();
        return outcome;
    }
    round.EnterGameOver();
    round.ResetGame();
    round.ResetTable(false);
    outcome.newGame = true;
    return outcome;
}

} // namespace vel
