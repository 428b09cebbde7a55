#include "Report.h"

#include "engine/Evaluator.h"

#include <cstdio>

using namespace vel;

namespace {

constexpr const char* SuitSymbols[] = {"\u2663", "\u2666", "\u2665", "\u2660"}; // clubs, diamonds, hearts, spades

// "K♥", "10♠": the card as its corner reads.
std::string CardText(Card card)
{
    const std::string rank = RankLetter(card) == 'T' ? "10" : std::string(1, RankLetter(card));
    return rank + SuitSymbols[SuitOf(card)];
}

std::string HoldText(const Hand& dealt, unsigned holdMask)
{
    std::string text;
    for (std::size_t place = 0; place < dealt.size(); ++place) {
        if (holdMask >> place & 1)
            text += (text.empty() ? "" : " ") + CardText(dealt[place]);
    }
    return text.empty() ? "Draw five" : text;
}

std::string FinalHandName(int category)
{
    return category == JacksOrBetter ? "Jacks or Better" : HandName(category);
}

} // namespace

void PrintChartLines(const StrategyChart& chart)
{
    for (std::size_t i = 0; i < chart.lines.size(); ++i)
        std::printf("%2zu. %s\n", i + 1, std::string(HoldPatterns()[chart.lines[i]].name).c_str());
}

void PrintChart(const StrategyChart& chart)
{
    PrintChartLines(chart);
    std::printf("Chart return: %.6f%%\n", chart.chartReturn * 100);
    std::printf("Perfect play: %.6f%%\n", chart.perfectReturn * 100);
}

void PrintOdds(const ReturnTable& odds, int bet)
{
    std::printf("%-18s %12s %12s %8s %10s\n", "Final hand", "Probability", "1 in", "Pays", "Return");
    for (int category = RoyalFlush; category >= Nothing; --category) {
        const double probability = odds.probability[category];
        std::printf("%-18s %12.8f %12.0f %8.0f %9.4f%%\n", FinalHandName(category).c_str(), probability,
                    probability > 0 ? 1 / probability : 0.0, odds.pays[category] * bet,
                    100 * odds.Contribution(category));
    }
    std::printf("Standard deviation: %.4f per credit bet\n", odds.StandardDeviation());
}

void PrintBreakEven(const std::optional<BreakEvenRoyal>& breakEven)
{
    if (breakEven)
        std::printf("Break-even royal: %d (return %.6f%%)\n", breakEven->royal, breakEven->perfectReturn * 100);
    else
        std::printf("Break-even royal: none up to %d\n", MaxPayPerCredit);
}

void PrintHolds(const Hand& dealt, const RankedHolds& holds)
{
    for (const HoldResult& hold : holds)
        std::printf("%11.6f  %s\n", hold.expectedCredits, HoldText(dealt, hold.holdMask).c_str());
}

std::string HandFault(const ParsedHand& parsed)
{
    switch (parsed.fault) {
    case ParsedHand::Fault::NotACard:
        return "'" + parsed.word + "' is not a card";
    case ParsedHand::Fault::Twice:
        return CardText(parsed.repeated) + " twice";
    case ParsedHand::Fault::TooFew:
        return "only " + std::to_string(parsed.count) + " cards";
    case ParsedHand::Fault::TooMany:
        return std::to_string(parsed.count) + " cards: a hand has five";
    case ParsedHand::Fault::None:
        break;
    }
    return {};
}
