// The engine's answers on the command line:
//   velstrategy --schedule 0..5 --bet 1..5     the chart of a schedule
//   velstrategy --all                          the six schedules at bets 5 and 1, timed
//   velstrategy --pays a,b,...,j [--bet B]     any pay table: return, chart, odds, break-even royal
//   velstrategy --hand "Kh Kd 9c 8d 3d" [--schedule S | --pays ...] [--bet B]
//                                              the 32 holds of a hand, best first
//   velstrategy --bankroll C --hands N [--schedule S | --pays ...] [--bet B] [--chart]
//                                              the exact bankroll figures of a session

#include "Arguments.h"
#include "BankrollCommand.h"
#include "Report.h"

#include "engine/BreakEven.h"
#include "engine/HandParser.h"
#include "engine/HoldAnalysis.h"
#include "engine/PayTableFigures.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace vel;

namespace {

constexpr int LowBet = 1;

constexpr const char* Usage =
    "usage: velstrategy --schedule 0..5 --bet 1..5\n"
    "       velstrategy --all\n"
    "       velstrategy --pays ROYAL5,ROYAL,SF,4K,FH,FL,ST,3K,2P,JB [--bet 1..5]\n"
    "       velstrategy --hand \"Kh Kd 9c 8d 3d\" [--schedule 0..5 | --pays ...] [--bet 1..5]\n"
    "       velstrategy --bankroll C --hands N [--schedule 0..5 | --pays ...] [--bet 1..5] [--chart]\n";

int Refuse(const std::string& fault)
{
    std::fprintf(stderr, "%svelstrategy: %s\n", Usage, fault.c_str());
    return 2;
}

int PrintAllCharts()
{
    const auto start = std::chrono::steady_clock::now();
    std::vector<PayVector> payVectors;
    for (int bet : {MaxBet, LowBet}) {
        for (int schedule = 0; schedule < static_cast<int>(PaySchedules.size()); ++schedule)
            payVectors.push_back(PayVectorFor(PayTable::ForSchedule(schedule), bet));
    }
    const std::vector<StrategyChart> charts = GenerateCharts(ChartDeals(HoldAnalyzer()), payVectors);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    for (std::size_t i = 0; i < charts.size(); ++i) {
        const std::string schedule(PaySchedules[i % PaySchedules.size()].listText);
        std::printf("%s%s, bet %d\n", i ? "\n" : "", schedule.c_str(), i < PaySchedules.size() ? MaxBet : LowBet);
        PrintChart(charts[i]);
    }
    std::printf("\n%zu charts generated and evaluated in %.2f s on %u threads\n", charts.size(), seconds.count(),
                DefaultThreadCount());
    return 0;
}

int PrintPayTable(const PayTable& pays, int bet)
{
    const ChartDeals deals{HoldAnalyzer()};
    const PayTableFigures figures = FiguresFor(deals, pays, bet);
    std::printf("Perfect play: %.6f%%\n", figures.chart.perfectReturn * 100);
    std::printf("Chart return: %.6f%%\n", figures.chart.chartReturn * 100);
    PrintChartLines(figures.chart);
    PrintOdds(figures.odds, bet);
    PrintBreakEven(FindBreakEvenRoyal(deals, pays));
    return 0;
}

int PrintHand(const Arguments& arguments)
{
    const ParsedHand parsed = ParseHand(arguments.hand);
    if (parsed.fault != ParsedHand::Fault::None)
        return Refuse(HandFault(parsed));
    PrintHolds(parsed.cards, AnalyzeDirect(parsed.cards, arguments.Table(), arguments.Bet()));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const Arguments arguments = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!arguments.fault.empty())
        return Refuse(arguments.fault);
    switch (arguments.task) {
    case Arguments::Task::AllCharts:
        return PrintAllCharts();
    case Arguments::Task::PayTable:
        return PrintPayTable(arguments.Table(), arguments.Bet());
    case Arguments::Task::Hand:
        return PrintHand(arguments);
    case Arguments::Task::Bankroll:
        if (const std::string fault = PrintBankroll(arguments); !fault.empty())
            return Refuse(fault);
        return 0;
    case Arguments::Task::Chart:
        break;
    }
    PrintChart(GenerateChart(HoldAnalyzer(), arguments.Table(), arguments.Bet()));
    return 0;
}
