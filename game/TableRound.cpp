// The round of play: bet, deal, holds, draw, settlement and the bankroll.
#include "game/TableRound.h"

#include <algorithm>
#include <string>

namespace vel {

TableRound::TableRound(QObject* parent)
    : QObject(parent)
    , pacing_{[](int, Next next) { next(); }, [](Next next) { next(); }}
{
    payTable_.ApplySchedule(state_.Schedule);
}

// Draw stays the default button from the deal until the next bet is offered.
bool TableRound::DrawIsDefault() const
{
    switch (phase_) {
    case Phase::Holding:
    case Phase::Drawing:
    case Phase::Settled:
    case Phase::GameEnding:
    case Phase::GameOver:
        return true;
    default:
        return false;
    }
}

// From the first deal until game over.
bool TableRound::GameInProgress() const
{
    return phase_ != Phase::NewGame && phase_ != Phase::GameEnding && phase_ != Phase::GameOver;
}

// The clock runs from the end of the first deal until the player lets the
// game over stand; a pause ends where it began.
bool TableRound::PauseOffered() const
{
    switch (phase_) {
    case Phase::Holding:
    case Phase::Settled:
    case Phase::BetweenHands:
    case Phase::GameEnding:
        return true;
    default:
        return false;
    }
}

float TableRound::AverageWin() const
{
    if (state_.HandsPlayed == 0)
        return 0;
    return static_cast<float>(state_.TotalWon) / static_cast<float>(state_.HandsPlayed);
}

unsigned TableRound::HeldMask() const
{
    unsigned mask = 0;
    for (std::size_t place = 0; place < state_.Held.size(); ++place)
        mask |= state_.Held[place] ? 1u << place : 0u;
    return mask;
}

// A new game cannot begin while cards move; the table holds it back.
bool TableRound::ResetGame()
{
    if (Busy())
        return false;
    SetCredit(StartingCredit);
    clock_.Reset();
    deck_.ResetDeck();
    state_.Held.fill(false);
    state_.WinCard.fill(false);
    state_.HandsPlayed = 0;
    state_.HiWin = 0;
    state_.TotalWon = 0;
    state_.HiScore = state_.LoScore = state_.Credit;
    SetPhase(Phase::NewGame);
    emit statisticsChanged();
    emit gameReset();
    return true;
}

bool TableRound::ResetTable(bool showSetupInfo)
{
    if (Busy())
        return false;
    state_.Highlighted.fill(false);
    state_.Colors.fill(PlaceColor::Panel);
    state_.Shown.fill(0);
    state_.HoldShown.fill(false);
    state_.Evaluation.reset();
    state_.Payout = 0;
    state_.ShowSetupInfo = showSetupInfo;
    emit placesChanged();
    emit resultChanged();
    emit statisticsChanged();
    return true;
}

// The schedule is chosen before the first deal of a game and stays until
// the next; indexes outside the six schedules leave the pay table as it is.
bool TableRound::SetSchedule(int index)
{
    if (!ScheduleListOffered() || index < 0 || index >= static_cast<int>(PaySchedules.size()))
        return false;
    if (index != state_.Schedule) {
        state_.Schedule = index;
        payTable_.ApplySchedule(index);
        emit scheduleChanged(payTable_);
    }
    return true;
}

// A bet chosen during a hand would be paid at the wrong rate: refused.
bool TableRound::ChooseBet(int bet)
{
    if (!BetListOffered())
        return false;
    bet = std::clamp(bet, 1, MaxBet);
    if (bet != state_.ChosenBet || bet != state_.CurrentBet) {
        state_.ChosenBet = state_.CurrentBet = bet;
        emit betChanged();
    }
    return true;
}

bool TableRound::Deal()
{
    if (!BetOffered())
        return false;
    state_.Held.fill(false);
    state_.WinCard.fill(false);
    state_.HoldShown.fill(false);
    state_.Evaluation.reset();
    state_.Payout = 0;
    const int bet = std::min(state_.ChosenBet, state_.Credit);
    SetCredit(state_.Credit - bet);
    if (bet != state_.CurrentBet) {
        state_.CurrentBet = bet;
        emit betChanged();
    }
    deck_.ShuffleDeck();
    state_.Colors.fill(PlaceColor::Panel);
    state_.Shown.fill(0);
    SetPhase(Phase::Dealing);
    emit resultChanged();
    emit placesChanged();
    pacing_.wait(CardStepMilliseconds, [this] { TurnUpFrom(1, [this] { FinishDeal(); }); });
    return true;
}

// The hand is announced before holding begins, so that the table speaks it
// before Draw takes the focus.
void TableRound::FinishDeal()
{
    clock_.Start();
    emit handDealt();
    SetPhase(Phase::Holding);
    emit cardsStill();
}

bool TableRound::ToggleHold(int place)
{
    if (place < 1 || place > 5)
        return false;
    return SetHolds(HeldMask() ^ 1u << (place - 1));
}

// Only the places whose hold changes are recoloured.
bool TableRound::SetHolds(unsigned mask)
{
    if (!CanHold())
        return false;
    if (mask == HeldMask())
        return true;
    for (std::size_t i = 0; i < state_.Held.size(); ++i) {
        const bool held = mask >> i & 1;
        if (held == state_.Held[i])
            continue;
        state_.Held[i] = state_.HoldShown[i] = held;
        state_.Colors[i] = held ? PlaceColor::Hold : PlaceColor::Panel;
    }
    emit placesChanged();
    emit holdsChanged();
    return true;
}

// Held places never blank, and cause no pause.
bool TableRound::Draw()
{
    if (!DrawOffered())
        return false;
    emit drawStarted();
    SetPhase(Phase::Drawing);
    for (std::size_t i = 0; i < state_.Shown.size(); ++i) {
        if (!state_.Held[i])
            state_.Shown[i] = 0;
    }
    emit placesChanged();
    pacing_.wait(CardStepMilliseconds, [this] { TurnUpFrom(1, [this] { SettleDraw(); }); });
    return true;
}

// Turns up a new card in `place` and each later place not held, pausing
// after each but the fifth place; then goes on with `done`.
void TableRound::TurnUpFrom(int place, Next done)
{
    while (place <= 5 && state_.Held[place - 1])
        ++place;
    if (place > 5) {
        done();
        return;
    }
    state_.Shown[place - 1] = state_.Hand[place - 1] = deck_.NextCard();
    emit placesChanged();
    if (place == 5) {
        done();
        return;
    }
    pacing_.wait(CardStepMilliseconds, [this, place, done = std::move(done)] { TurnUpFrom(place + 1, done); });
}

void TableRound::SettleDraw()
{
    state_.HoldShown.fill(false);
    const int payout = SettleHand();
    emit placesChanged();
    emit resultChanged();
    clock_.Refresh();
    RecordStatistics(payout);
    emit handSettled(payout);
    if (state_.Celebrate)
        pacing_.celebrate([this] { FinishDraw(); });
    else
        FinishDraw();
}

// Commands held back run while the cards stand still; unless one of them
// began a new game, the round then offers the next bet or ends the game.
void TableRound::FinishDraw()
{
    SetPhase(Phase::Settled, paused_);
    emit cardsStill();
    if (phase_ != Phase::Settled)
        return;
    const bool broke = state_.Credit <= 0;
    SetPhase(broke ? Phase::GameEnding : Phase::BetweenHands, paused_);
    if (broke)
        emit gameOver();
}

int TableRound::SettleHand()
{
    std::string ranks, suits;
    for (Card card : state_.Hand) {
        ranks += RankLetter(card);
        suits += SuitLetter(card);
    }
    const int evaluation = EvaluateHand(ranks, suits, state_.WinCard);
    const int code = CategoryOf(evaluation);
    const int payout = payTable_.PayoutFor(code, state_.CurrentBet);
    state_.Celebrate = code >= celebrateLevel_;
    SetCredit(state_.Credit + payout);
    state_.Payout = payout;
    state_.Evaluation = evaluation;
    for (std::size_t i = 0; i < state_.Colors.size(); ++i)
        state_.Colors[i] = code > 0 && state_.WinCard[i] ? PlaceColor::Win : PlaceColor::Panel;
    return payout;
}

// Counts the hand and marks the records it set, each compared strictly.
void TableRound::RecordStatistics(int payout)
{
    ++state_.HandsPlayed;
    state_.TotalWon += payout;
    const bool newHiWin = payout > state_.HiWin;
    const bool newHiScore = state_.Credit > state_.HiScore;
    const bool newLoScore = state_.Credit < state_.LoScore;
    if (newHiWin)
        state_.HiWin = payout;
    if (newHiScore)
        state_.HiScore = state_.Credit;
    if (newLoScore)
        state_.LoScore = state_.Credit;
    state_.Highlighted[HiWinPanel] = newHiWin;
    state_.Highlighted[HiScorePanel] = newHiScore;
    state_.Highlighted[LoScorePanel] = newLoScore;
    emit statisticsChanged();
}

bool TableRound::LetGameOverStand()
{
    if (phase_ != Phase::GameEnding)
        return false;
    clock_.Stop();
    state_.Highlighted[LoScorePanel] = false;
    emit statisticsChanged();
    SetPhase(Phase::GameOver);
    return true;
}

bool TableRound::TogglePause()
{
    if (!PauseOffered())
        return false;
    if (paused_)
        clock_.Resume();
    else
        clock_.Pause();
    SetPhase(phase_, !paused_);
    return true;
}

// A held place shows the hold colour only while the hand waits for the
// draw with Draw on offer: a pause repaints it in the panel colour.
void TableRound::RecolourPlaces()
{
    for (std::size_t i = 0; i < state_.Colors.size(); ++i) {
        PlaceColor color = PlaceColor::Panel;
        if (state_.WinCard[i])
            color = PlaceColor::Win;
        else if (state_.Held[i] && DrawOffered())
            color = PlaceColor::Hold;
        state_.Colors[i] = color;
    }
    emit placesChanged();
}

void TableRound::SetPhase(Phase phase, bool paused)
{
    if (phase == phase_ && paused == paused_)
        return;
    phase_ = phase;
    paused_ = paused;
    emit phaseChanged();
}

void TableRound::SetCredit(int credit)
{
    if (credit == state_.Credit)
        return;
    state_.Credit = credit;
    emit creditChanged(credit);
}

} // namespace vel
