#pragma once

#include "engine/BreakEven.h"
#include "engine/HoldAnalysis.h"
#include "engine/ReturnTable.h"
#include "engine/StrategyChart.h"

#include <QObject>

#include <memory>
#include <optional>
#include <utility>

namespace vel {

class AdvisorTables;

// The figures of the one pay table and bet the advisor's pages show, worked
// out in the background: the odds of perfect play, the strategy chart and,
// when asked for, the break-even royal and the odds of the chart's play. A figure is given only for the table
// followed now; work for a table followed before is dropped as it ends, and
// at most one piece of work of each kind runs at a time, so that typing
// never piles work up.
class ChosenTableFigures : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Follows `pays` at `bet` (1..5); the break-even royal is worked out only
    // when `breakEven`, the chart's play only when `chartPlay`. The first
    // call builds the advisor's tables.
    void Follow(const PayTable& pays, int bet, bool breakEven, bool chartPlay = false);
    const PayTable& Pays() const { return followed_.pays; }
    int Bet() const { return followed_.bet; }

    // None while being worked out.
    std::optional<ReturnTable> Odds() const { return odds_.For(followed_); }
    std::optional<StrategyChart> Chart() const { return chart_.For(followed_); }
    // None while being worked out or when not asked for; the royal inside is
    // none when no royal pay makes the table break even.
    std::optional<std::optional<BreakEvenRoyal>> BreakEven() const;
    // How often each final hand comes up playing the chart; none while being
    // worked out or when not asked for.
    std::optional<ReturnTable> ChartPlay() const;
    // Every hold of `dealt` at the table followed, best first.
    RankedHolds Analyze(const Hand& dealt) const;

signals:
    // The table followed changed, or a figure of it became known.
    void changed();

private:
    struct Request {
        PayTable pays;
        int bet = MaxBet;
        bool breakEven = false;
        bool chartPlay = false;
    };
    template <typename Figure>
    struct Work {
        bool byBet; // false: the figure is the same at every bet
        bool running = false;
        std::optional<std::pair<Request, Figure>> last{}; // the last figure worked out, and its table

        bool Fits(const Request& asked, const Request& followed) const
        {
            return asked.pays == followed.pays && (!byBet || asked.bet == followed.bet);
        }
        std::optional<Figure> For(const Request& followed) const
        {
            if (!last || !Fits(last->first, followed))
                return std::nullopt;
            return last->second;
        }
    };
    template <typename Figure, typename Start>
    void StartWork(Work<Figure>& work, Start start);
    void StartMissingWork();

    std::shared_ptr<AdvisorTables> tables_; // none until first followed
    Request followed_;
    Work<ReturnTable> odds_{true};
    Work<StrategyChart> chart_{true};
    Work<std::optional<BreakEvenRoyal>> breakEven_{false};
    Work<ReturnTable> chartPlay_{true};
};

} // namespace vel
