// The exact bankroll figures against computations of their own: every
// sequence of hands, a walk whose distribution can be written down, and
// closed forms. tst_bankroll_play plays sessions through the round and asks
// the command line.
#include "engine/ChartPlay.h"
#include "engine/StrategyChart.h"

#include "BankrollAnswers.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

using namespace vel;

Q_DECLARE_METATYPE(vel::BankrollError)
Q_DECLARE_METATYPE(vel::BankrollQuestion)
Q_DECLARE_METATYPE(vel::ReturnTable)

namespace {

// A percentile is the smallest credit whose cumulative chance reaches its
// level, to within the engine's stated bound.
constexpr double PercentileSlack = 1e-9;

struct ToyHand {
    int category;
    double chance;
    int pays;
};

ReturnTable Toy(std::initializer_list<ToyHand> hands)
{
    ReturnTable table;
    for (const ToyHand& hand : hands) {
        table.probability[hand.category] = hand.chance;
        table.pays[hand.category] = hand.pays;
    }
    return table;
}

// Credits with their chance, ascending.
using CreditDistribution = std::map<std::int64_t, double>;

CreditPercentiles PercentilesOf(const CreditDistribution& credits)
{
    CreditPercentiles percentiles{};
    std::size_t next = 0;
    double cumulative = 0;
    for (const auto& [credit, chance] : credits) {
        cumulative += chance;
        while (next < percentiles.size() && cumulative >= CreditPercentileLevels[next] - PercentileSlack)
            percentiles[next++] = credit;
    }
    return percentiles;
}

// The chance of ending with more than `start` credits.
double AboveOf(const CreditDistribution& credits, int start)
{
    double above = 0;
    for (auto credit = credits.upper_bound(start); credit != credits.end(); ++credit)
        above += credit->second;
    return above;
}

double MeanOf(const CreditDistribution& credits)
{
    double mean = 0;
    for (const auto& [credit, chance] : credits)
        mean += credit * chance;
    return mean;
}

// Every sequence of final hands, in credits, the session ending when the
// credit no longer covers the bet.
struct Sequences {
    Sequences(const ReturnTable& table, int bet, int hands)
        : oneHand(table)
        , bet(bet)
        , hands(hands)
        , ruinedByHand(static_cast<std::size_t>(hands) + 1)
    {
    }

    const ReturnTable& oneHand;
    int bet;
    int hands;
    std::vector<double> ruinedByHand;
    double royal = 0;
    CreditDistribution credits;

    void Play(int credit, int played, double chance, bool sawRoyal)
    {
        const bool ruined = credit < bet;
        if (ruined || played == hands) {
            for (int n = played; ruined && n <= hands; ++n)
                ruinedByHand[n] += chance;
            royal += sawRoyal ? chance : 0;
            credits[credit] += chance;
            return;
        }
        for (int category = Nothing; category <= RoyalFlush; ++category) {
            const double p = oneHand.probability[category];
            if (p > 0)
                Play(credit - bet + static_cast<int>(oneHand.pays[category]) * bet, played + 1, chance * p,
                     sawRoyal || category == RoyalFlush);
        }
    }
};

// A walk of one bet down (chance 1 - w) or up: from k bets, the chance of
// being at x > 0 after n hands without touching 0 is that of the free walk
// less that of the walk reflected at 0, which starts at -k.
CreditDistribution WalkWrittenDown(double w, int credit, int bet, int n)
{
    const int start = credit / bet, rest = credit % bet;
    const auto binomial = [](int n, int k) {
        return k < 0 || k > n ? 0.0 : std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0));
    };
    CreditDistribution credits;
    double alive = 0;
    for (int x = 1; x <= start + n; ++x) {
        if ((n + x - start) % 2 != 0)
            continue;
        const int ups = (n + x - start) / 2;
        const double chance = (binomial(n, ups) - binomial(n, (n + x + start) / 2)) * std::pow(w, ups)
                              * std::pow(1 - w, n - ups);
        if (chance > 0)
            credits[std::int64_t{bet} * x + rest] = chance;
        alive += chance;
    }
    credits[rest] += 1 - alive;
    return credits;
}

} // namespace

class BankrollTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everySequenceOfHands_data();
    void everySequenceOfHands();
    void walkWrittenDown_data();
    void walkWrittenDown();
    void royalBeforeRuinClosedForm_data();
    void royalBeforeRuinClosedForm();
    void creditForRiskIsTheSmallest_data();
    void creditForRiskIsTheSmallest();
    void badInputsAreRefused_data();
    void badInputsAreRefused();
    void limitsAcceptedAndStopHonoured();
    void chartPlayMatchesTheChartReturn();

private:
    const ReturnTable& EightFiveScheduleAt(int bet);

    std::optional<HoldAnalyzer> analyzer_;
    std::map<int, ReturnTable> eightFive_; // by bet, as asked for
};

void BankrollTest::initTestCase()
{
    analyzer_.emplace();
}

const ReturnTable& BankrollTest::EightFiveScheduleAt(int bet)
{
    const auto [table, fresh] = eightFive_.try_emplace(bet);
    if (fresh)
        table->second = PerfectPlayTable(*analyzer_, PayTable::ForSchedule(EightFiveSchedule), bet);
    return table->second;
}

void BankrollTest::everySequenceOfHands_data()
{
    QTest::addColumn<int>("credit");
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("hands");
    QTest::newRow("one bet, six hands") << 5 << 5 << 6;
    QTest::newRow("three bets and 2 aside") << 17 << 5 << 6;
    QTest::newRow("bet 1, royal pays 250") << 4 << 1 << 6;
    QTest::newRow("bet 4, 1 aside") << 9 << 4 << 5;
}

// 8 / 5 with perfect play, every sequence of up to six final hands.
void BankrollTest::everySequenceOfHands()
{
    QFETCH(int, credit);
    QFETCH(int, bet);
    QFETCH(int, hands);
    Sequences sequences(EightFiveScheduleAt(bet), bet, hands);
    sequences.Play(credit, 0, 1.0, false);
    const BankrollFigures figures = FiguresOf(EightFiveScheduleAt(bet), {credit, hands, bet});
    QCOMPARE(figures.ruinedByHand.size(), sequences.ruinedByHand.size());
    for (std::size_t n = 0; n < sequences.ruinedByHand.size(); ++n)
        QVERIFY2(std::abs(figures.ruinedByHand[n] - sequences.ruinedByHand[n]) < 1e-12, qPrintable(QString::number(n)));
    QVERIFY(figures.riskOfRuin > 0.01);
    QVERIFY(std::abs(figures.riskOfRuin - sequences.ruinedByHand.back()) < 1e-12);
    QVERIFY(std::abs(figures.royalWithinHands - sequences.royal) < 1e-12);
    QVERIFY(std::abs(figures.meanCredit - MeanOf(sequences.credits)) < 1e-9);
    QVERIFY(std::abs(figures.finishAhead - AboveOf(sequences.credits, credit)) < 1e-12);
    QCOMPARE(figures.creditPercentiles, PercentilesOf(sequences.credits));
}

void BankrollTest::walkWrittenDown_data()
{
    QTest::addColumn<double>("up");
    QTest::addColumn<int>("credit");
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("hands");
    QTest::newRow("even, exact ties") << 0.5 << 10 << 1 << 400;
    QTest::newRow("losing, 3 aside") << 0.45 << 153 << 5 << 1000;
    QTest::newRow("winning") << 0.55 << 11 << 2 << 301;
    QTest::newRow("never ruined") << 0.5 << 2000 << 1 << 500;
}

// Lose one bet or win one bet: the risk, the spread along the way and the
// mean against the distribution by reflection.
void BankrollTest::walkWrittenDown()
{
    QFETCH(double, up);
    QFETCH(int, credit);
    QFETCH(int, bet);
    QFETCH(int, hands);
    const ReturnTable walk = Toy({{Nothing, 1 - up, 0}, {TwoPair, up, 2}});
    const BankrollFigures figures = FiguresOf(walk, {credit, hands, bet});
    for (int n = 0; n <= hands; n += 7) {
        const double ruined = n == 0 ? 0.0 : WalkWrittenDown(up, credit, bet, n).at(credit % bet);
        QVERIFY2(std::abs(figures.ruinedByHand[n] - ruined) < 1e-10, qPrintable(QString::number(n)));
    }
    QCOMPARE(figures.spreadByHand.front().hands, 0);
    QCOMPARE(figures.spreadByHand.back().hands, hands);
    QVERIFY(figures.spreadByHand.size() > SpreadIntervals / 2);
    for (const CreditSpread& spread : figures.spreadByHand) {
        if (spread.hands > 0)
            QCOMPARE(spread.credit, PercentilesOf(WalkWrittenDown(up, credit, bet, spread.hands)));
    }
    const CreditDistribution end = WalkWrittenDown(up, credit, bet, hands);
    QCOMPARE(figures.creditPercentiles, PercentilesOf(end));
    QVERIFY(std::abs(figures.meanCredit - MeanOf(end)) < 1e-8 * credit);
    QVERIFY2(std::abs(figures.finishAhead - AboveOf(end, credit)) < 1e-10,
             qPrintable(QString::number(figures.finishAhead, 'g', 15)));
    QCOMPARE(figures.royalWithinHands, 0.0);
    QCOMPARE(figures.royalBeforeRuin, 0.0);
}

