// Prints the strategy chart of a schedule and bet with its exact return:
//   velstrategy --schedule 0..5 --bet 1..5
//   velstrategy --all          (the six schedules at bets 5 and 1, timed)
//   velstrategy --bankroll C --hands N ...   (see BankrollCommand.h)

#include "BankrollCommand.h"
#include "engine/StrategyChart.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace vel;

namespace {

struct Request {
    int schedule;
    int bet;
};

constexpr int LowBet = 1;

void PrintChart(const StrategyChart& chart)
{
    for (std::size_t i = 0; i < chart.lines.size(); ++i)
        std::printf("%2zu. %s\n", i + 1, std::string(HoldPatterns()[chart.lines[i]].name).c_str());
    std::printf("Chart return: %.6f%%\n", chart.chartReturn * 100);
    std::printf("Perfect play: %.6f%%\n", chart.perfectReturn * 100);
}

std::optional<int> NumberIn(std::string_view text, int low, int high)
{
    if (text.size() != 1 || text[0] < '0' + low || text[0] > '0' + high)
        return std::nullopt;
    return text[0] - '0';
}

// The charts asked for by the arguments; empty when they make no sense.
std::vector<Request> Parse(int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--all") {
        std::vector<Request> all;
        for (int bet : {MaxBet, LowBet}) {
            for (int schedule = 0; schedule < static_cast<int>(PaySchedules.size()); ++schedule)
                all.push_back({schedule, bet});
        }
        return all;
    }
    std::optional<int> schedule, bet;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--schedule")
            schedule = NumberIn(argv[i + 1], 0, static_cast<int>(PaySchedules.size()) - 1);
        else if (option == "--bet")
            bet = NumberIn(argv[i + 1], 1, MaxBet);
        else
            return {};
    }
    if (argc != 5 || !schedule || !bet)
        return {};
    return {{*schedule, *bet}};
}

} // namespace

int main(int argc, char** argv)
{
    const std::span<char* const> arguments(argv + 1, static_cast<std::size_t>(argc - 1));
    if (velstrategy::AsksForBankroll(arguments))
        return velstrategy::RunBankrollCommand(arguments);
    const std::vector<Request> requests = Parse(argc, argv);
    if (requests.empty()) {
        std::fprintf(stderr, "usage: velstrategy --schedule 0..5 --bet 1..5\n       velstrategy --all\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const HoldAnalyzer analyzer;
    std::vector<PayVector> payVectors;
    for (const Request& request : requests) {
        PayTable pays;
        pays.ApplySchedule(request.schedule);
        payVectors.push_back(PayVectorFor(pays, request.bet));
    }
    const std::vector<StrategyChart> charts = GenerateCharts(ChartDeals(analyzer, payVectors));
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;

    for (std::size_t i = 0; i < charts.size(); ++i) {
        if (requests.size() > 1) {
            const std::string schedule(PaySchedules[requests[i].schedule].listText);
            std::printf("%s%s, bet %d\n", i ? "\n" : "", schedule.c_str(), requests[i].bet);
        }
        PrintChart(charts[i]);
    }
    if (requests.size() > 1)
        std::printf("\n%zu charts generated and evaluated in %.2f s on %u threads\n", charts.size(),
                    seconds.count(), DefaultThreadCount());
    return 0;
}
