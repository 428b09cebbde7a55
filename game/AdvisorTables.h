#pragma once

#include "engine/BreakEven.h"
#include "engine/HoldAnalysis.h"
#include "engine/StrategyChartDeals.h"
#include "engine/ReturnTable.h"
#include "engine/ScheduleReturn.h"
#include "engine/StrategyChart.h"

#include <QFuture>

#include <memory>
#include <optional>

namespace vel {

// The advisor's subset tables and the six schedules' returns with perfect
// play, built once on worker threads while the game goes on. Until the
// tables exist a hand is analysed by plain enumeration, with the same result.
class AdvisorTables {
public:
    AdvisorTables();
    ~AdvisorTables(); // waits for the work in progress
    AdvisorTables(const AdvisorTables&) = delete;
    AdvisorTables& operator=(const AdvisorTables&) = delete;

    // The one set of tables of this run, started by the first call. It lives
    // until the application object goes, so later tables find it built.
    static std::shared_ptr<AdvisorTables> Shared();

    RankedHolds Analyze(const Hand& dealt, const PayTable& pays, int bet) const;

    bool TablesReady() const { return analyzer_.isFinished(); }
    // Finishes once the twelve returns are known.
    QFuture<ScheduleReturns> Returns() const { return returns_; }
    // The figures of any pay table come from the deals walked once, the
    // first time one is asked for: about a second on a worker thread, then
    // tens of milliseconds a table.
    // The return table of perfect play.
    QFuture<ReturnTable> Odds(const PayTable& pays, int bet) const;
    // The strategy chart of `pays` at `bet`, likewise.
    QFuture<StrategyChart> Chart(const PayTable& pays, int bet) const;
    // How often each final hand comes up when every deal is held as the
    // strategy chart of `pays` at `bet` says, likewise.
    QFuture<ReturnTable> ChartPlay(const PayTable& pays, int bet) const;
    // The royal flush pay at which `pays` breaks even, likewise.
    QFuture<std::optional<BreakEvenRoyal>> BreakEven(const PayTable& pays) const;
    // Blocks until everything is built.
    void WaitUntilReady();

private:
    QFuture<std::shared_ptr<const ChartDeals>> Deals() const;

    QFuture<std::shared_ptr<const HoldAnalyzer>> analyzer_;
    mutable std::optional<QFuture<std::shared_ptr<const ChartDeals>>> deals_; // from the first figures asked for
    QFuture<ScheduleReturns> returns_;
};

// Return per credit with perfect play on `schedule` at `bet`.
double PerfectPlayAt(const ScheduleReturns& returns, int schedule, int bet);

} // namespace vel
