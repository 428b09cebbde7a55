// Prints the advisor engine's speed and memory figures, the six schedules'
// returns with perfect play and the time the bankroll figures take.

#include "engine/Bankroll.h"
#include "engine/BreakEven.h"
#include "engine/FastEvaluator.h"
#include "engine/HoldAnalysis.h"
#include "engine/ScheduleReturn.h"
#include "engine/PayTableFigures.h"
#include "engine/StrategyChart.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <numeric>
#include <optional>
#include <random>

using namespace vel;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Every five-card hand, the key built card by card as a game loop would.
std::array<std::uint64_t, CategoryCount> ClassifyAllHands()
{
    std::array<HandKey, StandardDeckSize> keys;
    for (int i = 0; i < StandardDeckSize; ++i)
        keys[i] = CardKey(i + 1);
    std::array<std::uint64_t, CategoryCount> histogram{};
    for (int a = 0; a < 48; ++a)
        for (int b = a + 1; b < 49; ++b)
            for (int c = b + 1; c < 50; ++c)
                for (int d = c + 1; d < 51; ++d) {
                    const HandKey key = keys[a] + keys[b] + keys[c] + keys[d];
                    for (int e = d + 1; e < 52; ++e)
                        ++histogram[CategoryOfKey(key + keys[e])];
                }
    return histogram;
}

void BenchmarkClassifier()
{
    constexpr int Rounds = 20;
    double best = 1e9;
    std::array<std::uint64_t, CategoryCount> histogram{};
    for (int round = 0; round < Rounds; ++round) {
        const auto start = Clock::now();
        histogram = ClassifyAllHands();
        best = std::min(best, SecondsSince(start));
    }
    const auto hands = std::accumulate(histogram.begin(), histogram.end(), std::uint64_t{0});
    std::printf("classifier: %llu hands in %.2f ms (best of %d), %.0f million hands/s on one core\n",
                static_cast<unsigned long long>(hands), best * 1e3, Rounds, hands / best / 1e6);
    std::printf("  royal flushes %llu, straight flushes %llu, nothing %llu\n",
                static_cast<unsigned long long>(histogram[RoyalFlush]),
                static_cast<unsigned long long>(histogram[StraightFlush]),
                static_cast<unsigned long long>(histogram[Nothing]));
}

std::vector<Hand> RandomHands(int count)
{
    std::mt19937 generator(20240601);
    std::array<Card, StandardDeckSize> deck;
    std::iota(deck.begin(), deck.end(), 1);
    std::vector<Hand> hands(count);
    for (Hand& hand : hands) {
        for (std::size_t i = 0; i < hand.size(); ++i) {
            std::uniform_int_distribution<std::size_t> pick(i, deck.size() - 1);
            std::swap(deck[i], deck[pick(generator)]);
            hand[i] = deck[i];
        }
    }
    return hands;
}

// Times `analyze` over `hands` at 9 / 6 and the highest bet and prints the
// mean time per hand, with the mean best return so the work cannot be skipped.
template <typename Analyze>
void TimeAnalysis(const char* what, const std::vector<Hand>& hands, Analyze analyze)
{
    PayTable pays;
    pays.ApplySchedule(0);
    double bestReturns = 0;
    const auto start = Clock::now();
    for (const Hand& hand : hands)
        bestReturns += analyze(hand, pays).front().expectedPerCredit;
    const double seconds = SecondsSince(start) / hands.size();
    std::printf("32-hold analysis %s: %.2f us per hand over %zu random hands (mean best return %.4f)\n", what,
                seconds * 1e6, hands.size(), bestReturns / hands.size());
}

void PrintReturns(const ScheduleReturns& returns)
{
    std::printf("returns with perfect play (per credit):\n");
    for (std::size_t i = 0; i < PaySchedules.size(); ++i) {
        std::printf("  %-18s stated %-7s bet 5: %.8f %%   bets 1-4: %.8f %%\n",
                    std::string(PaySchedules[i].listText).c_str(), std::string(PaySchedules[i].statedReturn).c_str(),
                    returns.maxBet[i] * 100, returns.lowBet[i] * 100);
    }
}

