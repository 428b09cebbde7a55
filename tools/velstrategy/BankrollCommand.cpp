#include "BankrollCommand.h"

#include "engine/Bankroll.h"
#include "engine/ChartPlay.h"
#include "engine/StrategyChart.h"

#include <cstdio>

using namespace vel;

namespace {

ReturnTable OneHand(const Arguments& arguments)
{
    const HoldAnalyzer analyzer;
    const PayTable pays = arguments.Table();
    const int bet = arguments.Bet();
    if (!arguments.chart)
        return PerfectPlayTable(analyzer, pays, bet);
    return ChartPlayTable(analyzer, GenerateChart(analyzer, pays, bet).lines, pays, bet);
}

void Print(const BankrollFigures& figures, int hands)
{
    std::printf("Risk of ruin: %.4f%%\n", figures.riskOfRuin * 100);
    std::printf("Royal within %d hands: %.4f%%\n", hands, figures.royalWithinHands * 100);
    std::printf("Royal before ruin: %.4f%%\n", figures.royalBeforeRuin * 100);
    const CreditPercentiles& credit = figures.creditPercentiles;
    std::printf("Credit after %d hands: 5%%: %lld, 25%%: %lld, median: %lld, 75%%: %lld, 95%%: %lld, mean: %.2f\n",
                hands, static_cast<long long>(credit[0]), static_cast<long long>(credit[1]),
                static_cast<long long>(credit[2]), static_cast<long long>(credit[3]),
                static_cast<long long>(credit[4]), figures.meanCredit);
    for (std::size_t target = 0; target < RuinRiskTargets.size(); ++target)
        std::printf("Credit for %.0f%% risk: %d\n", RuinRiskTargets[target] * 100, figures.creditForRisk[target]);
    std::printf("Finish ahead: %.4f%%\n", figures.finishAhead * 100);
}

} // namespace

std::string PrintBankroll(const Arguments& arguments)
{
    const BankrollQuestion question{*arguments.credit, *arguments.hands, arguments.Bet()};
    const BankrollAnswer answer = AnswerBankroll(OneHand(arguments), question);
    if (const auto* error = std::get_if<BankrollError>(&answer)) {
        if (*error == BankrollError::TooWide)
            return "these pays spread the credit too far to follow over " + std::to_string(question.hands) + " hands";
        return "the engine found no figures for this session";
    }
    Print(std::get<BankrollFigures>(answer), question.hands);
    return {};
}
