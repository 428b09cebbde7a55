#include "game/HeadlessPlay.h"

#include <string>

namespace vel {

unsigned SightedHold(const TableRound& round)
{
    const Hand& dealt = round.State().Hand;
    const Deck& deck = round.GameDeck();
    unsigned bestMask = 0;
    int bestPayout = -1;
    for (unsigned mask = 0; mask < 32; ++mask) {
        std::string ranks, suits;
        int position = deck.DeckPos();
        for (std::size_t place = 0; place < dealt.size(); ++place) {
            Card card = dealt[place];
            if (!(mask >> place & 1)) {
                card = deck.At(position);
                position = position % deck.DeckSize() + 1;
            }
            ranks += RankLetter(card);
            suits += SuitLetter(card);
        }
        WinCards flags{};
        const int payout = round.Pays().PayoutFor(CategoryOf(EvaluateHand(ranks, suits, flags)), round.State().CurrentBet);
        if (payout > bestPayout) {
            bestPayout = payout;
            bestMask = mask;
        }
    }
    return bestMask;
}

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