// The twelve strategy charts from nothing: the tables, one walk over the
// distinct deals for all twelve pay vectors, then the charts and their
// exact returns, each printed against perfect play.
void BenchmarkCharts(unsigned threads)
{
    auto start = Clock::now();
    const HoldAnalyzer analyzer(threads);
    const double tables = SecondsSince(start);
    std::vector<PayVector> payVectors;
    for (int bet : {MaxBet, 1}) {
        for (std::size_t schedule = 0; schedule < PaySchedules.size(); ++schedule) {
            PayTable pays;
            pays.ApplySchedule(static_cast<int>(schedule));
            payVectors.push_back(PayVectorFor(pays, bet));
        }
    }
    const auto walkStart = Clock::now();
    const ChartDeals deals(analyzer, threads);
    const double walk = SecondsSince(walkStart);
    const auto searchStart = Clock::now();
    const std::vector<StrategyChart> charts = GenerateCharts(deals, payVectors, threads);
    const double search = SecondsSince(searchStart);
    std::printf("strategy charts, six schedules x two royal rates: %.3f s from nothing on %u threads "
                "(tables %.3f s, deal walk %.3f s, ordering and exact returns %.3f s)\n",
                SecondsSince(start), threads, tables, walk, search);
    for (std::size_t i = 0; i < charts.size(); ++i) {
        const StrategyChart& chart = charts[i];
        std::printf("  %-18s bet %d: chart %.6f %%  perfect %.6f %%  loses %.6f %%  %2zu lines\n",
                    std::string(PaySchedules[i % PaySchedules.size()].listText).c_str(),
                    i < PaySchedules.size() ? MaxBet : 1, chart.chartReturn * 100, chart.perfectReturn * 100,
                    (chart.perfectReturn - chart.chartReturn) * 100, chart.lines.size());
    }
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Pay tables a player might type: the six schedules at both royal rates'
// bets, and machines that differ from them in one pay or more.
std::vector<std::pair<PayTable, int>> TypedTables()
{
    std::vector<std::pair<PayTable, int>> tables;
    for (int bet : {MaxBet, 1}) {
        for (int schedule = 0; schedule < static_cast<int>(PaySchedules.size()); ++schedule)
            tables.push_back({PayTable::ForSchedule(schedule), bet});
    }
    for (const PayList& pays : {PayList{1000, 250, 50, 25, 8, 5, 4, 3, 2, 1}, PayList{800, 250, 50, 40, 9, 6, 4, 3, 2, 1},
                                PayList{4000, 250, 100, 50, 9, 6, 4, 3, 2, 1}, PayList{800, 250, 50, 25, 7, 5, 4, 3, 1, 1},
                                PayList{800, 250, 50, 25, 9, 6, 5, 3, 2, 1}, PayList{250, 250, 50, 25, 9, 6, 4, 3, 2, 1}})
        tables.push_back({*PayTable::FromPays(pays), MaxBet});
    return tables;
}

// What the advisor and velstrategy pay for a changed pay table once the
// deals are walked: return, odds and chart, then the break-even royal.
void BenchmarkPayTables(const HoldAnalyzer& analyzer, unsigned threads)
{
    auto start = Clock::now();
    const ChartDeals deals(analyzer, threads);
    std::printf("deals walked once for any pay table: %.0f ms on %u threads, %zu holds kept\n",
                SecondsSince(start) * 1e3, threads, deals.HoldCount());
    std::vector<double> figures, breakEven;
    for (const auto& [pays, bet] : TypedTables()) {
        start = Clock::now();
        const PayTableFigures result = FiguresFor(deals, pays, bet);
        figures.push_back(SecondsSince(start) * 1e3);
        if (result.odds.Return() <= 0)
            std::printf("no return?\n");
        start = Clock::now();
        FindBreakEvenRoyal(deals, pays);
        breakEven.push_back(SecondsSince(start) * 1e3);
    }
    std::printf("Pay table changed: %.0f ms\n", Median(figures));
    std::printf("  return, odds and chart, median of %zu tables on %u threads; slowest %.0f ms\n", figures.size(),
                threads, *std::max_element(figures.begin(), figures.end()));
    std::printf("Break-even royal: %.0f ms (median), slowest %.0f ms\n", Median(breakEven),
                *std::max_element(breakEven.begin(), breakEven.end()));
}

// Sessions of 8 / 5 up to the limits. Up to 10,000 credits and hands an
// answer should take at most a second.
void BenchmarkBankroll(const HoldAnalyzer& analyzer, unsigned threads)
{
    struct Session {
        int credit, hands, bet;
    };
    constexpr Session Sessions[] = {{1000, 2000, 5},     {10'000, 10'000, 5}, {10'000, 10'000, 1},
                                    {1000, 10'000, 5},   {100, 10'000, 1},    {1000, MaxBankrollHands, 5},
                                    {MaxBankrollCredit, MaxBankrollHands, 5}, {MaxBankrollCredit, MaxBankrollHands, 1}};
    constexpr int EightFive = 3;
    std::map<int, ReturnTable> tables; // by bet
    std::printf("bankroll figures, 8 / 5 with perfect play, on %u threads:\n", threads);
    for (const Session& session : Sessions) {
        if (!tables.contains(session.bet)) {
            const auto start = Clock::now();
            tables[session.bet] = PerfectPlayTable(analyzer, PayTable::ForSchedule(EightFive), session.bet, threads);
            std::printf("  the one-hand table at bet %d: %.3f s\n", session.bet, SecondsSince(start));
        }
        const auto start = Clock::now();
        const std::clock_t processorStart = std::clock();
        const BankrollAnswer answer =
            AnswerBankroll(tables[session.bet], {session.credit, session.hands, session.bet}, {}, threads);
        const double seconds = SecondsSince(start);
        const double processorSeconds = double(std::clock() - processorStart) / CLOCKS_PER_SEC;
        const auto* figures = std::get_if<BankrollFigures>(&answer);
        std::printf("  bet %d, %7d credits, %6d hands: %6.3f s (%6.3f s of processor time)  risk of ruin %.4f %%, "
                    "royal within %.4f %%\n",
                    session.bet, session.credit, session.hands, seconds, processorSeconds,
                    figures ? figures->riskOfRuin * 100 : -1, figures ? figures->royalWithinHands * 100 : -1);
    }
}

} // namespace

