#pragma once

#include "engine/Bankroll.h"

#include <QChartView>

class QLineSeries;
class QValueAxis;

// The picture of a session: the chance of having run out by each hand, and
// the credit's percentiles along the way on an axis of their own. Its
// accessible description says the same in words.
class TBankrollGraph : public QChartView {
    Q_OBJECT
public:
    explicit TBankrollGraph(QWidget* parent = nullptr);

    void ShowFigures(const vel::BankrollFigures& figures);
    void Clear();
    // What the lines are, for a label beside the graph.
    static QString Caption();

    // A long session is drawn from about this many of its hands.
    static constexpr int MostRuinPoints = 1000;

private:
    QLineSeries* AddSeries(const QString& name, QValueAxis* valueAxis, const QPen& pen);
    void Describe(const vel::BankrollFigures& figures);

    QValueAxis* handsAxis_;
    QValueAxis* ruinAxis_;
    QValueAxis* creditAxis_;
    QLineSeries* ruinSeries_;
    std::array<QLineSeries*, vel::CreditPercentileLevels.size()> creditSeries_{};
};
