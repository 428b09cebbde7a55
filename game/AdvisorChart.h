#pragma once

#include "game/AdvisorSession.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QTableWidget;

// The advisor's strategy chart for the schedule and bet in force: its lines
// in the order they are tried, what it returns against perfect play, and
// during a hand the line the hand matches, with the best hold beside it when
// the two differ.
class TChartPage : public QWidget {
    Q_OBJECT
public:
    explicit TChartPage(QWidget* parent = nullptr);

    // `chart` none while it is being worked out; `hand` the chart's line for
    // the waiting hand and `advice` that hand's holds.
    void ShowChart(const std::optional<vel::StrategyChart>& chart,
                   const std::optional<vel::AdvisorSession::ChartAdvice>& hand, const vel::HandAdvice* advice);

private:
    void ShowLines(const vel::StrategyChart& chart);
    void ShowHand(const vel::StrategyChart& chart, const std::optional<vel::AdvisorSession::ChartAdvice>& hand,
                  const vel::HandAdvice* advice);

    QLabel* summaryLabel_;
    QTableWidget* linesTable_;
    QLabel* handLabel_;
    std::vector<vel::PatternId> shownLines_;
};
