#pragma once

#include "engine/Cards.h"
#include "engine/Evaluator.h"
#include "engine/PaySchedule.h"

#include <QObject>

#include <array>
#include <functional>
#include <optional>
#include <utility>

namespace vel {

inline constexpr int StartingCredit = 100;

// What a card place's panel shows: the panel, hold or win colour.
enum class PlaceColor { Panel, Hold, Win };

// The five status panels, from the left.
enum StatusPanel : int { HandsPanel, AverageWinPanel, HiWinPanel, HiScorePanel, LoScorePanel, StatusPanelCount };

// What the game clock is told to do; the table's clock label carries it out.
enum class ClockMove { Reset, Start, Refresh, Stop, Pause, Resume };

// Commands asked for while cards move; they run once the cards stand still.
enum DeferredCommand : unsigned { DeferredOptions = 1, DeferredNewGame = 2, DeferredClose = 4 };

// One game's bankroll and round, and what the table offers the player.
// Places and statistics are as the player sees them.
struct RoundState {
    int Credit = StartingCredit;
    int CurrentBet = MaxBet;
    int ChosenBet = MaxBet; // the bet list's choice, cut to the credit at each deal
    int Schedule = DefaultPaySchedule;
    vel::Hand Hand{};
    vel::Hand Shown{}; // the card each place shows, 0 for a blank place
    std::array<bool, 5> Held{};
    std::array<bool, 5> HoldShown{}; // the "HOLD" markers
    WinCards WinCard{};
    std::array<PlaceColor, 5> Colors{};
    std::optional<int> Evaluation; // of the settled hand, until the next deal
    int Payout = 0;
    bool CanHold = false;
    bool Busy = false;
    bool GameInProgress = false;
    bool Celebrate = false;
    int HandsPlayed = 0;
    int TotalWon = 0;
    int HiWin = 0;
    int HiScore = StartingCredit;
    int LoScore = StartingCredit;
    std::array<bool, StatusPanelCount> Highlighted{}; // records set by the last hand
    // The controls the round offers; a pause saves and restores the first three.
    bool DrawOffered = false;
    bool BetOffered = true;
    bool BetListOffered = true;
    bool ScheduleListOffered = true;
    bool DrawIsDefault = false; // else Bet is the button Enter presses
    bool Paused = false;
    int PauseTag = 0;
    bool ClockStarted = false;
    bool ShowSetupInfo = false;
    bool HintsShown = false; // after a game over that the player let stand
};

// The round of play without any window: the table calls its verbs and
// shows what `changed` reports. Between the cards of a deal or draw it
// calls the animation step it is given, during which other commands may
// arrive; state, not locks, keeps them from breaking the round.
class TableRound : public QObject {
    Q_OBJECT
public:
    using AnimationStep = std::function<void()>;

    explicit TableRound(QObject* parent = nullptr);

    const RoundState& State() const { return state_; }
    const PayTable& Pays() const { return payTable_; }
    Deck& GameDeck() { return deck_; }
    const Deck& GameDeck() const { return deck_; }
    bool PauseOffered() const { return !state_.Busy && state_.ClockStarted; }
    // A new game asks first when completed hands with credit left would be
    // lost; closing asks whenever a game with credit left is under way.
    bool NewGameNeedsQuestion() const { return state_.Credit > 0 && state_.HandsPlayed > 0; }
    bool CloseNeedsQuestion() const { return state_.Credit > 0 && state_.GameInProgress; }
    float AverageWin() const;

    void ResetGame();
    void ResetTable(bool showSetupInfo);
    void SetSchedule(int index);
    void ChooseBet(int bet);
    void SetCelebrateLevel(int level) { celebrateLevel_ = level; }

    // The deal: false when no bet may be taken now.
    bool Deal(const AnimationStep& step = {});
    bool ToggleHold(int place);
    // Replaces the cards not held, settles and counts the hand; false when
    // no hand waits for the draw. The round stays busy until FinishDraw.
    bool Draw(const AnimationStep& step = {});
    int SettleHand();
    void RecordStatistics(int payout);
    void FinishDraw();
    void OfferNextBet();
    void EnterGameOver();
    void LetGameOverStand();

    bool TogglePause();
    // Recolours the places after the player changed the colours.
    void RecolourPlaces();

    void Defer(DeferredCommand command) { deferred_ |= command; }
    unsigned TakeDeferred() { return std::exchange(deferred_, 0u); }

signals:
    void changed();
    void clockMoved(vel::ClockMove move);
    void handDealt();
    void drawStarted();
    void handSettled(int payout);
    void gameReset();
    void scheduleChanged();
    void betChanged();

private:
    void SetBusy(bool busy);
    void ClearPlaces(bool keepHeld);
    void MoveClock(ClockMove move);

    Deck deck_;
    PayTable payTable_;
    RoundState state_;
    int celebrateLevel_ = FullHouse;
    unsigned deferred_ = 0;
};

} // namespace vel
