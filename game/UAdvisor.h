#pragma once

#include "game/AdvisorSession.h"
#include "views/pointerform.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TChartPage;
class TGraphPage;
class TMistakesPage;
class TOddsPage;
class TPracticePage;

namespace vel {
class GameReview;
class PracticeSession;
struct GradedHand;
} // namespace vel

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
    // Blocks until the background tables and returns exist.
    void WaitForTables() const { session_.WaitForTables(); }
    // While its Practice page is shown, the keys typed into the advisor play
    // the practice hand, not the table's.
    bool PlaysPracticeKeys() const;

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
    // The practice, the mistakes and the graph (UAdvisorReview.cpp).
    void CreateReviewPages();
    void PracticeOnTableInForce();
    void ShowGradedHand(const vel::GradedHand& hand);

    vel::AdvisorSession& session_;
    vel::PracticeSession* practice_ = nullptr;
    vel::GameReview* review_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QWidget* handPage_ = nullptr;
    QLabel* handLabel_ = nullptr;       // the dealt hand
    QLabel* adviceLabel_ = nullptr;     // the best hold, or how the last hold fared
    QTableWidget* holdsTable_ = nullptr; // all 32 holds, best first
    QPushButton* holdButton_ = nullptr; // "Hold These"
    QCheckBox* warnBox_ = nullptr;      // "Warn before a costly draw"
    QLabel* perfectPlayLabel_ = nullptr;
    QTableWidget* ledgerTable_ = nullptr; // this game's ledger
    TOddsPage* oddsPage_ = nullptr;
    TChartPage* chartPage_ = nullptr;
    TPracticePage* practicePage_ = nullptr;
    TMistakesPage* mistakesPage_ = nullptr;
    TGraphPage* graphPage_ = nullptr;
    bool placed_ = false;
};
