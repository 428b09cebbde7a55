#include "game/MistakeLog.h"

#include "engine/ScheduleReturn.h"

#include <algorithm>

namespace vel {

ChartLine ChartLineFor(const StrategyChart& chart, const Hand& dealt)
{
    const ChartMatch match = MatchChart(chart.lines, dealt);
    const bool listed = match.line < chart.lines.size();
    return {static_cast<int>(match.line) + 1, listed ? chart.lines[match.line] : DrawFive};
}

GradedHand GradeHold(HandAdvice advice, unsigned playedMask, const PayTable& pays, int order)
{
    advice.playedMask = playedMask;
    return {std::move(advice), pays, order, std::nullopt};
}

void MistakeLog::Add(GradedHand hand)
{
    ++hands_;
    if (hand.Right())
        return;
    cost_ += hand.Cost();
    withoutLine_ += hand.chartLine ? 0 : 1;
    mistakes_.push_back(std::move(hand));
}

double MistakeLog::ShareRight() const
{
    return hands_ == 0 ? 0.0 : static_cast<double>(RightHands()) / hands_;
}

double MistakeLog::CostPer100Hands() const
{
    return hands_ == 0 ? 0.0 : 100 * cost_ / hands_;
}

std::vector<const GradedHand*> MistakeLog::Costliest() const
{
    std::vector<const GradedHand*> sorted;
    sorted.reserve(mistakes_.size());
    for (const GradedHand& hand : mistakes_)
        sorted.push_back(&hand);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const GradedHand* a, const GradedHand* b) { return a->Cost() > b->Cost(); });
    return sorted;
}

// A chart depends on the pay table and bet only through the pays per credit.
bool MistakeLog::FillChartLines(const PayTable& pays, int bet, const StrategyChart& chart)
{
    if (withoutLine_ == 0)
        return false;
    const PayVector wanted = PayVectorFor(pays, bet);
    const std::size_t before = withoutLine_;
    for (GradedHand& hand : mistakes_) {
        if (!hand.chartLine && PayVectorFor(hand.pays, hand.advice.bet) == wanted) {
            hand.chartLine = ChartLineFor(chart, hand.advice.dealt);
            --withoutLine_;
        }
    }
    return withoutLine_ != before;
}

} // namespace vel
