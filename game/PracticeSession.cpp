#include "game/PracticeSession.h"

#include "game/AdvisorTables.h"

namespace vel {

namespace {

// Close calls come about one deal in ten on the six schedules.
constexpr int MostCloseCallDeals = 1000;

} // namespace

std::optional<double> BestHoldMargin(const RankedHolds& holds, int bet)
{
    const double best = holds.front().expectedCredits;
    for (const HoldResult& hold : holds) { // best first
        if (hold.expectedCredits < best - GradeTolerance)
            return (best - hold.expectedCredits) / bet;
    }
    return std::nullopt;
}

bool IsCloseCall(const RankedHolds& holds, int bet)
{
    const std::optional<double> margin = BestHoldMargin(holds, bet);
    return margin && *margin < CloseCallMargin;
}

PracticeSession::PracticeSession(QObject* parent)
    : QObject(parent)
{
    deck_.ResetDeck();
}

void PracticeSession::UseDeck(Deck deck)
{
    deck_ = std::move(deck);
    deck_.ResetDeck();
}

void PracticeSession::SetPayTable(const PayTable& pays, int bet)
{
    if (pays == pays_ && bet == bet_)
        return;
    pays_ = pays;
    bet_ = bet;
    chart_.reset();
    if (tables_)
        AskForChart();
    if (HandWaiting()) {
        advice_ = Analyze(advice_->dealt);
        emit handDealt();
    }
}

void PracticeSession::Deal()
{
    if (!tables_) {
        tables_ = AdvisorTables::Shared();
        AskForChart();
    }
    // A pay table of no close calls at all (every hold paying alike) gives
    // up after enough deals that any other finds one for certain.
    int deals = 0;
    do
        advice_ = Analyze(DealFromDeck());
    while (kind_ == DealKind::CloseCalls && !IsCloseCall(advice_->holds, bet_) && ++deals < MostCloseCallDeals);
    held_ = 0;
    grade_.reset();
    emit handDealt();
}

bool PracticeSession::ToggleHold(int place)
{
    if (!HandWaiting() || place < 1 || place > 5)
        return false;
    held_ ^= 1u << (place - 1);
    emit holdsChanged();
    return true;
}

void PracticeSession::Grade()
{
    if (!HandWaiting())
        return;
    grade_ = GradeHold(*advice_, held_, pays_, log_.Hands() + 1);
    if (chart_)
        grade_->chartLine = ChartLineFor(*chart_, advice_->dealt);
    log_.Add(*grade_);
    emit graded();
}

HandAdvice PracticeSession::Analyze(const Hand& dealt) const
{
    return {dealt, bet_, tables_->Analyze(dealt, pays_, bet_), std::nullopt};
}

// As the table deals: shuffle the deck as it stands, then five cards on
// from where the last hand stopped.
Hand PracticeSession::DealFromDeck()
{
    deck_.ShuffleDeck();
    Hand dealt{};
    for (Card& card : dealt)
        card = deck_.NextCard();
    return dealt;
}

void PracticeSession::AskForChart()
{
    tables_->Chart(pays_, bet_).then(this, [this, pays = pays_, bet = bet_](const StrategyChart& chart) {
        ChartReady(chart, pays, bet);
    });
}

void PracticeSession::ChartReady(const StrategyChart& chart, const PayTable& pays, int bet)
{
    bool filled = log_.FillChartLines(pays, bet, chart);
    if (pays != pays_ || bet != bet_)
        return; // a chart of a table since left behind
    chart_ = chart;
    if (grade_ && !grade_->chartLine) {
        grade_->chartLine = ChartLineFor(chart, grade_->advice.dealt);
        filled = true;
    }
    if (filled)
        emit chartLinesChanged();
}

} // namespace vel
