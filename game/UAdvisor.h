#pragma once

#include "game/AdvisorSession.h"
#include "views/pointerform.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class TChartPage;
class TOddsPage;

// Where the advisor's frame goes beside the table's frame: to its right when
// the screen has room for `wanted`, else to its left, else below it; on a
// smaller screen as narrow (or as low) as `smallest` allows on the roomier
// side; always on the screen.
QRect AdvisorFrame(const QRect& tableFrame, const QSize& wanted, const QSize& smallest, const QRect& screen);

// The strategy advisor's window: every hold of the dealt hand ranked by its
// exact expected return, the game's cost of mistakes, the warning setting,
// and the exact odds of the schedule in force. It shows an `AdvisorSession`,
// and only while it is open; it opens beside the table without taking the
// keyboard from it.
class TAdvisorForm : public TPointerform {
    Q_OBJECT
public:
    TAdvisorForm(QWidget* mainWindow, vel::AdvisorSession& session);

    // Opens beside the table the first time, then where the player left it.
    void ShowBesideTable();

    const vel::AdvisorLedger& Ledger() const { return session_.Ledger(); }
    // The box shows the table's warning setting; the player's toggles go
    // back to the table.
    void ShowWarnCostlyDraw(bool warn);
    // Blocks until the background tables and returns exist.
    void WaitForTables() const { session_.WaitForTables(); }

signals:
    void warnCostlyDrawToggled(bool warn);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateHandPage();
    QGroupBox* CreateLedger(QWidget* page);
    void LayOutControls(QWidget* page, QGroupBox* ledgerGroup);
    void ShowAdvice();
    void ShowHolds(const vel::HandAdvice& advice);
    void ShowLedger();
    void ShowPerfectPlay();
    void ShowOdds();
    void ShowChart();

    vel::AdvisorSession& session_;
    QLabel* handLabel_ = nullptr;       // the dealt hand
    QLabel* adviceLabel_ = nullptr;     // the best hold, or how the last hold fared
    QTableWidget* holdsTable_ = nullptr; // all 32 holds, best first
    QPushButton* holdButton_ = nullptr; // "Hold These"
    QCheckBox* warnBox_ = nullptr;      // "Warn before a costly draw"
    QLabel* perfectPlayLabel_ = nullptr;
    QTableWidget* ledgerTable_ = nullptr; // this game's ledger
    TOddsPage* oddsPage_ = nullptr;
    TChartPage* chartPage_ = nullptr;
    bool placed_ = false;
};
