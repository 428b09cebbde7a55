// Any pay table and any typed hand: the fast figures against independent
// walks of every deal, the break-even royal against its definition, and
// velstrategy's answers against enumerations done here.
#include "engine/BreakEven.h"
#include "engine/FastEvaluator.h"
#include "engine/PayTableFigures.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <bit>
#include <numeric>
#include <optional>

using namespace vel;

Q_DECLARE_METATYPE(vel::PayList)

namespace {

// The six schedules as a machine's glass lists them.
constexpr PayList ScheduleGlass(int fullHouse, int flush)
{
    return {800, 250, 50, 25, fullHouse, flush, 4, 3, 2, 1};
}

struct CustomTable {
    const char* name;
    PayList pays;
    int bet;
};

// Tables a player meets, and some that test the rules: pays out of the
// usual order, zeros that leave holds tied, a royal worth nothing.
const CustomTable CustomTables[] = {
    {"8/5 with a 1,000 royal", {1000, 250, 50, 25, 8, 5, 4, 3, 2, 1}, MaxBet},
    {"9/6 with quads at 40", {800, 250, 50, 40, 9, 6, 4, 3, 2, 1}, MaxBet},
    {"9/6 at bet 3", {800, 250, 50, 25, 9, 6, 4, 3, 2, 1}, 3},
    {"two pair above the flush", {800, 250, 50, 25, 9, 2, 4, 3, 7, 1}, MaxBet},
    {"only royals pay", {4000, 0, 0, 0, 0, 0, 0, 0, 0, 0}, MaxBet},
    {"nothing pays", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 2},
    {"largest pays", {100000, 100000, 100000, 100000, 100000, 100000, 100000, 100000, 100000, 100000}, MaxBet},
};

// The credits a hold of `dealt` wins over every draw, counted by dealing
// each draw from the 47 unseen cards and evaluating the final hand.
std::int64_t CreditsOverEveryDraw(const Hand& dealt, unsigned holdMask, const PayTable& pays, int bet,
                                  std::int64_t& draws)
{
    std::vector<Card> unseen;
    for (Card card = 1; card <= StandardDeckSize; ++card) {
        if (std::find(dealt.begin(), dealt.end(), card) == dealt.end())
            unseen.push_back(card);
    }
    HandKey kept = 0;
    for (std::size_t place = 0; place < dealt.size(); ++place) {
        if (holdMask >> place & 1)
            kept += CardKey(dealt[place]);
    }
    const int drawn = 5 - std::popcount(holdMask);
    std::int64_t credits = 0;
    draws = 0;
    // every set of `drawn` unseen cards, in ascending index order
    std::vector<int> pick(drawn);
    std::iota(pick.begin(), pick.end(), 0);
    for (;;) {
        HandKey key = kept;
        for (int index : pick)
            key += CardKey(unseen[index]);
        credits += pays.PayoutFor(CategoryOfKey(key), bet);
        ++draws;
        int i = drawn - 1;
        while (i >= 0 && pick[i] == static_cast<int>(unseen.size()) - drawn + i)
            --i;
        if (i < 0)
            return credits;
        ++pick[i];
        for (int j = i + 1; j < drawn; ++j)
            pick[j] = pick[j - 1] + 1;
    }
}

QStringList RunTool(const QStringList& arguments, int& exitCode, QByteArray& errors)
{
    const QString tool = QCoreApplication::applicationDirPath() + "/../tools/velstrategy/velstrategy";
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(120'000);
    exitCode = process.exitCode();
    errors = process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

class PayTablesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void schedulesAsCustomTables();
    void customTableAgainstEveryDeal_data();
    void customTableAgainstEveryDeal();
    void payListsOutOfRange();
    void breakEvenRoyal_data();
    void breakEvenRoyal();
    void toolPricesPayTable();
    void toolRanksTypedHand_data();
    void toolRanksTypedHand();
    void toolRefusesBadArguments_data();
    void toolRefusesBadArguments();

private:
    std::optional<HoldAnalyzer> analyzer_;
    std::optional<ChartDeals> deals_;
};

void PayTablesTest::initTestCase()
{
    analyzer_.emplace(2);
    deals_.emplace(*analyzer_, 2);
}

// The six schedules typed in by hand are the schedules, and return what
// the walk of every deal with the 32-hold analysis finds for them.
void PayTablesTest::schedulesAsCustomTables()
{
    const ScheduleReturns returns = ComputeScheduleReturns(*analyzer_, 2);
    for (int schedule = 0; schedule < static_cast<int>(PaySchedules.size()); ++schedule) {
        const PayList glass = ScheduleGlass(PaySchedules[schedule].fullHouse, PaySchedules[schedule].flush);
        const std::optional<PayTable> typed = PayTable::FromPays(glass);
        QVERIFY(typed);
        QVERIFY(*typed == PayTable::ForSchedule(schedule));
        QCOMPARE(typed->Pays(), glass);
        for (int bet : {1, MaxBet}) {
            const PayTableFigures figures = FiguresFor(*deals_, *typed, bet);
            const double expected = bet == MaxBet ? returns.maxBet[schedule] : returns.lowBet[schedule];
            QVERIFY2(std::abs(figures.chart.perfectReturn - expected) < 1e-12, PaySchedules[schedule].listText.data());
            QVERIFY(std::abs(figures.odds.Return() - expected) < 1e-12);
        }
    }
}

void PayTablesTest::customTableAgainstEveryDeal_data()
{
    QTest::addColumn<PayList>("pays");
    QTest::addColumn<int>("bet");
    for (const CustomTable& table : CustomTables)
        QTest::newRow(table.name) << table.pays << table.bet;
}

// Every distinct deal held the best way by the 32-hold analysis, ties to
// the lowest hold mask: the same final hands to the unit, the same return.
void PayTablesTest::customTableAgainstEveryDeal()
{
    QFETCH(PayList, pays);
    QFETCH(int, bet);
    const PayTable table = *PayTable::FromPays(pays);
    const PayTableFigures figures = FiguresFor(*deals_, table, bet);
    const ReturnTable walked = PerfectPlayTable(*analyzer_, table, bet, 2);
    QCOMPARE(figures.odds.probability, walked.probability);
    QCOMPARE(figures.odds.pays, walked.pays);
    long double sum = 0;
    for (const DistinctDeal& deal : DistinctDeals())
        sum += deal.weight * analyzer_->Analyze(deal.cards, table, bet).front().expectedPerCredit;
    const auto expected = static_cast<double>(sum / FiveCardHands);
    const double tolerance = 1e-12 * std::max(1.0, expected);
    QVERIFY2(std::abs(figures.chart.perfectReturn - expected) < tolerance, qPrintable(QString::number(expected, 'g', 15)));
    QVERIFY(std::abs(figures.odds.Return() - expected) < tolerance);
    QVERIFY(figures.chart.chartReturn <= figures.chart.perfectReturn + tolerance);
    QCOMPARE(figures.chart.lines.back(), DrawFive);
}

void PayTablesTest::payListsOutOfRange()
{
    QVERIFY(PayTable::FromPays({MaxPayPerCredit + 1, 250, 50, 25, 9, 6, 4, 3, 2, 1}) == std::nullopt);
    QVERIFY(PayTable::FromPays({800, 250, 50, 25, 9, 6, 4, 3, 2, -1}) == std::nullopt);
    QVERIFY(PayTable::FromPays({MaxPayPerCredit, 0, 0, 0, 0, 0, 0, 0, 0, 0}).has_value());
}

void PayTablesTest::breakEvenRoyal_data()
{
    QTest::addColumn<PayList>("pays");
    QTest::newRow("9/6") << ScheduleGlass(9, 6);
    QTest::newRow("8/5") << ScheduleGlass(8, 5);
    QTest::newRow("6/5") << ScheduleGlass(6, 5);
    QTest::newRow("already above 100% at royal 0") << PayList{800, 250, 50, 25, 9, 6, 4, 3, 3, 1};
}

// At the royal found perfect play returns at least 100 %, one less falls
// short: both checked by the walk of every deal with the 32-hold analysis.
void PayTablesTest::breakEvenRoyal()
{
    QFETCH(PayList, pays);
    const std::optional<BreakEvenRoyal> found = FindBreakEvenRoyal(*deals_, *PayTable::FromPays(pays));
    QVERIFY(found);
    const auto returnAt = [&](int royal) {
        PayList withRoyal = pays;
        withRoyal[0] = royal;
        return PerfectPlayReturn(*analyzer_, *PayTable::FromPays(withRoyal), MaxBet, 2);
    };
    const double at = returnAt(found->royal);
    QVERIFY2(at >= 1, qPrintable(QString::number(found->royal)));
    QVERIFY(std::abs(found->perfectReturn - at) < 1e-12);
    if (found->royal > 0)
        QVERIFY2(returnAt(found->royal - 1) < 1, qPrintable(QString::number(found->royal)));
}

// The tool's figures for a typed table are the engine's.
void PayTablesTest::toolPricesPayTable()
{
    int exitCode = -1;
    QByteArray errors;
    const QStringList out = RunTool({"--pays", "1000,250,50,25,8,5,4,3,2,1", "--bet", "5"}, exitCode, errors);
    QCOMPARE(exitCode, 0);
    QVERIFY(errors.isEmpty());
    const PayTable table = *PayTable::FromPays({1000, 250, 50, 25, 8, 5, 4, 3, 2, 1});
    const PayTableFigures figures = FiguresFor(*deals_, table, MaxBet);
    const auto percent = [](double value) { return QString::number(value * 100, 'f', 6) + '%'; };
    QCOMPARE(out.value(0), "Perfect play: " + percent(figures.chart.perfectReturn));
    QCOMPARE(out.value(1), "Chart return: " + percent(figures.chart.chartReturn));
    for (std::size_t line = 0; line < figures.chart.lines.size(); ++line) {
        const QString name = QString::fromUtf8(HoldPatterns()[figures.chart.lines[line]].name);
        QCOMPARE(out.value(static_cast<int>(line) + 2), QString("%1. %2").arg(line + 1, 2).arg(name));
    }
    QVERIFY(out.filter("Royal Flush").value(0).contains(" 5000 "));
    const std::optional<BreakEvenRoyal> breakEven = FindBreakEvenRoyal(*deals_, table);
    QCOMPARE(out.last(), QString("Break-even royal: %1 (return %2)").arg(breakEven->royal).arg(percent(breakEven->perfectReturn)));
}

void PayTablesTest::toolRanksTypedHand_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("dealt"); // as the tool prints the cards, place 1 first
    QTest::addColumn<PayList>("pays");
    QTest::addColumn<int>("bet");
    QTest::newRow("K♥ Q♥ J♣ 7♦ 2♠ on 9/6") << QStringList{"--hand", "K♥ Q♥ J♣ 7♦ 2♠", "--schedule", "0"}
                                          << "K♥ Q♥ J♣ 7♦ 2♠" << ScheduleGlass(9, 6) << MaxBet;
    QTest::newRow("a pair of kings, letters, bet 1")
        << QStringList{"--hand", "Kh Kd 9c 8d 3d", "--schedule", "3", "--bet", "1"} << "K♥ K♦ 9♣ 8♦ 3♦"
        << ScheduleGlass(8, 5) << 1;
    QTest::newRow("four to a royal, typed pays")
        << QStringList{"--hand", "th,jh,qh,kh,2c", "--pays", "4000,250,50,25,9,6,4,3,2,1"} << "10♥ J♥ Q♥ K♥ 2♣"
        << PayList{4000, 250, 50, 25, 9, 6, 4, 3, 2, 1} << MaxBet;
}

// All 32 holds, best first, each worth what dealing every draw here says.
void PayTablesTest::toolRanksTypedHand()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, dealt);
    QFETCH(PayList, pays);
    QFETCH(int, bet);
    int exitCode = -1;
    QByteArray errors;
    const QStringList out = RunTool(arguments, exitCode, errors);
    QCOMPARE(exitCode, 0);
    QCOMPARE(out.size(), HoldCount);
    const QStringList names = dealt.split(' ');
    const auto cardOf = [](const QString& name) {
        const int rank = QString("23456789TJQKA").indexOf(name.startsWith("10") ? "T" : name.left(1));
        const int suit = QString("♣♦♥♠").indexOf(name.right(1));
        return suit * 13 + rank + 1;
    };
    Hand hand{};
    for (std::size_t place = 0; place < hand.size(); ++place)
        hand[place] = cardOf(names[static_cast<int>(place)]);
    const PayTable table = *PayTable::FromPays(pays);
    double previous = 1e300;
    for (const QString& line : out) {
        const QStringList fields = line.simplified().split(' ');
        const double shown = fields.first().toDouble();
        unsigned mask = 0;
        for (const QString& held : fields.mid(1)) {
            if (held != "Draw" && held != "five")
                mask |= 1u << names.indexOf(held);
        }
        std::int64_t draws = 0;
        const std::int64_t credits = CreditsOverEveryDraw(hand, mask, table, bet, draws);
        QVERIFY2(std::abs(shown - static_cast<double>(credits) / draws) < 5e-7, qPrintable(line));
        QVERIFY2(shown <= previous, qPrintable(line));
        previous = shown;
    }
}