void BankrollTest::royalBeforeRuinClosedForm_data()
{
    QTest::addColumn<double>("lose");
    QTest::addColumn<double>("push"); // pays 2, a bet up
    QTest::addColumn<int>("credit");
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("hands");
    QTest::newRow("lose or royal, five bets") << 0.9 << 0.0 << 25 << 5 << 3;
    QTest::newRow("lose or royal, long") << 0.999 << 0.0 << 1000 << 1 << 5000;
    QTest::newRow("lose, win or royal") << 0.5 << 0.49 << 42 << 4 << 200;
    QTest::newRow("mostly lose") << 0.6 << 0.39 << 7 << 1 << 50;
}

// Ruin before a royal from k bets: with only losses and royals, lose^k;
// with a bet up as well, q^k where q = lose + up q^2 (falling one bet is
// falling once straight away, or two after a bet up).
void BankrollTest::royalBeforeRuinClosedForm()
{
    QFETCH(double, lose);
    QFETCH(double, push);
    QFETCH(int, credit);
    QFETCH(int, bet);
    QFETCH(int, hands);
    const double royal = 1 - lose - push;
    const ReturnTable hand = Toy({{Nothing, lose, 0}, {TwoPair, push, 2}, {RoyalFlush, royal, 800}});
    const BankrollFigures figures = FiguresOf(hand, {credit, hands, bet});
    const int start = credit / bet;
    const double q = push == 0 ? lose : (1 - std::sqrt(1 - 4 * lose * push)) / (2 * push);
    QVERIFY2(std::abs(figures.royalBeforeRuin - (1 - std::pow(q, start))) < 1e-12,
             qPrintable(QString::number(figures.royalBeforeRuin, 'g', 15)));
    QVERIFY(figures.royalWithinHands <= figures.royalBeforeRuin + 1e-12);
    if (push == 0) // a royal within the hands or k losses in a row
        QVERIFY(std::abs(figures.royalWithinHands - (1 - std::pow(lose, std::min(start, hands)))) < 1e-12);
}

void BankrollTest::creditForRiskIsTheSmallest_data()
{
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("hands");
    QTest::newRow("8 / 5, bet 5, 2000 hands") << 5 << 2000;
    QTest::newRow("8 / 5, bet 1, 300 hands") << 1 << 300;
    QTest::newRow("8 / 5, bet 3, one hand") << 3 << 1;
}

// The risk at the credit given and at one credit less, one hand at a time.
void BankrollTest::creditForRiskIsTheSmallest()
{
    QFETCH(int, bet);
    QFETCH(int, hands);
    const BankrollFigures figures = FiguresOf(EightFiveScheduleAt(bet), {100, hands, bet});
    for (std::size_t target = 0; target < RuinRiskTargets.size(); ++target) {
        const int credit = figures.creditForRisk[target];
        QCOMPARE(credit % bet, 0);
        QVERIFY(FiguresOf(EightFiveScheduleAt(bet), {credit, hands, bet}).riskOfRuin <= RuinRiskTargets[target]);
        if (credit - 1 >= bet)
            QVERIFY(FiguresOf(EightFiveScheduleAt(bet), {credit - 1, hands, bet}).riskOfRuin > RuinRiskTargets[target]);
    }
    QVERIFY(figures.creditForRisk[0] >= figures.creditForRisk[1]);
    QVERIFY(figures.creditForRisk[1] >= figures.creditForRisk[2]);
}

