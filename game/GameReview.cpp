#include "game/GameReview.h"

#include "game/AdvisorTables.h"
#include "game/TableRound.h"

#include <algorithm>

namespace vel {

GameReview::GameReview(AdvisorSession& session, QObject* parent)
    : QObject(parent)
    , session_(session)
{
    // Connected after the session's own: its advice of the hand is complete.
    connect(&session_.Round(), &TableRound::handSettled, this, &GameReview::HandSettled);
    connect(&session_.Round(), &TableRound::gameReset, this, &GameReview::GameReset);
}

void GameReview::HandSettled(int payout)
{
    const std::optional<HandAdvice>& advice = session_.Advice();
    if (!session_.Following() || !advice || !advice->playedMask)
        return;
    const PayTable& pays = session_.Round().Pays();
    GradedHand graded = GradeHold(*advice, *advice->playedMask, pays, session_.Round().State().HandsPlayed);
    const bool lineKnown = chart_ && chart_->first == PayVectorFor(pays, advice->bet);
    if (lineKnown)
        graded.chartLine = ChartLineFor(chart_->second, advice->dealt);
    log_.Add(std::move(graded));
    AddToGraph(*advice, payout);
    emit handReviewed();
    if (!lineKnown && !log_.Mistakes().empty() && !log_.Mistakes().back().chartLine)
        AskForChart(pays, advice->bet);
}

void GameReview::AddToGraph(const HandAdvice& advice, int payout)
{
    const RoundState& state = session_.Round().State();
    const int creditBefore = state.Credit - payout + advice.bet;
    if (graph_.empty())
        graph_.push_back({state.HandsPlayed - 1, creditBefore, static_cast<double>(creditBefore)});
    // What hands played unfollowed won or lost moves both lines alike.
    const GraphPoint& last = graph_.back();
    const double expectedBefore = last.expected + (creditBefore - last.credit);
    graph_.push_back({state.HandsPlayed, state.Credit, expectedBefore + advice.Best().expectedCredits - advice.bet});
}

// One chart is asked for at a time; a mistake logged meanwhile on another
// table asks again when it comes.
void GameReview::AskForChart(const PayTable& pays, int bet)
{
    if (chartAsked_)
        return;
    chartAsked_ = true;
    AdvisorTables::Shared()->Chart(pays, bet).then(this, [this, pays, bet](const StrategyChart& chart) {
        chartAsked_ = false;
        chart_.emplace(PayVectorFor(pays, bet), chart);
        if (log_.FillChartLines(pays, bet, chart))
            emit chartLinesChanged();
        const std::vector<GradedHand>& mistakes = log_.Mistakes();
        const auto waiting = std::find_if(mistakes.begin(), mistakes.end(),
                                          [](const GradedHand& hand) { return !hand.chartLine; });
        if (waiting != mistakes.end())
            AskForChart(waiting->pays, waiting->advice.bet);
    });
}

void GameReview::GameReset()
{
    log_.Clear();
    graph_.clear();
    emit cleared();
}

} // namespace vel
