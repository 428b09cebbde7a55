#pragma once

#include "engine/Bankroll.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <stop_token>

class QLabel;
class QRadioButton;
class QSpinBox;
class TBankrollGraph;
namespace vel {
class ChosenTableFigures;
} // namespace vel

// The advisor's bankroll page: for a credit, a number of hands and the
// chosen pay table and bet, played perfectly or by the chart, the risk of
// ruin, the royal flush's chances, the credit at the end and the credit a
// risk of ruin needs, exactly, with a graph of the session. The credit is
// the table's until the player types another. The figures are worked out in
// the background while the page shows, and only those of the inputs on the
// page are ever shown: a change of input stops the work for the old ones.
class TBankrollPage : public QWidget {
    Q_OBJECT
public:
    TBankrollPage(const vel::ChosenTableFigures& figures, QWidget* parent = nullptr);
    ~TBankrollPage() override;

    void SetTableCredit(int credit);
    // Whether the page wants the odds of the chart's play worked out.
    bool WantsChartPlay() const;
    // Works out the figures of the inputs shown, unless it has them or is
    // working them out.
    void Refresh();

signals:
    // Perfect play or the chart's play was chosen.
    void playChosen();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The inputs the figures belong to.
    struct Inputs {
        vel::PayTable pays;
        bool chartPlay = false;
        vel::BankrollQuestion question; // its bet the table's

        bool operator==(const Inputs&) const = default;
    };
    enum Figure { Risk, RoyalWithin, RoyalBefore, Ahead, Percentiles, Mean, CreditForRisk, FigureCount };

    QWidget* CreateInputs();
    QWidget* CreateFigures();
    Inputs InputsShown() const;
    void StartWork(const Inputs& inputs, const vel::ReturnTable& oneHand);
    void ShowFigures(const vel::BankrollFigures& figures);
    void ShowStatus(const QString& status);

    const vel::ChosenTableFigures& figures_;
    QSpinBox* creditBox_ = nullptr;
    QSpinBox* handsBox_ = nullptr;
    QRadioButton* perfectButton_ = nullptr;
    QRadioButton* chartButton_ = nullptr;
    QLabel* statusLabel_ = nullptr; // working, or what is wrong with the inputs
    QWidget* figuresPanel_ = nullptr;
    std::array<QLabel*, FigureCount> names_{};
    std::array<QLabel*, FigureCount> values_{};
    TBankrollGraph* graph_ = nullptr;
    bool ownCredit_ = false; // typed by the player, no longer the table's
    std::optional<Inputs> asked_; // answered or being answered
    std::uint64_t work_ = 0;      // the latest piece of work; an answer of any other is dropped
    std::stop_source stop_;
};
