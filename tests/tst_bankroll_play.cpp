// The exact bankroll figures against sessions played through the table's
// round, and as the command line prints them.
#include "engine/ChartPlay.h"
#include "engine/StrategyChart.h"
#include "game/HeadlessPlay.h"

#include "BankrollAnswers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>

using namespace vel;

namespace {

// The two-sided normal quantile of a 99.9 % interval.
constexpr double Z = 3.29;

// The best hold of every deal, found once for each deal up to a renaming of
// the suits (134,459 of them) and looked up after that.
class BestHolds {
public:
    BestHolds(const HoldAnalyzer& analyzer, const PayTable& pays, int bet)
        : analyzer_(analyzer)
        , pays_(pays)
        , bet_(bet)
    {
    }

    unsigned operator()(const Hand& dealt)
    {
        std::array<unsigned, 4> ranks{}; // by suit
        for (Card card : dealt)
            ranks[SuitOf(card)] |= 1u << RankOf(card);
        std::array<int, 4> suits{0, 1, 2, 3}; // in the order of their ranks, highest first
        std::stable_sort(suits.begin(), suits.end(), [&](int a, int b) { return ranks[a] > ranks[b]; });
        std::array<int, 4> slot{};
        std::uint64_t key = 0;
        for (int i = 0; i < 4; ++i) {
            slot[suits[i]] = i;
            key = key << 13 | ranks[suits[i]];
        }
        auto [held, fresh] = heldBySlot_.try_emplace(key);
        if (fresh) {
            const unsigned mask = analyzer_.Analyze(dealt, pays_, bet_).front().holdMask;
            for (int place = 0; place < 5; ++place) {
                if (mask >> place & 1)
                    held->second[slot[SuitOf(dealt[place])]] |= 1u << RankOf(dealt[place]);
            }
        }
        unsigned mask = 0;
        for (int place = 0; place < 5; ++place)
            mask |= (held->second[slot[SuitOf(dealt[place])]] >> RankOf(dealt[place]) & 1u) << place;
        return mask;
    }

private:
    const HoldAnalyzer& analyzer_;
    PayTable pays_;
    int bet_;
    std::unordered_map<std::uint64_t, std::array<unsigned, 4>> heldBySlot_; // the ranks held in each slot
};

struct SessionTally {
    int ruined = 0;
    int royals = 0;           // sessions with at least one royal flush
    int ahead = 0;            // sessions that end above their start
    std::vector<int> credits; // at the end, ascending
};

// Sessions of perfect play of 8 / 5. The round's own game starts afresh
// whenever its credit would cut the bet; each session's credit is counted here.
SessionTally PlaySessions(const HoldAnalyzer& analyzer, const BankrollQuestion& question, int sessions)
{
    TableRound round;
    round.GameDeck() = Deck(StandardDeckSize, [time = 20'240'601u]() mutable { return time++; });
    round.ResetGame();
    round.SetSchedule(EightFiveSchedule);
    round.ChooseBet(question.bet);
    BestHolds best(analyzer, round.Pays(), question.bet);
    const HoldChooser choose = [&best](const Hand& dealt) { return best(dealt); };
    SessionTally tally;
    for (int session = 0; session < sessions; ++session) {
        int credit = question.credit;
        bool royal = false;
        for (int hand = 0; hand < question.hands && credit >= question.bet; ++hand) {
            if (round.State().Credit < question.bet)
                round.ResetGame();
            const HandOutcome outcome = PlayHand(round, choose);
            if (outcome.bet != question.bet)
                return {};
            credit += outcome.payout - outcome.bet;
            royal = royal || CategoryOf(outcome.evaluation) == RoyalFlush;
        }
        tally.ruined += credit < question.bet;
        tally.royals += royal;
        tally.ahead += credit > question.credit;
        tally.credits.push_back(credit);
    }
    std::sort(tally.credits.begin(), tally.credits.end());
    return tally;
}

// A fraction seen in `count` tries against its chance.
bool WithinInterval(double seen, double chance, int count)
{
    return std::abs(seen - chance) <= Z * std::sqrt(chance * (1 - chance) / count);
}

// The lines the command prints for `figures`.
QStringList Printed(const BankrollFigures& figures, int hands)
{
    const CreditPercentiles& credit = figures.creditPercentiles;
    QStringList lines{
        QString::asprintf("Risk of ruin: %.4f%%", figures.riskOfRuin * 100),
        QString::asprintf("Royal within %d hands: %.4f%%", hands, figures.royalWithinHands * 100),
        QString::asprintf("Royal before ruin: %.4f%%", figures.royalBeforeRuin * 100),
        QString::asprintf("Credit after %d hands: 5%%: %lld, 25%%: %lld, median: %lld, 75%%: %lld, 95%%: %lld, "
                          "mean: %.2f",
                          hands, static_cast<long long>(credit[0]), static_cast<long long>(credit[1]),
                          static_cast<long long>(credit[2]), static_cast<long long>(credit[3]),
                          static_cast<long long>(credit[4]), figures.meanCredit),
    };
    for (std::size_t target = 0; target < RuinRiskTargets.size(); ++target)
        lines << QString::asprintf("Credit for %.0f%% risk: %d", RuinRiskTargets[target] * 100,
                                   figures.creditForRisk[target]);
    lines << QString::asprintf("Finish ahead: %.4f%%", figures.finishAhead * 100);
    return lines;
}

QString Tool()
{
    const QString tool = QCoreApplication::applicationDirPath() + "/../tools/velstrategy/velstrategy";
    if (!QFileInfo(tool).isExecutable())
        qFatal("build velstrategy first");
    return tool;
}

} // namespace

class BankrollPlayTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { analyzer_.emplace(); }
    void sessionsThroughTheRoundAgree();
    void toolPrintsFigures_data();
    void toolPrintsFigures();
    void toolRefusesBadArguments_data();
    void toolRefusesBadArguments();

private:
    ReturnTable PerfectPlay(int schedule, int bet) const
    {
        return PerfectPlayTable(*analyzer_, PayTable::ForSchedule(schedule), bet);
    }

    std::optional<HoldAnalyzer> analyzer_;
};

// 8 / 5 at bet 5, 1,000 credits, 2,000 hands: sessions dealt, held the best
// way, drawn and paid by the round with a seeded deck, against the figures.
void BankrollPlayTest::sessionsThroughTheRoundAgree()
{
    constexpr int Sessions = 1200;
    constexpr BankrollQuestion Question{1000, 2000, MaxBet};
    const BankrollFigures exact = FiguresOf(PerfectPlay(EightFiveSchedule, MaxBet), Question);
    const SessionTally tally = PlaySessions(*analyzer_, Question, Sessions);
    QCOMPARE(static_cast<int>(tally.credits.size()), Sessions);
    QVERIFY2(WithinInterval(double(tally.ruined) / Sessions, exact.riskOfRuin, Sessions),
             qPrintable(QString::number(tally.ruined)));
    QVERIFY2(WithinInterval(double(tally.royals) / Sessions, exact.royalWithinHands, Sessions),
             qPrintable(QString::number(tally.royals)));
    QVERIFY2(WithinInterval(double(tally.ahead) / Sessions, exact.finishAhead, Sessions),
             qPrintable(QString::number(tally.ahead)));
    double sum = 0, squares = 0;
    for (int credit : tally.credits) {
        sum += credit;
        squares += double(credit) * credit;
    }
    const double mean = sum / Sessions, spread = std::sqrt((squares - Sessions * mean * mean) / (Sessions - 1));
    QVERIFY2(std::abs(mean - exact.meanCredit) <= Z * spread / std::sqrt(Sessions), qPrintable(QString::number(mean)));
    // Each percentile: at least its level at or below it, at most its level a bet below it.
    const auto atOrBelow = [&](std::int64_t credit) {
        return double(std::upper_bound(tally.credits.begin(), tally.credits.end(), credit) - tally.credits.begin())
               / Sessions;
    };
    for (std::size_t i = 0; i < CreditPercentileLevels.size(); ++i) {
        const double level = CreditPercentileLevels[i], margin = Z * std::sqrt(level * (1 - level) / Sessions);
        QVERIFY(atOrBelow(exact.creditPercentiles[i]) >= level - margin);
        QVERIFY(atOrBelow(exact.creditPercentiles[i] - Question.bet) <= level + margin);
    }
}

