#pragma once

#include "engine/HoldAnalysis.h"
#include "engine/ScheduleReturn.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace vel {

class AdvisorTables;
class TableRound;

// "K♥", "10♠": the card as its corner reads. The full name, for screen
// readers, is CardName() of the card places.
QString CardSymbol(Card card);
// The cards of the places in `holdMask`, place 1 first, each as `text` gives it.
QStringList CardTexts(const Hand& hand, unsigned holdMask, const std::function<QString(Card)>& text);
// "K♥", "10♠": the card in the English letters a typed hand is read in,
// whatever the player's language.
QString TypedCard(Card card);
// The hold mask of all five places: the hand as dealt.
inline constexpr unsigned AllPlaces = HoldCount - 1;
// The cards a hold keeps, "K♥ Q♥", or "Draw five new cards".
QString HoldText(const Hand& dealt, unsigned holdMask);
// The same as rich text, hearts and diamonds in red.
QString HoldHtml(const Hand& dealt, unsigned holdMask);
// Two decimals in the player's locale; a value that rounds to zero shows
// without a minus sign.
QString Credits(double value);

// The session's holds measured against the best holds, and its luck.
struct AdvisorLedger {
    int hands = 0;
    double playedExpected = 0; // expected return of the holds drawn to
    double bestExpected = 0;   // expected return of the best holds
    int won = 0;

    double MistakeCost() const { return bestExpected - playedExpected; }
    double Luck() const { return won - playedExpected; }
};

// One dealt hand and every way to hold it, best first.
struct HandAdvice {
    Hand dealt{};
    int bet = 0;
    RankedHolds holds{};
    std::optional<unsigned> playedMask; // set once drawn

    const HoldResult& Hold(unsigned mask) const;
    const HoldResult& Best() const { return holds.front(); }
    // What holding `mask` gives up against the best hold, in credits.
    double Cost(unsigned mask) const { return Best().expectedCredits - Hold(mask).expectedCredits; }
};

// The advisor without its window: while its window is open it follows the
// round, works out the advice for each dealt hand and keeps the ledger of
// the game; it decides when a draw is costly enough to warn about. Until it
// first follows the round it builds nothing and costs nothing.
class AdvisorSession : public QObject {
    Q_OBJECT
public:
    explicit AdvisorSession(TableRound& round, QObject* parent = nullptr);

    // The advice for the hand on the table or the last one drawn; none
    // before the first deal of a game.
    const std::optional<HandAdvice>& Advice() const { return advice_; }
    bool HandWaiting() const { return advice_ && !advice_->playedMask; }
    const AdvisorLedger& Ledger() const { return ledger_; }
    const TableRound& Round() const { return round_; }
    // Follows the round while the advisor is open; the first time starts
    // building the tables in the background.
    void SetFollowing(bool following);
    bool Following() const { return following_; }
    // The perfect-play return per credit of the schedule and bet in force,
    // once the background work has found it.
    std::optional<double> PerfectPlayReturn() const;
    // Blocks until the background tables and returns exist.
    void WaitForTables() const;

    // The question to ask before drawing to the holds on the table, when
    // they give up at least `CostlyLoss`.
    std::optional<QString> CostlyDrawWarning();
    // Sets the best hold of the waiting hand on the table.
    void HoldBest();

    static constexpr double CostlyLoss = 0.01;

signals:
    void adviceChanged();
    void ledgerChanged();
    void perfectPlayChanged();
    // The schedule or the bet in force changed.
    void payTableChanged();

private:
    HandAdvice& AdviceForTable();
    void ScheduleOrBetChanged();
    void HandDealt();
    void DrawStarted();
    void HandSettled(int payout);
    void GameReset();

    TableRound& round_;
    std::shared_ptr<AdvisorTables> tables_; // none until first followed
    bool following_ = false;
    QFutureWatcher<ScheduleReturns> returnsWatcher_;
    std::optional<HandAdvice> advice_;
    AdvisorLedger ledger_;
};

} // namespace vel
