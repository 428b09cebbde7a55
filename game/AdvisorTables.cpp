#include "game/AdvisorTables.h"

#include "engine/ChartPlay.h"
#include "engine/Evaluator.h"

#include <QCoreApplication>
#include <QtConcurrent/QtConcurrentRun>

namespace vel {

namespace {

std::shared_ptr<AdvisorTables>& SharedSlot()
{
    static std::shared_ptr<AdvisorTables> slot;
    return slot;
}

StrategyChart ChartOf(const ChartDeals& deals, const PayTable& pays, int bet)
{
    return GenerateChart(deals, deals.Price(PayVectorFor(pays, bet)));
}

} // namespace

AdvisorTables::AdvisorTables()
    : analyzer_(QtConcurrent::run([] { return std::make_shared<const HoldAnalyzer>(); }))
    , returns_(analyzer_.then(QtFuture::Launch::Async, [](const std::shared_ptr<const HoldAnalyzer>& analyzer) {
        return ComputeScheduleReturns(*analyzer);
    }))
{
}

AdvisorTables::~AdvisorTables()
{
    WaitUntilReady();
}

std::shared_ptr<AdvisorTables> AdvisorTables::Shared()
{
    std::shared_ptr<AdvisorTables>& slot = SharedSlot();
    if (!slot) {
        slot = std::make_shared<AdvisorTables>();
        // Dropped while the application object still runs its thread pool.
        qAddPostRoutine([] { SharedSlot().reset(); });
    }
    return slot;
}

RankedHolds AdvisorTables::Analyze(const Hand& dealt, const PayTable& pays, int bet) const
{
    if (TablesReady())
        return analyzer_.result()->Analyze(dealt, pays, bet);
    return AnalyzeDirect(dealt, pays, bet);
}

// A future takes one continuation only, and the returns have the tables':
// work that needs the tables or the deals waits for them itself. They were
// started first, so they never wait behind it in the pool.
QFuture<std::shared_ptr<const ChartDeals>> AdvisorTables::Deals() const
{
    if (!deals_) {
        deals_ = QtConcurrent::run([analyzer = analyzer_]() mutable {
            return std::make_shared<const ChartDeals>(*analyzer.result());
        });
    }
    return *deals_;
}

QFuture<ReturnTable> AdvisorTables::Odds(const PayTable& pays, int bet) const
{
    return QtConcurrent::run([deals = Deals(), pays, bet]() mutable {
        return PerfectPlayTable(deals.result()->Price(PayVectorFor(pays, bet)).bestUnits, pays, bet);
    });
}

QFuture<StrategyChart> AdvisorTables::Chart(const PayTable& pays, int bet) const
{
    return QtConcurrent::run([deals = Deals(), pays, bet]() mutable { return ChartOf(*deals.result(), pays, bet); });
}

QFuture<ReturnTable> AdvisorTables::ChartPlay(const PayTable& pays, int bet) const
{
    return QtConcurrent::run([deals = Deals(), analyzer = analyzer_, pays, bet]() mutable {
        return ChartPlayTable(*analyzer.result(), ChartOf(*deals.result(), pays, bet).lines, pays, bet);
    });
}

QFuture<std::optional<BreakEvenRoyal>> AdvisorTables::BreakEven(const PayTable& pays) const
{
    return QtConcurrent::run([deals = Deals(), pays]() mutable { return FindBreakEvenRoyal(*deals.result(), pays); });
}

void AdvisorTables::WaitUntilReady()
{
    analyzer_.waitForFinished();
    returns_.waitForFinished();
    if (deals_)
        deals_->waitForFinished();
}

double PerfectPlayAt(const ScheduleReturns& returns, int schedule, int bet)
{
    const auto index = static_cast<std::size_t>(schedule);
    return bet == MaxBet ? returns.maxBet.at(index) : returns.lowBet.at(index);
}

} // namespace vel
