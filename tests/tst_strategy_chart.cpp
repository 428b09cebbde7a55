#include "engine/Combinations.h"
#include "engine/ScheduleReturn.h"
#include "engine/StrategyChart.h"

#include "HandText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <bit>
#include <numeric>
#include <optional>
#include <random>
#include <set>

using namespace vel;
using namespace handtext;

namespace {

constexpr int FullPay = 0; // the 9 / 6 schedule
constexpr int LowBet = 1;
constexpr double Aim = 0.0001; // a chart loses at most 0.01% against perfect play
constexpr std::size_t MaxLines = 40;

PatternId PatternNamed(const QString& name)
{
    const auto patterns = HoldPatterns();
    const auto found = std::find_if(patterns.begin(), patterns.end(),
                                    [&](const HoldPattern& p) { return QString::fromUtf8(p.name) == name; });
    if (found == patterns.end())
        qFatal("no pattern named %s", qPrintable(name));
    return static_cast<PatternId>(found - patterns.begin());
}

std::vector<PatternId> ChartOf(const QStringList& names)
{
    std::vector<PatternId> lines;
    for (const QString& name : names)
        lines.push_back(PatternNamed(name));
    return lines;
}

// The six schedules at bet 5, then at bet 1: the order the charts are kept in.
std::vector<PayVector> AllPayVectors()
{
    std::vector<PayVector> vectors;
    for (int bet : {MaxBet, LowBet}) {
        for (std::size_t schedule = 0; schedule < PaySchedules.size(); ++schedule) {
            PayTable pays;
            pays.ApplySchedule(static_cast<int>(schedule));
            vectors.push_back(PayVectorFor(pays, bet));
        }
    }
    return vectors;
}

std::size_t VectorIndex(int schedule, int bet)
{
    return static_cast<std::size_t>(schedule) + (bet == MaxBet ? 0 : PaySchedules.size());
}

QString Percent(double value)
{
    return QString::number(value * 100, 'f', 6) + '%';
}

} // namespace

class StrategyChartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void patternHolds_data();
    void patternHolds();
    void everyPatternFitsSomeDeal();
    void matchIgnoresSuitNamesAndPlaces();
    void chartLineOrderDecides_data();
    void chartLineOrderDecides();
    void perfectReturnsMatchScheduleReturns();
    void chartReturnMatchesPlayingEveryDeal_data();
    void chartReturnMatchesPlayingEveryDeal();
    void chartsWithinAim_data();
    void chartsWithinAim();
    void chartsIgnoreThreadCount();
    void toolPrintsChart_data();
    void toolPrintsChart();

private:
    std::optional<HoldAnalyzer> analyzer_;
    std::optional<ChartDeals> deals_;
    std::vector<DealPrices> prices_; // of AllPayVectors(), in their order
    std::vector<StrategyChart> charts_;
};

void StrategyChartTest::initTestCase()
{
    analyzer_.emplace(2);
    deals_.emplace(*analyzer_, 2);
    for (const PayVector& pays : AllPayVectors())
        prices_.push_back(deals_->Price(pays, 2));
    charts_ = GenerateCharts(*deals_, AllPayVectors(), 2);
}

