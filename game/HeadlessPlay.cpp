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
    round.SetHolds(choose ? choose(state.Hand) : 0u);
    round.Draw();
    outcome.payout = state.Payout;
    outcome.creditAfter = state.Credit;
    outcome.evaluation = state.Evaluation.value_or(0);
    outcome.final = state.Hand;
    if (round.GamePhase() == Phase::GameEnding) {
        round.ResetGame();
        round.ResetTable(false);
        outcome.newGame = true;
    }
    return outcome;
}

} // namespace vel