void PayTablesTest::toolRefusesBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("fault");
    QTest::newRow("four cards") << QStringList{"--hand", "Kh Kd 9c 8d"} << "only 4 cards";
    QTest::newRow("a card twice") << QStringList{"--hand", "Kh Kh 9c 8d 3d"} << "K♥ twice";
    QTest::newRow("no such card") << QStringList{"--hand", "Kh Xq 9c 8d 3d"} << "'Xq' is not a card";
    QTest::newRow("nine pays") << QStringList{"--pays", "800,250,50,25,9,6,4,3,2"} << "--pays takes ten";
    QTest::newRow("a pay too large") << QStringList{"--pays", "800,250,50,25,9,6,4,3,2,100001"} << "--pays takes ten";
    QTest::newRow("a negative pay") << QStringList{"--pays", "800,250,50,25,9,6,4,3,2,-1"} << "--pays takes ten";
    QTest::newRow("bet 6") << QStringList{"--pays", "800,250,50,25,9,6,4,3,2,1", "--bet", "6"} << "--bet takes 1 to 5";
    QTest::newRow("two tables") << QStringList{"--hand", "Kh Kd 9c 8d 3d", "--schedule", "1", "--pays",
                                               "800,250,50,25,9,6,4,3,2,1"}
                                << "--schedule and --pays";
    QTest::newRow("unknown option") << QStringList{"--colour", "red"} << "unknown option --colour";
}

void PayTablesTest::toolRefusesBadArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, fault);
    int exitCode = -1;
    QByteArray errors;
    const QStringList out = RunTool(arguments, exitCode, errors);
    QCOMPARE(exitCode, 2);
    QVERIFY(out.isEmpty());
    QVERIFY2(QString::fromUtf8(errors).contains("velstrategy: " + fault), errors.constData());
}

QTEST_GUILESS_MAIN(PayTablesTest)
#include "tst_paytables.moc"