void BankrollTest::badInputsAreRefused_data()
{
    QTest::addColumn<BankrollQuestion>("question");
    QTest::addColumn<ReturnTable>("hand");
    QTest::addColumn<BankrollError>("error");
    const ReturnTable& game = EightFiveScheduleAt(MaxBet);
    ReturnTable notWhole = game, shortOfOne = game, negative = game;
    notWhole.pays[Flush] = 5.5;
    shortOfOne.probability[Nothing] -= 0.01;
    negative.probability[RoyalFlush] = -negative.probability[RoyalFlush];
    negative.probability[Nothing] += 2 * game.probability[RoyalFlush];
    ReturnTable wild = game;
    wild.pays[JacksOrBetter] = MaxPayPerCredit;
    QTest::newRow("bet 0") << BankrollQuestion{100, 10, 0} << game << BankrollError::BetOutOfRange;
    QTest::newRow("bet 6") << BankrollQuestion{100, 10, 6} << game << BankrollError::BetOutOfRange;
    QTest::newRow("credit below the bet") << BankrollQuestion{4, 10, 5} << game << BankrollError::CreditBelowBet;
    QTest::newRow("no credit") << BankrollQuestion{0, 10, 1} << game << BankrollError::CreditBelowBet;
    QTest::newRow("credit over the limit") << BankrollQuestion{MaxBankrollCredit + 1, 10, 5} << game
                                           << BankrollError::CreditTooLarge;
    QTest::newRow("no hands") << BankrollQuestion{100, 0, 5} << game << BankrollError::NoHands;
    QTest::newRow("hands below 0") << BankrollQuestion{100, -3, 5} << game << BankrollError::NoHands;
    QTest::newRow("hands over the limit") << BankrollQuestion{100, MaxBankrollHands + 1, 5} << game
                                          << BankrollError::TooManyHands;
    QTest::newRow("a pay not whole") << BankrollQuestion{100, 10, 5} << notWhole << BankrollError::NotAHandTable;
    QTest::newRow("chances short of 1") << BankrollQuestion{100, 10, 5} << shortOfOne << BankrollError::NotAHandTable;
    QTest::newRow("a chance below 0") << BankrollQuestion{100, 10, 5} << negative << BankrollError::NotAHandTable;
    QTest::newRow("too wide") << BankrollQuestion{100, MaxBankrollHands, 5} << wild << BankrollError::TooWide;
}

void BankrollTest::badInputsAreRefused()
{
    QFETCH(BankrollQuestion, question);
    QFETCH(ReturnTable, hand);
    QFETCH(BankrollError, error);
    const BankrollAnswer answer = AnswerBankroll(hand, question);
    QVERIFY(std::holds_alternative<BankrollError>(answer));
    QCOMPARE(std::get<BankrollError>(answer), error);
}

void BankrollTest::limitsAcceptedAndStopHonoured()
{
    QVERIFY(std::holds_alternative<BankrollFigures>(AnswerBankroll(EightFiveScheduleAt(5), {5, 1, 5})));
    QVERIFY(std::holds_alternative<BankrollFigures>(AnswerBankroll(EightFiveScheduleAt(1), {MaxBankrollCredit, 2, 1})));
    std::stop_source stop;
    stop.request_stop();
    const BankrollAnswer stopped = AnswerBankroll(EightFiveScheduleAt(5), {1000, 2000, 5}, stop.get_token());
    QVERIFY(std::holds_alternative<BankrollError>(stopped));
    QCOMPARE(std::get<BankrollError>(stopped), BankrollError::Stopped);
}

// The chart's return, found by the chart generator its own way.
void BankrollTest::chartPlayMatchesTheChartReturn()
{
    const PayTable pays = PayTable::ForSchedule(EightFiveSchedule);
    const StrategyChart chart = GenerateChart(*analyzer_, pays, MaxBet);
    const ReturnTable chartPlay = ChartPlayTable(*analyzer_, chart.lines, pays, MaxBet);
    QVERIFY2(std::abs(chartPlay.Return() - chart.chartReturn) < 1e-12, qPrintable(QString::number(chartPlay.Return())));
    double total = 0;
    for (double probability : chartPlay.probability)
        total += probability;
    QVERIFY(std::abs(total - 1) < 1e-12);
    QVERIFY(chartPlay.Return() < EightFiveScheduleAt(MaxBet).Return());
}

QTEST_GUILESS_MAIN(BankrollTest)
#include "tst_bankroll.moc"
