#pragma once

#include "game/AdvisorSession.h"
#include "views/pointerform.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The strategy advisor's window: every hold of the dealt hand ranked by its
// exact expected return, the game's cost of mistakes, the warning setting
// and the return of perfect play. It shows an `AdvisorSession`.
class TAdvisorForm : public TPointerform {
    Q_OBJECT
public:
    TAdvisorForm(QWidget* mainWindow, vel::AdvisorSession& session);

    const vel::AdvisorLedger& Ledger() const { return session_.Ledger(); }
    // Blocks until the background tables and returns exist.
    void WaitForTables() const { session_.WaitForTables(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    QGroupBox* CreateLedger();
    void LayOutControls(QGroupBox* ledgerGroup);
    void ShowAdvice();
    void ShowHolds(const vel::HandAdvice& advice);
    void ShowLedger();
    void ShowPerfectPlay();

    vel::AdvisorSession& session_;
    QLabel* handLabel_ = nullptr;       // the dealt hand
    QLabel* adviceLabel_ = nullptr;     // the best hold, or how the last hold fared
    QTableWidget* holdsTable_ = nullptr; // all 32 holds, best first
    QPushButton* holdButton_ = nullptr; // "Hold These"
    QCheckBox* warnBox_ = nullptr;      // "Warn before a costly draw"
    QLabel* perfectPlayLabel_ = nullptr;
    QTableWidget* ledgerTable_ = nullptr; // this game's ledger
};
