#pragma once

#include "game/MistakeLog.h"

#include <QObject>

#include <memory>
#include <optional>

namespace vel {

class AdvisorTables;

// A close call: the best hold beats the best of the worse holds by less
// than this, in credits per credit bet. Holds tied for best are not worse.
inline constexpr double CloseCallMargin = 0.1;

// What the best hold is worth more than the best worse hold, per credit bet;
// none when every hold ties.
std::optional<double> BestHoldMargin(const RankedHolds& holds, int bet);
bool IsCloseCall(const RankedHolds& holds, int bet);

// Practice beside the table: hands from a deck of its own, shuffled as the
// table's deck is, every hold graded against the best. No credit moves and
// nothing of the table's round is touched.
class PracticeSession : public QObject {
    Q_OBJECT
public:
    enum class DealKind { EveryHand, CloseCalls };

    explicit PracticeSession(QObject* parent = nullptr);

    // The deck the hands come from; a new one starts as a new game's would.
    void UseDeck(Deck deck);
    const Deck& PracticeDeck() const { return deck_; }

    // The pay table and bet the holds are graded on; a waiting hand is
    // graded on the new one.
    void SetPayTable(const PayTable& pays, int bet);
    const PayTable& Pays() const { return pays_; }
    int Bet() const { return bet_; }
    void SetDealKind(DealKind kind) { kind_ = kind; }

    // Deals the next hand of the chosen kind.
    void Deal();
    // False unless a dealt hand waits to be graded.
    bool ToggleHold(int place);
    unsigned HeldMask() const { return held_; }
    // The hand dealt, with every way to hold it; none before the first deal.
    const std::optional<HandAdvice>& Advice() const { return advice_; }
    bool HandWaiting() const { return advice_ && !grade_; }
    // Grades the holds of the waiting hand.
    void Grade();
    // The grade of the hand on show, once graded.
    const std::optional<GradedHand>& LastGrade() const { return grade_; }
    // Every hand graded since the practice began.
    const MistakeLog& Log() const { return log_; }

signals:
    void handDealt();
    void holdsChanged();
    void graded();
    // Chart lines were added to the last grade or the log.
    void chartLinesChanged();

private:
    HandAdvice Analyze(const Hand& dealt) const;
    Hand DealFromDeck();
    void AskForChart();
    void ChartReady(const StrategyChart& chart, const PayTable& pays, int bet);

    std::shared_ptr<AdvisorTables> tables_; // none until the first deal
    Deck deck_;
    PayTable pays_;
    int bet_ = MaxBet;
    DealKind kind_ = DealKind::EveryHand;
    std::optional<HandAdvice> advice_;
    unsigned held_ = 0;
    std::optional<GradedHand> grade_;
    MistakeLog log_;
    std::optional<StrategyChart> chart_; // of the pay table and bet in force, once worked out
};

} // namespace vel
