#pragma once

#include "game/MistakeLog.h"

#include <QObject>

#include <optional>
#include <utility>
#include <vector>

namespace vel {

// The game after a hand: the credit, and the credit to expect had every
// hand been held the best way.
struct GraphPoint {
    int hand = 0; // hands played in the game
    int credit = 0;
    double expected = 0;
};

// The game looked back on while the advisor follows it: every hand drawn
// graded, its mistakes kept, and the game hand by hand for its graph. It
// lasts until a new game.
class GameReview : public QObject {
    Q_OBJECT
public:
    explicit GameReview(AdvisorSession& session, QObject* parent = nullptr);

    const MistakeLog& Log() const { return log_; }
    // From the credit before the first hand followed; hands played while
    // the advisor was closed count at what they paid.
    const std::vector<GraphPoint>& Graph() const { return graph_; }

signals:
    // A hand was graded and added to the graph.
    void handReviewed();
    // Chart lines were added to the log's mistakes.
    void chartLinesChanged();
    // A new game began: the log and the graph are empty.
    void cleared();

private:
    void HandSettled(int payout);
    void AddToGraph(const HandAdvice& advice, int payout);
    // Gives the mistakes their chart lines once the chart is worked out.
    void AskForChart(const PayTable& pays, int bet);
    void GameReset();

    AdvisorSession& session_;
    MistakeLog log_;
    std::vector<GraphPoint> graph_;
    std::optional<std::pair<PayVector, StrategyChart>> chart_; // the last worked out, by its pays per credit
    bool chartAsked_ = false;
};

} // namespace vel
