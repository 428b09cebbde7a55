#pragma once

#include "game/AdvisorSession.h"
#include "shell/SettingsFile.h"
#include "views/pointerform.h"

#include <optional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTabWidget;
class QTableWidget;
class TAnyHandPage;
class TBankrollPage;
class TChartPage;
class TGraphPage;
class THoldsTable;
class TMistakesPage;
class TOddsPage;
class TPayTableChoice;
class TPracticePage;
namespace vel {
class ChosenTableFigures;
class GameReview;
class PracticeSession;
struct GradedHand;
} // namespace vel

// Where the advisor's frame goes beside the table's frame: to its right when
// the screen has room for `wanted`, else to its left, else below it; on a
// smaller screen as narrow (or as low) as `smallest` allows on the roomier
// side; always on the screen.
QRect AdvisorFrame(const QRect& tableFrame, const QSize& wanted, const QSize& smallest, const QRect& screen);
// Where the table's frame goes when the advisor first opens: where it is,
// unless only a narrowed advisor would fit beside or below it while the
// screen is wide enough for both side by side; then the two share the
// screen's middle, the table on the left.
QRect TableFrameForAdvisor(const QRect& tableFrame, const QSize& wanted, const QRect& screen);

// The strategy advisor's window: every hold of the dealt hand ranked by its
// exact expected return, the game's cost of mistakes and the warning setting;
// then, for the pay table in force or any other the player chooses, the
// exact odds, the strategy chart, the holds of any hand and the bankroll a
// session needs. It shows an
// `AdvisorSession`, and only while it is open; it opens beside the table
// without taking the keyboard from it.
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
    // The pay tables the player keeps, as the settings file lists them.
    void SetKeptPayTables(std::vector<vel::KeptPayTable> tables);
    // Whether keys typed into `focus` are its own rather than the table's:
    // those of a text box, of the cards to pick, and all of them while the
    // Practice page is shown.
    bool KeepsKeys(const QWidget* focus) const;

signals:
    void keptPayTablesChanged(const std::vector<vel::KeptPayTable>& tables);
    void warnCostlyDrawToggled(bool warn);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The pages, in the order of their tabs.
    enum Page { HandPage, OddsPage, ChartPage, AnyHandPage, BankrollPage, TrainingPage };

    void CreateControls();
    void AddPage(QWidget* page, const QString& title);
    QWidget* CreateHandPage();
    QGroupBox* CreateLedger(QWidget* page);
    void LayOutControls(QWidget* page, QGroupBox* ledgerGroup);
    void ShowAdvice();
    void ShowLedger();
    void ShowTableCredit();
    void ShowPerfectPlay();
    void AnalyseOnAnyHand();
    void TableInForceChanged();
    // The figures follow the chosen pay table while the window is open.
    void FollowChoice();
    void ShowFigures();
    // The practice, the mistakes and the graph (UAdvisorReview.cpp).
    void CreateReviewPages();
    bool PracticeShown() const;
    // The pay table choice shows above the pages of a chosen table, the
    // practice among them.
    void ShowChoice();
    void PracticeOnChosenTable();
    void ShowGradedHand(const vel::GradedHand& hand);

    vel::AdvisorSession& session_;
    vel::ChosenTableFigures* figures_;     // of the chosen pay table
    vel::PracticeSession* practice_ = nullptr;
    vel::GameReview* review_ = nullptr;
    QTabBar* tabs_ = nullptr;
    TPayTableChoice* choice_ = nullptr; // above the pages of a chosen pay table
    QStackedWidget* pages_ = nullptr;
    std::optional<vel::Hand> shownHand_; // on This Hand: the table's, or a mistake's under review
    QLabel* handLabel_ = nullptr;       // the dealt hand
    QLabel* adviceLabel_ = nullptr;     // the best hold, or how the last hold fared
    THoldsTable* holdsTable_ = nullptr; // all 32 holds, best first
    QPushButton* holdButton_ = nullptr; // "Hold These"
    QPushButton* analyseButton_ = nullptr; // "Analyse on Any Hand"
    QCheckBox* warnBox_ = nullptr;      // "Warn before a costly draw"
    QLabel* perfectPlayLabel_ = nullptr;
    QTableWidget* ledgerTable_ = nullptr; // this game's ledger
    TOddsPage* oddsPage_ = nullptr;
    TChartPage* chartPage_ = nullptr;
    TAnyHandPage* anyHandPage_ = nullptr;
    TBankrollPage* bankrollPage_ = nullptr;
    QTabWidget* trainingTabs_ = nullptr; // the practice, the mistakes and the graph
    TPracticePage* practicePage_ = nullptr;
    TMistakesPage* mistakesPage_ = nullptr;
    TGraphPage* graphPage_ = nullptr;
    bool placed_ = false;
};
