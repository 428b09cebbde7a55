// The round of play: bet, deal, holds, draw, settlement and the bankroll.
#include "game/TableRound.h"

#include <algorithm>
#include <string>

namespace vel {

namespace {

enum PauseBits { DrawWasOffered = 1, BetWasOffered = 2, BetListWasOffered = 4, CouldHold = 8 };

} // namespace

TableRound::TableRound(QObject* parent)
    : QObject(parent)
{
    payTable_.ApplySchedule(state_.Schedule);
}

float TableRound::AverageWin() const
{
    if (state_.HandsPlayed == 0)
        return 0;
    return static_cast<float>(state_.TotalWon) / static_cast<float>(state_.HandsPlayed);
}

void TableRound::ResetGame()
{
    state_.Credit = StartingCredit;
    state_.GameInProgress = false;
    MoveClock(ClockMove::Reset);
    state_.Busy = false;
    state_.Paused = false;
    deck_.ResetDeck();
    state_.Held.fill(false);
    state_.WinCard.fill(false);
    state_.CanHold = false;
    state_.HandsPlayed = 0;
    state_.HiWin = 0;
    state_.TotalWon = 0;
    state_.HiScore = state_.LoScore = state_.Credit;
    emit changed();
    emit gameReset();
}

void TableRound::ResetTable(bool showSetupInfo)
{
    state_.Highlighted.fill(false);
    state_.Colors.fill(PlaceColor::Panel);
    state_.Shown.fill(0);
    state_.HoldShown.fill(false);
    state_.Evaluation.reset();
    state_.Payout = 0;
    state_.ShowSetupInfo = showSetupInfo;
    state_.DrawOffered = false;
    state_.BetOffered = true;
    state_.DrawIsDefault = false;
    state_.BetListOffered = true;
    state_.ScheduleListOffered = true;
    state_.HintsShown = false;
    emit changed();
}

// Indexes outside the six schedules leave the pay table as it is.
void TableRound::SetSchedule(int index)
{
    if (index < 0 || index >= static_cast<int>(PaySchedules.size()))
        return;
    state_.Schedule = index;
    payTable_.ApplySchedule(index);
    emit changed();
    emit scheduleChanged();
}

void TableRound::ChooseBet(int bet)
{
    state_.ChosenBet = state_.CurrentBet = std::clamp(bet, 1, MaxBet);
    emit changed();
    emit betChanged();
}

bool TableRound::Deal(const AnimationStep& step)
{
    if (state_.Busy || !state_.BetOffered)
        return false;
    SetBusy(true);
    state_.GameInProgress = true;
    state_.BetOffered = state_.BetListOffered = state_.ScheduleListOffered = false;
    state_.Held.fill(false);
    state_.WinCard.fill(false);
    state_.HoldShown.fill(false);
    state_.Evaluation.reset();
    state_.Payout = 0;
    state_.CurrentBet = std::min(state_.ChosenBet, state_.Credit);
    state_.Credit -= state_.CurrentBet;
    deck_.ShuffleDeck();
    state_.Colors.fill(PlaceColor::Panel);
    ClearPlaces(false);
    if (step)
        step();
    for (int place = 1; place <= 5; ++place) {
        state_.Shown[place - 1] = state_.Hand[place - 1] = deck_.NextCard();
        emit changed();
        if (step && place < 5)
            step();
    }
    MoveClock(ClockMove::Start);
    SetBusy(false);
    state_.CanHold = true;
    state_.DrawOffered = state_.DrawIsDefault = true;
    emit changed();
    emit handDealt();
    return true;
}

bool TableRound::ToggleHold(int place)
{
    if (!state_.CanHold || place < 1 || place > 5)
        return false;
    const bool held = state_.Held[place - 1] = !state_.Held[place - 1];
    state_.Colors[place - 1] = held ? PlaceColor::Hold : PlaceColor::Panel;
    state_.HoldShown[place - 1] = held;
    emit changed();
    return true;
}

// Held places never blank, and cause no pause.
bool TableRound::Draw(const AnimationStep& step)
{
    if (state_.Busy || !state_.CanHold || !state_.DrawOffered)
        return false;
    emit drawStarted(); // the dealt hand and its holds are still on the table
    SetBusy(true);
    state_.DrawOffered = false;
    state_.CanHold = false;
    ClearPlaces(true);
    if (step)
        step();
    for (int place = 1; place <= 5; ++place) {
        if (state_.Held[place - 1])
            continue;
        state_.Shown[place - 1] = state_.Hand[place - 1] = deck_.NextCard();
        emit changed();
        if (step && place < 5)
            step();
    }
    state_.HoldShown.fill(false);
    emit changed();
    const int payout = SettleHand();
    MoveClock(ClockMove::Refresh);
    RecordStatistics(payout);
    emit handSettled(payout);
    return true;
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
    state_.Credit += payout;
    state_.Payout = payout;
    state_.Evaluation = evaluation;
    for (std::size_t i = 0; i < state_.Colors.size(); ++i)
        state_.Colors[i] = code > 0 && state_.WinCard[i] ? PlaceColor::Win : PlaceColor::Panel;
    emit changed();
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
    emit changed();
}

void TableRound::FinishDraw()
{
    SetBusy(false);
    emit changed();
}

// The schedule stays fixed until the next game.
void TableRound::OfferNextBet()
{
    state_.BetOffered = state_.BetListOffered = true;
    state_.DrawIsDefault = false;
    emit changed();
}

void TableRound::EnterGameOver()
{
    state_.GameInProgress = false;
    state_.DrawOffered = state_.BetOffered = state_.BetListOffered = false;
    emit changed();
}

// The last hand stays on the table; only the menu is left.
void TableRound::LetGameOverStand()
{
    MoveClock(ClockMove::Stop);
    state_.Busy = false;
    state_.HintsShown = true;
    state_.Highlighted[LoScorePanel] = false;
    emit changed();
}

bool TableRound::TogglePause()
{
    if (!PauseOffered())
        return false;
    state_.Paused = !state_.Paused;
    if (state_.Paused) {
        MoveClock(ClockMove::Pause);
        state_.PauseTag = (state_.DrawOffered ? DrawWasOffered : 0) | (state_.BetOffered ? BetWasOffered : 0)
                          | (state_.BetListOffered ? BetListWasOffered : 0) | (state_.CanHold ? CouldHold : 0);
        state_.DrawOffered = state_.BetOffered = state_.BetListOffered = state_.CanHold = false;
    } else {
        MoveClock(ClockMove::Resume);
        state_.DrawOffered = state_.PauseTag & DrawWasOffered;
        state_.BetOffered = state_.PauseTag & BetWasOffered;
        state_.BetListOffered = state_.PauseTag & BetListWasOffered;
        state_.CanHold = state_.PauseTag & CouldHold;
    }
    emit changed();
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
        else if (state_.Held[i] && state_.DrawOffered)
            color = PlaceColor::Hold;
        state_.Colors[i] = color;
    }
    emit changed();
}

void TableRound::SetBusy(bool busy)
{
    state_.Busy = busy;
    emit changed();
}

void TableRound::ClearPlaces(bool keepHeld)
{
    for (std::size_t i = 0; i < state_.Shown.size(); ++i) {
        if (!keepHeld || !state_.Held[i])
            state_.Shown[i] = 0;
    }
    emit changed();
}

void TableRound::MoveClock(ClockMove move)
{
    if (move == ClockMove::Start)
        state_.ClockStarted = true;
    else if (move == ClockMove::Reset || move == ClockMove::Stop)
        state_.ClockStarted = false;
    emit clockMoved(move);
}

} // namespace vel
