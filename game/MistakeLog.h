#pragma once

#include "engine/StrategyChart.h"
#include "game/AdvisorSession.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace vel {

// A hold whose expected return is within this many credits of the best is
// as good as the best: every hold tied for best is right.
inline constexpr double GradeTolerance = 1e-9;

// The strategy chart's line that a dealt hand matches, counted from 1.
struct ChartLine {
    int number = 0;
    PatternId pattern = DrawFive;
};

// The line of `chart` that `dealt` matches; a chart without a draw-five line
// ends in one.
ChartLine ChartLineFor(const StrategyChart& chart, const Hand& dealt);

// One dealt hand, the hold played and every way to hold it, graded.
struct GradedHand {
    HandAdvice advice; // its playedMask is set
    PayTable pays;
    int order = 0; // the hand's number in the game or the practice
    std::optional<ChartLine> chartLine; // none until the chart is worked out

    const HoldResult& Played() const { return advice.Hold(*advice.playedMask); }
    // Credits given up against the best hold, on average.
    double Cost() const { return advice.Best().expectedCredits - Played().expectedCredits; }
    bool Right() const { return Cost() <= GradeTolerance; }
};

// `advice` held as `playedMask`, graded against its best hold.
GradedHand GradeHold(HandAdvice advice, unsigned playedMask, const PayTable& pays, int order);

// The graded hands of a game or of a practice: how many, and the mistakes.
class MistakeLog {
public:
    // Counts the hand and keeps it when it is a mistake.
    void Add(GradedHand hand);
    void Clear() { *this = {}; }

    int Hands() const { return hands_; }
    int RightHands() const { return hands_ - static_cast<int>(mistakes_.size()); }
    // 0 to 1; 0 before the first hand.
    double ShareRight() const;
    double CostPer100Hands() const;
    // In order of play.
    const std::vector<GradedHand>& Mistakes() const { return mistakes_; }
    // Costliest first; equal costs in order of play.
    std::vector<const GradedHand*> Costliest() const;

    // Gives the mistakes graded on `pays` at `bet` the line `chart` says;
    // true when one had none.
    bool FillChartLines(const PayTable& pays, int bet, const StrategyChart& chart);

private:
    int hands_ = 0;
    double cost_ = 0;
    std::vector<GradedHand> mistakes_;
    std::size_t withoutLine_ = 0; // mistakes still waiting for their chart line
};

} // namespace vel
