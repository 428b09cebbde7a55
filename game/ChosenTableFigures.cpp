#include "game/ChosenTableFigures.h"

#include "game/AdvisorTables.h"

namespace vel {

void ChosenTableFigures::Follow(const PayTable& pays, int bet, bool breakEven, bool chartPlay)
{
    if (tables_ && pays == followed_.pays && bet == followed_.bet && breakEven == followed_.breakEven
        && chartPlay == followed_.chartPlay)
        return;
    if (!tables_)
        tables_ = AdvisorTables::Shared();
    followed_ = {pays, bet, breakEven, chartPlay};
    StartMissingWork();
    emit changed();
}

std::optional<std::optional<BreakEvenRoyal>> ChosenTableFigures::BreakEven() const
{
    if (!followed_.breakEven)
        return std::nullopt;
    return breakEven_.For(followed_);
}

std::optional<ReturnTable> ChosenTableFigures::ChartPlay() const
{
    if (!followed_.chartPlay)
        return std::nullopt;
    return chartPlay_.For(followed_);
}

RankedHolds ChosenTableFigures::Analyze(const Hand& dealt) const
{
    if (!tables_)
        return AnalyzeDirect(dealt, followed_.pays, followed_.bet);
    return tables_->Analyze(dealt, followed_.pays, followed_.bet);
}

void ChosenTableFigures::StartMissingWork()
{
    StartWork(odds_, [](const AdvisorTables& tables, const Request& asked) { return tables.Odds(asked.pays, asked.bet); });
    StartWork(chart_, [](const AdvisorTables& tables, const Request& asked) { return tables.Chart(asked.pays, asked.bet); });
    if (followed_.breakEven)
        StartWork(breakEven_, [](const AdvisorTables& tables, const Request& asked) { return tables.BreakEven(asked.pays); });
    if (followed_.chartPlay)
        StartWork(chartPlay_,
                  [](const AdvisorTables& tables, const Request& asked) { return tables.ChartPlay(asked.pays, asked.bet); });
}

// Work that ends for a table no longer followed starts the work for the
// table followed by then, skipping every table followed in between.
template <typename Figure, typename Start>
void ChosenTableFigures::StartWork(Work<Figure>& work, Start start)
{
    if (work.running || work.For(followed_))
        return;
    work.running = true;
    const Request asked = followed_;
    start(*tables_, asked).then(this, [this, &work, asked](const Figure& figure) {
        work.running = false;
        work.last.emplace(asked, figure);
        if (work.Fits(asked, followed_))
            emit changed();
        else
            StartMissingWork();
    });
}

} // namespace vel