void BankrollPlayTest::toolPrintsFigures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("schedule");
    QTest::addColumn<int>("bet");
    QTest::addColumn<bool>("chart");
    QTest::newRow("8 / 5, bet 5")
        << QStringList{"--bankroll", "1000", "--hands", "2000", "--schedule", "3", "--bet", "5"} << EightFiveSchedule << 5
        << false;
    QTest::newRow("the default schedule and bet, chart play")
        << QStringList{"--chart", "--hands", "500", "--bankroll", "300"} << DefaultPaySchedule << MaxBet << true;
    QTest::newRow("the pays of 9 / 6, bet 1, 2 aside")
        << QStringList{"--pays", "800,250,50,25,9,6,4,3,2,1", "--bet", "1", "--bankroll", "57", "--hands", "300"} << 0
        << 1 << false;
}

// The command's lines against the engine's figures, which tst_bankroll
// checks against computations of their own.
void BankrollPlayTest::toolPrintsFigures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, schedule);
    QFETCH(int, bet);
    QFETCH(bool, chart);
    const PayTable pays = PayTable::ForSchedule(schedule);
    const ReturnTable oneHand = chart
                                    ? ChartPlayTable(*analyzer_, GenerateChart(*analyzer_, pays, bet).lines, pays, bet)
                                    : PerfectPlay(schedule, bet);
    const int credit = arguments.at(arguments.indexOf("--bankroll") + 1).toInt();
    const int hands = arguments.at(arguments.indexOf("--hands") + 1).toInt();
    QProcess tool;
    tool.start(Tool(), arguments);
    QVERIFY(tool.waitForFinished(60'000));
    QCOMPARE(tool.readAllStandardError(), QByteArray());
    QCOMPARE(tool.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()).split('\n'),
             Printed(FiguresOf(oneHand, {credit, hands, bet}), hands) << QString());
}

void BankrollPlayTest::toolRefusesBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("fault"); // as the message names it
    const QStringList session{"--bankroll", "1000", "--hands", "10"};
    QTest::newRow("credit below the bet") << QStringList{"--bankroll", "4", "--hands", "10"}
                                          << "the credit of 4 is below the bet of 5";
    QTest::newRow("credit below bet 3") << QStringList{"--bankroll", "2", "--hands", "10", "--bet", "3"}
                                        << "the credit of 2 is below the bet of 3";
    QTest::newRow("credit over the limit") << QStringList{"--bankroll", "1000001", "--hands", "10"} << "--bankroll";
    QTest::newRow("credit not a number") << QStringList{"--bankroll", "lots", "--hands", "10"} << "'lots'";
    QTest::newRow("no hands") << QStringList{"--bankroll", "1000", "--hands", "0"} << "--hands";
    QTest::newRow("hands over the limit") << QStringList{"--bankroll", "1000", "--hands", "100001"} << "--hands";
    QTest::newRow("hands missing") << QStringList{"--bankroll", "1000"} << "--bankroll needs --hands";
    QTest::newRow("hands without a bankroll") << QStringList{"--hands", "10", "--chart"} << "go with --bankroll";
    QTest::newRow("bet 6") << (session + QStringList{"--bet", "6"}) << "--bet";
    QTest::newRow("bet without a value") << (session + QStringList{"--bet"}) << "--bet needs a value";
    QTest::newRow("schedule 6") << (session + QStringList{"--schedule", "6"}) << "--schedule";
    QTest::newRow("nine pays") << (session + QStringList{"--pays", "800,250,50,25,9,6,4,3,2"}) << "--pays";
    QTest::newRow("schedule and pays")
        << (session + QStringList{"--schedule", "3", "--pays", "800,250,50,25,9,6,4,3,2,1"}) << "both name a pay table";
    QTest::newRow("a hand as well") << (session + QStringList{"--hand", "Kh Kd 9c 8d 3d"}) << "--hand";
    QTest::newRow("unknown option") << (session + QStringList{"--loud", "yes"}) << "unknown option --loud";
    QTest::newRow("too wide for the walk")
        << QStringList{"--bankroll", "100", "--hands", "100000", "--pays", "800,250,50,25,9,6,4,3,2,100000"}
        << "too far";
}

// A message naming the fault, exit status 2 and nothing on standard output.
void BankrollPlayTest::toolRefusesBadArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, fault);
    QProcess tool;
    tool.start(Tool(), arguments);
    QVERIFY(tool.waitForFinished(60'000));
    QCOMPARE(tool.exitCode(), 2);
    QCOMPARE(tool.readAllStandardOutput(), QByteArray());
    const QString message = QString::fromUtf8(tool.readAllStandardError());
    QVERIFY2(message.contains(fault), qPrintable(message));
}

QTEST_GUILESS_MAIN(BankrollPlayTest)
#include "tst_bankroll_play.moc"
