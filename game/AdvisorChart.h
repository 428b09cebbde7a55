#pragma once

#include "engine/StrategyChart.h"
#include "game/AdvisorSession.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QTableWidget;

// The line of `chart` a hand matches first, and as rich text its number,
// the cards it holds and, when the best hold differs, the best hold and
// what it is worth more. `advice` holds the hand's holds at the chart's table.
struct MatchedLine {
    int row;
    QString text;
};
MatchedLine MatchLine(const vel::StrategyChart& chart, const vel::HandAdvice& advice);

// The advisor's strategy chart for the chosen pay table and bet: its lines
// in the order they are tried, what it returns against perfect play, and
// during a hand the line the hand matches, with the best hold beside it when
// the two differ.
class TChartPage : public QWidget {
    Q_OBJECT
public:
    explicit TChartPage(QWidget* parent = nullptr);

    // `chart` none while it is being worked out; `advice` the holds of the
    // hand waiting for the draw at the chart's table, if one is.
    void ShowChart(const std::optional<vel::StrategyChart>& chart, const vel::HandAdvice* advice);

private:
    void ShowLines(const vel::StrategyChart& chart);
    void ShowHand(const vel::StrategyChart& chart, const vel::HandAdvice* advice);

    QLabel* summaryLabel_;
    QTableWidget* linesTable_;
    QLabel* handLabel_;
    std::vector<vel::PatternId> shownLines_;
};