int main()
{
    const unsigned threads = DefaultThreadCount();
    std::printf("hardware threads: %u\n", threads);
    BenchmarkClassifier();

    auto start = Clock::now();
    std::optional<HoldAnalyzer> analyzer;
    analyzer.emplace(1);
    std::printf("table build: %.1f ms on 1 thread\n", SecondsSince(start) * 1e3);
    start = Clock::now();
    analyzer.emplace(threads);
    std::printf("table build: %.1f ms on %u threads\n", SecondsSince(start) * 1e3, threads);

    TimeAnalysis("with tables", RandomHands(200'000), [&](const Hand& hand, const PayTable& pays) {
        return analyzer->Analyze(hand, pays, MaxBet);
    });
    TimeAnalysis("without tables", RandomHands(100), [](const Hand& hand, const PayTable& pays) {
        return AnalyzeDirect(hand, pays, MaxBet);
    });

    for (unsigned count : {1u, threads}) {
        start = Clock::now();
        const ScheduleReturns returns = ComputeScheduleReturns(*analyzer, count);
        std::printf("six schedules x two royal rates: %.3f s on %u thread(s), tables already built\n",
                    SecondsSince(start), count);
        if (count == threads)
            PrintReturns(returns);
    }
    analyzer.reset();
    start = Clock::now();
    const HoldAnalyzer fresh(threads);
    const ScheduleReturns returns = ComputeScheduleReturns(fresh, threads);
    std::printf("full analysis from nothing (tables + six schedules x two rates): %.3f s on %u threads\n",
                SecondsSince(start), threads);

    BenchmarkCharts(threads);
    BenchmarkPayTables(fresh, threads);
    BenchmarkBankroll(fresh, threads);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory (ru_maxrss): %.1f MB\n", usage.ru_maxrss / 1024.0);
    return returns.maxBet[0] > 0 ? 0 : 1;
}
