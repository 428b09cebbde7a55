#include "game/GameReview.h"

#include "game/TableRound.h"

namespace vel {

GameReview::GameReview(AdvisorSession& session, QObject* parent)
    : QObject(parent)
    , session_(session)
{
    // Connected after the session's own: its advice of the hand is complete.
    connect(&session_.Round(), &TableRound::handSettled, this, &GameReview::HandSettled);
    connect(&session_.Round(), &TableRound::gameReset, this, &GameReview::GameReset);
    connect(&session_, &AdvisorSession::chartChanged, this, &GameReview::FillChartLines);
}

void GameReview::HandSettled(int payout)
{
    const std::optional<HandAdvice>& advice = session_.Advice();
    if (!session_.Following() || !advice || !advice->playedMask)
        return;
    GradedHand graded = GradeHold(*advice, *advice->playedMask, session_.Round().Pays(),
                                  session_.Round().State().HandsPlayed);
    if (const std::optional<StrategyChart> chart = session_.Chart())
        graded.chartLine = ChartLineFor(*chart, advice->dealt);
    log_.Add(std::move(graded));
    AddToGraph(*advice, payout);
    emit handReviewed();
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

// Only while followed: asking the session for a chart may start its work.
void GameReview::FillChartLines()
{
    if (!session_.Following())
        return;
    const std::optional<StrategyChart> chart = session_.Chart();
    if (chart && log_.FillChartLines(session_.Round().Pays(), session_.Round().State().CurrentBet, *chart))
        emit chartLinesChanged();
}

void GameReview::GameReset()
{
    log_.Clear();
    graph_.clear();
    emit cleared();
}

} // namespace vel
