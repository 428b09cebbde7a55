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
// mistakes show apart. Points are added as hands are drawn; a long game
// keeps every second, fourth... point, so thousands of hands stay quick.
class TGraphPage : public QWidget {
    Q_OBJECT
public:
    explicit TGraphPage(const vel::GameReview& review, QWidget* parent = nullptr);

private:
    void CreateAxes();
    void AddPoint(std::size_t index);
    void Thin(std::size_t last);
    void AddNewPoints();
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
    std::size_t added_ = 0; // points of the review's graph taken in
    std::size_t stride_ = 1; // the lines keep every stride_-th point...
    bool lastStandsIn_ = false; // ...and the newest one, at their end
    double lowest_ = 0; // of all points of both lines, for the credits axis
    double highest_ = 0;
};
