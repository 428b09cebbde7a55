#pragma once

#include "engine/Cards.h"
#include "engine/Evaluator.h"
#include "engine/PaySchedule.h"
#include "shell/GameClock.h"

#include <QObject>

#include <array>
#include <functional>
#include <optional>
#include <utility>

namespace vel {

inline constexpr int StartingCredit = 100;
// The pause after each card turned up, but the last of a deal or draw.
inline constexpr int CardStepMilliseconds = 250;

// What a card place's panel shows: the panel, hold or win colour.
enum class PlaceColor { Panel, Hold, Win };

// The five status panels, from the left.
enum StatusPanel : int { HandsPanel, AverageWinPanel, HiWinPanel, HiScorePanel, LoScorePanel, StatusPanelCount };

// Commands asked for while cards move; they run once the cards stand still.
enum DeferredCommand : unsigned { DeferredOptions = 1, DeferredNewGame = 2, DeferredClose = 4 };

// Where a game stands. Every command the table offers follows from the
// phase and whether the game is paused over it.
enum class Phase {
    NewGame,      // before the first deal: the schedule may still change
    Dealing,      // the five cards are turned up one by one
    Holding,      // the dealt hand waits for the draw
    Drawing,      // replacements are turned up, the hand settled and celebrated
    Settled,      // the cards stand still; commands held back run before the round goes on
    BetweenHands, // the next bet is offered
    GameEnding,   // the credit ran out: the player is asked whether to play again
    GameOver,     // the player let the game stand; only the menu is left
};

// One game's bankroll and the cards on the table. Places and statistics
// are as the player sees them.
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
    bool Celebrate = false;
    int HandsPlayed = 0;
    int TotalWon = 0;
    int HiWin = 0;
    int HiScore = StartingCredit;
    int LoScore = StartingCredit;
    std::array<bool, StatusPanelCount> Highlighted{}; // records set by the last hand
    bool ShowSetupInfo = false;
};

// The round of play without any window. It decides its own course: each
// verb refuses what the phase does not allow, a deal and a draw run to
// their end by themselves, and every change is reported once by its own
// signal. Between cards it waits as its pacing says; meanwhile other
// commands may arrive, and the phase answers them.
class TableRound : public QObject {
    Q_OBJECT
public:
    using Next = std::function<void()>;
    // How the round waits between its moves: a table turns the cards up on
    // its timers and celebrates a winning hand; by default it goes straight on.
    struct Pacing {
        std::function<void(int milliseconds, Next next)> wait;
        std::function<void(Next next)> celebrate;
    };

    explicit TableRound(QObject* parent = nullptr);
    void SetPacing(Pacing pacing) { pacing_ = std::move(pacing); }

    const RoundState& State() const { return state_; }
    const PayTable& Pays() const { return payTable_; }
    const GameClock& Clock() const { return clock_; }
    Deck& GameDeck() { return deck_; }
    const Deck& GameDeck() const { return deck_; }
    int CelebrateLevel() const { return celebrateLevel_; }
    void SetCelebrateLevel(int level) { celebrateLevel_ = level; }

    // Questions the phase answers.
    Phase GamePhase() const { return phase_; }
    bool Paused() const { return paused_; }
    bool Busy() const { return phase_ == Phase::Dealing || phase_ == Phase::Drawing; }
    bool CanHold() const { return phase_ == Phase::Holding && !paused_; }
    bool DrawOffered() const { return CanHold(); }
    bool BetOffered() const { return (phase_ == Phase::NewGame || phase_ == Phase::BetweenHands) && !paused_; }
    bool BetListOffered() const { return BetOffered(); }
    bool ScheduleListOffered() const { return phase_ == Phase::NewGame; }
    bool DrawIsDefault() const; // else Bet is the button Enter presses
    bool GameInProgress() const;
    bool PauseOffered() const; // while the clock has started and no card moves
    bool HintsShown() const { return phase_ == Phase::GameOver; }
    // A new game asks first when completed hands with credit left would be
    // lost; closing asks whenever a game with credit left is under way.
    bool NewGameNeedsQuestion() const { return state_.Credit > 0 && state_.HandsPlayed > 0; }
    bool CloseNeedsQuestion() const { return state_.Credit > 0 && GameInProgress(); }
    float AverageWin() const;
    // The held places, bit p - 1 for place p.
    unsigned HeldMask() const;

    // The verbs: each returns false when the phase refuses it.
    bool ResetGame();
    bool ResetTable(bool showSetupInfo);
    bool SetSchedule(int index);
    bool ChooseBet(int bet);
    // Takes the bet and deals; the round goes on to holding by itself.
    bool Deal();
    bool ToggleHold(int place);
    bool SetHolds(unsigned mask);
    // Replaces the cards not held, settles, records and celebrates the hand,
    // then offers the next bet or ends the game at no credit.
    bool Draw();
    // After game over the table keeps the last hand; only the menu is left.
    bool LetGameOverStand();
    bool TogglePause();
    void RefreshClock() { clock_.Refresh(); }
    // Recolours the places after the player changed the colours.
    void RecolourPlaces();

    void Defer(DeferredCommand command) { deferred_ |= command; }
    unsigned TakeDeferred() { return std::exchange(deferred_, 0u); }

signals:
    void phaseChanged(); // or the pause over it
    void creditChanged(int credit);
    void betChanged();
    void scheduleChanged(const vel::PayTable& pays);
    void placesChanged();    // cards, colours or markers
    void holdsChanged();     // the player's holds of the waiting hand
    void resultChanged();    // the settled hand's name and win, or none
    void statisticsChanged();
    void handDealt();        // the fifth card is up; holding begins next
    void drawStarted();      // the dealt hand and its holds are still on the table
    void handSettled(int payout);
    void cardsStill();       // after a deal or a draw: commands held back may run
    void gameOver();
    void gameReset();

private:
    void SetPhase(Phase phase, bool paused = false);
    void SetCredit(int credit);
    void TurnUpFrom(int place, Next done);
    void FinishDeal();
    void SettleDraw();
    void FinishDraw();
    int SettleHand();
    void RecordStatistics(int payout);

    Deck deck_;
    PayTable payTable_;
    GameClock clock_;
    RoundState state_;
    Phase phase_ = Phase::NewGame;
    bool paused_ = false;
    Pacing pacing_;
    int celebrateLevel_ = FullHouse;
    unsigned deferred_ = 0;
};

} // namespace vel
