#pragma once

#include "game/GameReview.h"

#include <QWidget>

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QValueAxis;

// The advisor's graph of the game: the credit after each hand beside the
// credit to expect with every hand held the best way, so that luck and
// mistakes show apart. Points are added as hands are drawn, never redrawn
// from the start, so a game of thousands of hands stays quick.
class TGraphPage : public QWidget {
    Q_OBJECT
public:
    explicit TGraphPage(const vel::GameReview& review, QWidget* parent = nullptr);

private:
    void CreateAxes();
    void AddPoint(const vel::GraphPoint& point);
    void AddLastPoint();
    void Clear();
    // The last hand's two values, as text for everyone and for a screen reader.
    void ShowSummary();

    const vel::GameReview& review_;
    QChart* chart_;
    QChartView* view_;
    QLineSeries* credit_;
    QLineSeries* expected_;
    QValueAxis* handsAxis_;
    QValueAxis* creditsAxis_;
    QLabel* summaryLabel_;
    double lowest_ = 0;  // of both series, for the credits axis
    double highest_ = 0;
};