void StrategyChartTest::patternHolds_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("dealt");
    QTest::addColumn<QString>("held"); // "-" when the hand does not show the pattern
    const auto row = [](const char* name, const char* pattern, const char* dealt, const char* held) {
        QTest::newRow(name) << QString(pattern) << QString(dealt) << QString(held);
    };
    row("outside straight", "4 to an outside straight", "5C 6D 7H 8S KC", "5C 6D 7H 8S");
    row("outside is not inside", "4 to an inside straight", "5C 6D 7H 8S KC", "-");
    row("inside straight", "4 to an inside straight", "KC 5C 6D 8H 9S", "5C 6D 8H 9S");
    row("inside is not outside", "4 to an outside straight", "KC 5C 6D 8H 9S", "-");
    row("ace low fills one way", "4 to an inside straight, 1 high card", "3H AC 2D 9S 4C", "AC 2D 3H 4C");
    row("ace low is not outside", "4 to an outside straight", "3H AC 2D 9S 4C", "-");
    row("ace high fills one way", "4 to an inside straight, 4 high cards (AKQJ)", "AC KD 3S QH JS",
        "AC KD QH JS");
    row("ten to king both ways", "4 to an outside straight, 3 high cards (TJQK)", "TC JD 3S QH KS",
        "TC JD QH KS");
    row("ace-low straight is made", "Straight", "AC 2D 3H 4S 5C", "AC 2D 3H 4S 5C");
    row("two to five inside it is outside", "4 to an outside straight, no high card", "AC 2D 3H 4S 5C",
        "2D 3H 4S 5C");
    row("four-flush beside a pair", "4 to a flush", "5C 5H 8H JH KH", "5H 8H JH KH");
    row("four-flush by high cards", "4 to a flush, 2 high cards", "5C 5H 8H JH KH", "5H 8H JH KH");
    row("the pair beside a four-flush", "Low pair (twos to tens)", "5C 5H 8H JH KH", "5C 5H");
    row("four to a royal beside a pair", "4 to a royal flush", "KH QH JH TH KS", "KH QH JH TH");
    row("a royal draw is not a straight-flush draw", "4 to a straight flush", "KH QH JH TH KS", "-");
    row("open straight-flush draw", "4 to an outside straight flush", "5S 6S 8D 7S 8S", "5S 6S 7S 8S");
    row("ace-low straight-flush draw", "4 to an inside straight flush", "AS 2S 3S 4S 9D", "AS 2S 3S 4S");
    row("three in a row", "3 to a straight flush, no high card, no gap", "5H 6H 7H 2C KD", "5H 6H 7H");
    row("two-three-four counts a gap", "3 to a straight flush, no high card, 1 gap", "2H 3H 4H 9C KD",
        "2H 3H 4H");
    row("two-three-four has no run of three", "3 to a straight flush, no high card, no gap", "2H 3H 4H 9C KD",
        "-");
    row("ace-two-three counts two gaps", "3 to a straight flush, 1 high card, 2 gaps", "AH 2H 3H 9C KD",
        "AH 2H 3H");
    row("nine-jack-queen", "3 to a straight flush, 2 high cards, 1 gap", "9H JH QH 2C 5D", "9H JH QH");
    row("ten-jack-queen is a royal draw", "3 to a royal flush", "TH JH QH 2C 5D", "TH JH QH");
    row("three to a flush with two high cards", "3 to a flush, 2 high cards", "9C KC AC QD TH", "9C KC AC");
    row("lowest two high cards", "Two unsuited high cards, the lowest two", "AC KD QH 7S 3C", "KD QH");
    row("named high cards", "AK unsuited", "AC KD QH 7S 3C", "AC KD");
    row("ace and the lower high card", "AK, AQ or AJ unsuited", "AC KD QH 7S 3C", "AC QH");
    row("three high cards", "AKQ unsuited", "AC KD QH 7S 3C", "AC KD QH");
    row("lowest high card", "One high card, the lowest", "AC KD QH 7S 3C", "QH");
    row("suited pair of high cards", "KQ suited", "KH 5C QH 8D 2S", "KH QH");
    row("suited is not unsuited", "KQ unsuited", "KH 5C QH 8D 2S", "-");
    row("quads in the combined line", "Royal flush, straight flush or four of a kind", "7C 7D KS 7H 7S",
        "7C 7D 7H 7S");
    row("full house before its three", "Full house, flush, straight or three of a kind", "9C 3D 9H 3S 9S",
        "9C 3D 9H 3S 9S");
    row("three of a kind in a full house", "Three of a kind", "9C 3D 9H 3S 9S", "9C 9H 9S");
    row("two pair", "Two pair", "8C 8D 4H 4S KC", "8C 8D 4H 4S");
    row("the higher of two low pairs", "Low pair (twos to tens)", "8C 8D 4H 4S KC", "8C 8D");
    row("no high pair in low pairs", "High pair (jacks or better)", "8C 8D 4H 4S KC", "-");
    row("draw five fits every hand", "Draw five (hold nothing)", "KH QH JH TH AH", "");
}

void StrategyChartTest::patternHolds()
{
    QFETCH(QString, pattern);
    QFETCH(QString, dealt);
    QFETCH(QString, held);
    const Hand hand = HandOf(dealt);
    const int hold = MatchPatterns(hand)[PatternNamed(pattern)];
    if (held == "-")
        QCOMPARE(hold, int{NoHold});
    else
        QCOMPARE(hold, static_cast<int>(MaskOf(hand, held)));
}

