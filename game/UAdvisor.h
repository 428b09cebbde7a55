#pragma once

#include "engine/ScheduleReturn.h"
#include "views/pointerform.h"

#include <QFutureWatcher>

#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class TForm1;
namespace vel {
class AdvisorTables;
}

namespace vel {

// "K♥": rank letter and suit symbol. The full name, for screen readers, is
// CardName() of the card places.
QString CardSymbol(Card card);
// The cards a hold keeps, "K♥ Q♥", or "Draw five new cards".
QString HoldText(const Hand& dealt, unsigned holdMask);

// The session's holds measured against the best holds, and its luck.
struct AdvisorLedger {
    int hands = 0;
    double playedExpected = 0; // expected return of the holds drawn to
    double bestExpected = 0;   // expected return of the best holds
    int won = 0;

    double MistakeCost() const { return bestExpected - playedExpected; }
    double Luck() const { return won - playedExpected; }
};

} // namespace vel

// The strategy advisor: every hold of the dealt hand ranked by its exact
// expected return, the session's cost of mistakes, and a warning before a
// costly draw. It follows the table through the table's signals.
class TAdvisorForm : public TPointerform {
    Q_OBJECT
public:
    explicit TAdvisorForm(TForm1* table);

    // Asks before a draw that gives up at least `CostlyLoss` credits, when
    // the player wants the warning; false when the player declines to draw.
    bool ConfirmDraw();
    // Sets the best hold of the waiting hand on the table.
    void HoldBest();

    const vel::AdvisorLedger& Ledger() const { return ledger_; }
    // Blocks until the background tables and returns exist.
    void WaitForTables() const;

    static constexpr double CostlyLoss = 0.01;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // One dealt hand and every way to hold it, best first.
    struct HandAdvice {
        vel::Hand dealt{};
        int bet = 0;
        vel::RankedHolds holds{};
        std::optional<unsigned> playedMask; // set once drawn

        const vel::HoldResult& Hold(unsigned mask) const;
    };

    void CreateControls();
    void HandDealt();
    void DrawStarted();
    void HandSettled(int payout);
    void GameReset();
    HandAdvice& AdviceForTable();
    unsigned HeldMask() const;

    void ShowAdvice();
    void ShowHolds();
    void ShowLedger();
    void ShowPerfectPlay();
    void ShowWarnSetting();

    TForm1* table_;
    std::shared_ptr<vel::AdvisorTables> tables_;
    QFutureWatcher<vel::ScheduleReturns> returnsWatcher_;
    std::optional<HandAdvice> advice_;
    vel::AdvisorLedger ledger_;

    QLabel* handLabel_ = nullptr;
    QLabel* adviceLabel_ = nullptr;
    QTableWidget* holdsTable_ = nullptr;
    QPushButton* holdButton_ = nullptr;
    QCheckBox* warnBox_ = nullptr;
    QLabel* perfectPlayLabel_ = nullptr;
    QTableWidget* ledgerTable_ = nullptr;
};
