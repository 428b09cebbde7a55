#pragma once

#include "engine/ReturnTable.h"

#include <QWidget>

#include <optional>

class QLabel;
class QTableWidget;

// The advisor's page of exact odds: for the schedule and bet in force, how
// often each final hand comes with perfect play, what it pays and adds to
// the return, then the return, its spread and the royal flush cycle.
class TOddsPage : public QWidget {
    Q_OBJECT
public:
    explicit TOddsPage(QWidget* parent = nullptr);

    // None while the figures are being worked out.
    void ShowOdds(const std::optional<vel::ReturnTable>& odds, const QString& schedule, int bet);

private:
    QLabel* headingLabel_;
    QTableWidget* oddsTable_;
    QLabel* summaryLabel_;
};