// A pattern no deal shows would be a line no player can use; a simple
// pattern always holds as many cards as it says.
void StrategyChartTest::everyPatternFitsSomeDeal()
{
    std::array<int, PatternCount> shown{};
    QString wrongSize;
    for (const DistinctDeal& deal : DistinctDeals()) {
        const PatternHolds holds = MatchPatterns(deal.cards);
        for (int id = 0; id < PatternCount; ++id) {
            if (holds[id] == NoHold)
                continue;
            ++shown[id];
            const HoldPattern& pattern = HoldPatterns()[id];
            if (pattern.kind != PatternKind::AnyOf && std::popcount(unsigned(holds[id])) != pattern.cards)
                wrongSize = QString::fromUtf8(pattern.name);
        }
    }
    QVERIFY2(wrongSize.isEmpty(), qPrintable(wrongSize));
    std::set<std::string_view> names;
    for (int id = 0; id < PatternCount; ++id) {
        QVERIFY2(shown[id] > 0, HoldPatterns()[id].name.data());
        names.insert(HoldPatterns()[id].name);
    }
    QCOMPARE(names.size(), std::size_t{PatternCount});
    QCOMPARE(shown[DrawFive], 134'459);
}

// Charts are scored on one deal per renaming of the suits, with the cards in
// ascending places; a dealt hand must then play the same line and hold cards
// worth the same, whatever its suits are called and wherever its cards lie.
void StrategyChartTest::matchIgnoresSuitNamesAndPlaces()
{
    std::mt19937 generator(12);
    std::array<Card, StandardDeckSize> deck;
    std::iota(deck.begin(), deck.end(), 1);
    std::array<int, 4> suits{0, 1, 2, 3};
    const PayTable pays;
    for (int i = 0; i < 3000; ++i) {
        std::shuffle(deck.begin(), deck.end(), generator);
        std::shuffle(suits.begin(), suits.end(), generator);
        Hand dealt{deck[0], deck[1], deck[2], deck[3], deck[4]};
        Hand renamed;
        for (std::size_t place = 0; place < dealt.size(); ++place)
            renamed[place] = suits[SuitOf(dealt[place])] * 13 + RankOf(dealt[place]) + 1;
        std::shuffle(renamed.begin(), renamed.end(), generator);
        const std::vector<PatternId>& lines = charts_[i % charts_.size()].lines;
        const ChartMatch original = MatchChart(lines, dealt);
        const ChartMatch other = MatchChart(lines, renamed);
        QCOMPARE(other.line, original.line);
        const auto worth = [&](const Hand& hand, unsigned mask) {
            const RankedHolds ranked = analyzer_->Analyze(hand, pays, MaxBet);
            return std::find_if(ranked.begin(), ranked.end(), [&](const HoldResult& r) { return r.holdMask == mask; })
                ->counts;
        };
        QCOMPARE(worth(renamed, other.holdMask), worth(dealt, original.holdMask));
    }
}

void StrategyChartTest::chartLineOrderDecides_data()
{
    QTest::addColumn<QStringList>("chart");
    QTest::addColumn<QString>("dealt");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("held");
    const QStringList pairFirst{"High pair (jacks or better)", "4 to a flush", "Draw five (hold nothing)"};
    const QStringList flushFirst{"4 to a flush", "High pair (jacks or better)", "Draw five (hold nothing)"};
    QTest::newRow("pair above flush draw") << pairFirst << "JH JS 3H 7H 9H" << 0 << "JH JS";
    QTest::newRow("flush draw above pair") << flushFirst << "JH JS 3H 7H 9H" << 0 << "JH 3H 7H 9H";
    QTest::newRow("second line") << pairFirst << "2H KS 3H 7H 9H" << 1 << "2H 3H 7H 9H";
    QTest::newRow("nothing matches but draw five") << pairFirst << "2C 5D 8H 9S 3D" << 2 << "";
    QTest::newRow("no draw-five line") << QStringList{"Two pair"} << "2C 5D 8H 9S 3D" << 1 << "";
}

void StrategyChartTest::chartLineOrderDecides()
{
    QFETCH(QStringList, chart);
    QFETCH(QString, dealt);
    QFETCH(int, line);
    QFETCH(QString, held);
    const Hand hand = HandOf(dealt);
    const ChartMatch match = MatchChart(ChartOf(chart), hand);
    QCOMPARE(match.line, std::size_t(line));
    QCOMPARE(match.holdMask, MaskOf(hand, held));
}

// Against the schedule returns computed on their own; those add up their
// deals in double precision, hence the wider margin.
void StrategyChartTest::perfectReturnsMatchScheduleReturns()
{
    const ScheduleReturns returns = ComputeScheduleReturns(*analyzer_, 2);
    for (std::size_t schedule = 0; schedule < PaySchedules.size(); ++schedule) {
        const int s = static_cast<int>(schedule);
        QVERIFY(std::abs(prices_[VectorIndex(s, MaxBet)].perfectReturn - returns.maxBet[schedule]) < 1e-11);
        QVERIFY(std::abs(prices_[VectorIndex(s, LowBet)].perfectReturn - returns.lowBet[schedule]) < 1e-11);
        QCOMPARE(charts_[VectorIndex(s, MaxBet)].perfectReturn, prices_[VectorIndex(s, MaxBet)].perfectReturn);
    }
}

void StrategyChartTest::chartReturnMatchesPlayingEveryDeal_data()
{
    QTest::addColumn<int>("schedule");
    QTest::addColumn<int>("bet");
    QTest::addColumn<QStringList>("chart"); // empty: the generated chart
    QTest::newRow("9 / 6 chart, bet 5") << FullPay << MaxBet << QStringList();
    QTest::newRow("6 / 5 chart, bet 1") << 5 << LowBet << QStringList();
    QTest::newRow("pairs only, 8 / 5, bet 5")
        << 3 << MaxBet
        << QStringList{"Two pair", "High pair (jacks or better)", "Low pair (twos to tens)"};
}

// The chart's return and perfect play's from the stored matches against
// holding every deal as the chart's matcher says, or the best way, priced by
// the 32-hold analysis; the best hold is the perfect chart's one line.
void StrategyChartTest::chartReturnMatchesPlayingEveryDeal()
{
    QFETCH(int, schedule);
    QFETCH(int, bet);
    QFETCH(QStringList, chart);
    const std::size_t vector = VectorIndex(schedule, bet);
    const std::vector<PatternId> lines = chart.isEmpty() ? charts_[vector].lines : ChartOf(chart);
    PayTable pays;
    pays.ApplySchedule(schedule);
    long double chartSum = 0, bestSum = 0;
    for (const DistinctDeal& deal : DistinctDeals()) {
        const unsigned hold = MatchChart(lines, deal.cards).holdMask;
        const RankedHolds ranked = analyzer_->Analyze(deal.cards, pays, bet);
        const auto held = std::find_if(ranked.begin(), ranked.end(),
                                       [&](const HoldResult& r) { return r.holdMask == hold; });
        chartSum += deal.weight * held->expectedPerCredit;
        bestSum += deal.weight * ranked.front().expectedPerCredit;
    }
    const auto played = static_cast<double>(chartSum / Binomial(StandardDeckSize, 5));
    const auto perfect = static_cast<double>(bestSum / Binomial(StandardDeckSize, 5));
    QVERIFY2(std::abs(deals_->ChartReturn(prices_[vector], lines) - played) < 1e-12, qPrintable(Percent(played)));
    QVERIFY2(std::abs(prices_[vector].perfectReturn - perfect) < 1e-12, qPrintable(Percent(perfect)));
    if (chart.isEmpty())
        QCOMPARE(charts_[vector].chartReturn, deals_->ChartReturn(prices_[vector], lines));
}

void StrategyChartTest::chartsWithinAim_data()
{
    QTest::addColumn<int>("schedule");
    QTest::addColumn<int>("bet");
    for (int bet : {MaxBet, LowBet}) {
        for (std::size_t schedule = 0; schedule < PaySchedules.size(); ++schedule) {
            const QString name = QString("%1, bet %2").arg(QString::fromUtf8(PaySchedules[schedule].listText)).arg(bet);
            QTest::newRow(qPrintable(name)) << static_cast<int>(schedule) << bet;
        }
    }
}

void StrategyChartTest::chartsWithinAim()
{
    QFETCH(int, schedule);
    QFETCH(int, bet);
    const StrategyChart& chart = charts_[VectorIndex(schedule, bet)];
    QVERIFY2(chart.chartReturn <= chart.perfectReturn, qPrintable(Percent(chart.chartReturn)));
    QVERIFY2(chart.perfectReturn - chart.chartReturn < Aim, qPrintable(Percent(chart.chartReturn)));
    QVERIFY(chart.lines.size() <= MaxLines);
    QCOMPARE(chart.lines.back(), DrawFive);
    const std::set<PatternId> distinct(chart.lines.begin(), chart.lines.end());
    QCOMPARE(distinct.size(), chart.lines.size());
    if (schedule == FullPay && bet == MaxBet)
        QVERIFY(std::abs(chart.perfectReturn - 0.99543904) < 1e-8);
}

// Charts side by side, and one chart's search shared by two threads, come
// out as one thread alone makes them.
void StrategyChartTest::chartsIgnoreThreadCount()
{
    const std::vector<StrategyChart> single = GenerateCharts(*deals_, AllPayVectors(), 1);
    QCOMPARE(single.size(), charts_.size());
    for (std::size_t i = 0; i < single.size(); ++i) {
        QCOMPARE(single[i].lines, charts_[i].lines);
        QCOMPARE(std::bit_cast<std::uint64_t>(single[i].chartReturn),
                 std::bit_cast<std::uint64_t>(charts_[i].chartReturn));
        const StrategyChart shared = GenerateChart(*deals_, prices_[i], 2);
        QCOMPARE(shared.lines, single[i].lines);
        QCOMPARE(std::bit_cast<std::uint64_t>(shared.chartReturn), std::bit_cast<std::uint64_t>(single[i].chartReturn));
    }
}

void StrategyChartTest::toolPrintsChart_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QList<int>>("charts"); // in the order kept; none: the usage is expected
    QList<int> all(12);
    std::iota(all.begin(), all.end(), 0);
    QTest::newRow("9 / 6, bet 5") << QStringList{"--schedule", "0", "--bet", "5"} << QList<int>{0};
    QTest::newRow("bet before schedule") << QStringList{"--bet", "1", "--schedule", "5"} << QList<int>{11};
    QTest::newRow("all") << QStringList{"--all"} << all;
    QTest::newRow("no schedule 6") << QStringList{"--schedule", "6", "--bet", "5"} << QList<int>();
    QTest::newRow("no bet 0") << QStringList{"--schedule", "0", "--bet", "0"} << QList<int>();
    QTest::newRow("bet missing") << QStringList{"--schedule", "0"} << QList<int>();
}

// The tool's text, line by line, against the engine's charts.
void StrategyChartTest::toolPrintsChart()
{
    QFETCH(QStringList, arguments);
    QFETCH(QList<int>, charts);
    const QString tool = QCoreApplication::applicationDirPath() + "/../tools/velstrategy/velstrategy";
    QVERIFY2(QFileInfo(tool).isExecutable(), "build velstrategy first");
    QProcess process;
    process.start(tool, arguments);
    QVERIFY(process.waitForFinished(60'000));
    if (charts.isEmpty()) {
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardError().startsWith("usage: velstrategy"));
        return;
    }
    QCOMPARE(process.exitCode(), 0);
    const bool several = charts.size() > 1;
    QStringList expected;
    for (int vector : charts) {
        const auto schedule = static_cast<std::size_t>(vector) % PaySchedules.size();
        if (several)
            expected << QString("%1, bet %2").arg(QString::fromUtf8(PaySchedules[schedule].listText))
                            .arg(vector < static_cast<int>(PaySchedules.size()) ? MaxBet : LowBet);
        const StrategyChart& chart = charts_[vector];
        for (std::size_t line = 0; line < chart.lines.size(); ++line) {
            const QString name = QString::fromUtf8(HoldPatterns()[chart.lines[line]].name);
            expected << QString("%1. %2").arg(line + 1, 2).arg(name);
        }
        expected << "Chart return: " + Percent(chart.chartReturn) << "Perfect play: " + Percent(chart.perfectReturn);
        if (several)
            expected << QString();
    }
    QStringList out = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    if (several) {
        QVERIFY(out.size() >= 2);
        QVERIFY(QRegularExpression("^12 charts generated and evaluated in \\d+\\.\\d\\d s on \\d+ threads$")
                    .match(out.takeAt(out.size() - 2)).hasMatch());
    }
    QCOMPARE(out, expected << QString());
}

QTEST_GUILESS_MAIN(StrategyChartTest)
#include "tst_strategy_chart.moc"
