#include "engine/Combinations.h"
#include "engine/FastEvaluator.h"
#include "engine/HoldAnalysis.h"
#include "engine/ScheduleReturn.h"

#include "AllHands.h"

#include <QTest>

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>
#include <set>

using namespace vel;

namespace {

constexpr int FullPay = 0; // the 9 / 6 schedule

// "KH": rank letter then suit letter.
Card CardOf(const QString& name)
{
    const auto rank = std::string_view(RankLetters).find(name.at(0).toLatin1());
    const auto suit = std::string_view(SuitLetters).find(name.at(1).toLatin1());
    return static_cast<Card>(suit * 13 + rank + 1);
}

// "KH QH JH TH 2S", place 1 first.
Hand HandOf(const QString& text)
{
    const QStringList names = text.split(' ');
    Hand hand{};
    for (std::size_t place = 0; place < hand.size(); ++place)
        hand[place] = CardOf(names.at(static_cast<qsizetype>(place)));
    return hand;
}

// Mask of the places of `dealt` whose cards are named in `held`.
unsigned MaskOf(const Hand& dealt, const QString& held)
{
    unsigned mask = 0;
    for (const QString& name : held.split(' ', Qt::SkipEmptyParts)) {
        const auto place = std::find(dealt.begin(), dealt.end(), CardOf(name)) - dealt.begin();
        mask |= 1u << place;
    }
    return mask;
}

PayTable ScheduleTable(int schedule)
{
    PayTable pays;
    pays.ApplySchedule(schedule);
    return pays;
}

Hand RandomHand(std::mt19937& generator)
{
    std::array<Card, StandardDeckSize> deck;
    std::iota(deck.begin(), deck.end(), 1);
    std::shuffle(deck.begin(), deck.end(), generator);
    return {deck[0], deck[1], deck[2], deck[3], deck[4]};
}

// Every category's share of all 2,598,960 deals.
constexpr std::array<std::uint32_t, CategoryCount> DealsByCategory{
    2'062'860, 337'920, 123'552, 54'912, 10'200, 5'108, 3'744, 624, 36, 4};

} // namespace

class AdvisorEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void classifierMatchesEvaluatorOverAllHands();
    void distinctDealsStandForEveryDeal();
    void tablesMatchEnumeration_data();
    void tablesMatchEnumeration();
    void fourToRoyalDraws_data();
    void fourToRoyalDraws();
    void bestHolds_data();
    void bestHolds();
    void rankingCoversEveryHoldInOrder();
    void fullPayReturnAtMaxBet();
    void scheduleReturnsIgnoreThreadCount();

private:
    std::optional<HoldAnalyzer> analyzer_;
};

void AdvisorEngineTest::initTestCase()
{
    analyzer_.emplace(2);
}

void AdvisorEngineTest::classifierMatchesEvaluatorOverAllHands()
{
    std::string ranks(5, ' '), suits(5, ' ');
    int hands = 0, mismatches = 0;
    QString firstMismatch;
    ForEachHand([&](const Hand& hand) {
        for (std::size_t i = 0; i < hand.size(); ++i) {
            ranks[i] = RankLetter(hand[i]);
            suits[i] = SuitLetter(hand[i]);
        }
        WinCards flags{};
        ++hands;
        if (FastCategory(hand) != CategoryOf(EvaluateHand(ranks, suits, flags)) && mismatches++ == 0)
            firstMismatch = QString::fromStdString(ranks + " " + suits);
    });
    QCOMPARE(hands, 2'598'960);
    QVERIFY2(mismatches == 0, qPrintable(QString("%1 hands differ, first %2").arg(mismatches).arg(firstMismatch)));
}

void AdvisorEngineTest::distinctDealsStandForEveryDeal()
{
    const std::vector<DistinctDeal> deals = DistinctDeals();
    QCOMPARE(deals.size(), std::size_t{134'459});
    std::array<std::uint32_t, CategoryCount> byCategory{};
    std::set<Hand> seen;
    for (const DistinctDeal& deal : deals) {
        QVERIFY(std::is_sorted(deal.cards.begin(), deal.cards.end()));
        QVERIFY(deal.cards.front() >= 1 && deal.cards.back() <= StandardDeckSize);
        QVERIFY(std::adjacent_find(deal.cards.begin(), deal.cards.end()) == deal.cards.end());
        QVERIFY(deal.weight >= 1 && 24 % deal.weight == 0);
        seen.insert(deal.cards);
        byCategory[FastCategory(deal.cards)] += deal.weight;
    }
    QCOMPARE(seen.size(), deals.size());
    for (int category = 0; category < CategoryCount; ++category)
        QCOMPARE(byCategory[category], DealsByCategory[category]);
}

void AdvisorEngineTest::tablesMatchEnumeration_data()
{
    QTest::addColumn<Hand>("dealt");
    QTest::newRow("four to a royal") << HandOf("KH QH JH TH 2S");
    QTest::newRow("quads out of order") << HandOf("7C 7D KS 7H 7S");
    QTest::newRow("ace-high straight flush draw") << HandOf("AD 2D 3D 4D 5D");
    QTest::newRow("nothing") << HandOf("2C 5D 8H 9S 3D");
    QTest::newRow("full house") << HandOf("9C 3D 9H 3S 9S");
    std::mt19937 generator(7);
    for (int i = 0; i < 3; ++i)
        QTest::newRow(qPrintable(QString("random %1").arg(i))) << RandomHand(generator);
}

// The tables with inclusion-exclusion against counting every draw.
void AdvisorEngineTest::tablesMatchEnumeration()
{
    QFETCH(Hand, dealt);
    const HoldCounts fromTables = analyzer_->CountHolds(dealt);
    const HoldCounts enumerated = CountHoldsDirect(dealt);
    for (unsigned mask = 0; mask < HoldCount; ++mask) {
        QCOMPARE(fromTables[mask], enumerated[mask]);
        const auto draws = std::accumulate(enumerated[mask].begin(), enumerated[mask].end(), 0u);
        QCOMPARE(draws, Binomial(47, 5 - std::popcount(mask)));
    }
}

void AdvisorEngineTest::fourToRoyalDraws_data()
{
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("perCreditTotal"); // credits over the 47 draws per credit bet
    QTest::newRow("highest bet") << 5 << 925;
    QTest::newRow("bet 4") << 4 << 375;
    QTest::newRow("bet 1") << 1 << 375;
}

void AdvisorEngineTest::fourToRoyalDraws()
{
    QFETCH(int, bet);
    QFETCH(int, perCreditTotal);
    const Hand dealt = HandOf("KH QH JH TH 2S");
    const RankedHolds results = analyzer_->Analyze(dealt, ScheduleTable(FullPay), bet);
    const HoldResult& best = results.front();
    QCOMPARE(best.holdMask, 0b01111u);
    const CategoryCounts expected{23, 9, 0, 0, 6, 7, 0, 0, 1, 1};
    QCOMPARE(best.counts, expected);
    QCOMPARE(best.draws, 47u);
    QCOMPARE(best.totalCredits, std::int64_t{perCreditTotal} * bet);
    QCOMPARE(best.expectedPerCredit, perCreditTotal / 47.0);
    QCOMPARE(best.expectedCredits, perCreditTotal * bet / 47.0);
}

void AdvisorEngineTest::bestHolds_data()
{
    QTest::addColumn<Hand>("dealt");
    QTest::addColumn<QString>("held");
    const auto row = [](const char* name, const char* dealt, const char* held) {
        QTest::newRow(name) << HandOf(dealt) << QString(held);
    };
    row("royal flush", "TS JS QS KS AS", "TS JS QS KS AS");
    row("straight flush", "5H 6H 7H 8H 9H", "5H 6H 7H 8H 9H");
    row("quads, kicker ties and goes", "7C 7D KS 7H 7S", "7C 7D 7H 7S");
    row("full house", "3C 3D 9H 9S 9C", "3C 3D 9H 9S 9C");
    row("four to a royal over a flush", "KH QH 2H JH TH", "KH QH JH TH");
    row("four to a royal over a straight", "AC KH QH JH TH", "KH QH JH TH");
    row("four to a straight flush over a high pair", "8S 9S TS JS JH", "8S 9S TS JS");
    row("two pair", "8C 8D 4H 4S KC", "8C 8D 4H 4S");
    row("high pair over three to a royal", "QC QD AS KS JS", "QC QD");
    row("high pair over four to a flush", "JH JS 3H 7H 9H", "JH JS");
    row("three to a royal over four to a flush", "AH KH QH 5H 9C", "AH KH QH");
    row("four to a flush over a low pair", "5C 5H 8H JH KH", "5H 8H JH KH");
    row("low pair over two high cards", "4C 4D JS QH 8C", "4C 4D");
    row("outside straight over one high card", "5C 6D 7H 8S KC", "5C 6D 7H 8S");
    row("two unsuited high cards", "KC QD 7S 4H 2C", "KC QD");
    row("three high cards, the lowest two", "AC KD QH 7S 3C", "KD QH");
    row("nothing worth holding", "2C 5D 8H 9S 3D", "");
}

// 9 / 6 at the highest bet, against the well-known strategy.
void AdvisorEngineTest::bestHolds()
{
    QFETCH(Hand, dealt);
    QFETCH(QString, held);
    const RankedHolds results = analyzer_->Analyze(dealt, ScheduleTable(FullPay), MaxBet);
    QCOMPARE(results.front().holdMask, MaskOf(dealt, held));
    QCOMPARE(AnalyzeDirect(dealt, ScheduleTable(FullPay), MaxBet).front().holdMask, MaskOf(dealt, held));
}

void AdvisorEngineTest::rankingCoversEveryHoldInOrder()
{
    std::mt19937 generator(11);
    for (int i = 0; i < 50; ++i) {
        const Hand dealt = RandomHand(generator);
        const int bet = 1 + i % MaxBet;
        const RankedHolds results = analyzer_->Analyze(dealt, ScheduleTable(i % 6), bet);
        std::set<unsigned> masks;
        for (std::size_t k = 0; k < results.size(); ++k) {
            const HoldResult& result = results[k];
            masks.insert(result.holdMask);
            if (k == 0)
                continue;
            const HoldResult& previous = results[k - 1];
            const auto before = previous.totalCredits * result.draws;
            const auto after = result.totalCredits * previous.draws;
            QVERIFY(before > after || (before == after && previous.holdMask < result.holdMask));
        }
        QCOMPARE(masks.size(), std::size_t{HoldCount});
    }
}

void AdvisorEngineTest::fullPayReturnAtMaxBet()
{
    const double fullPay = PerfectPlayReturn(*analyzer_, ScheduleTable(FullPay), MaxBet);
    QVERIFY2(std::abs(fullPay - 0.99543904) < 1e-8, qPrintable(QString::number(fullPay, 'f', 10)));
}

void AdvisorEngineTest::scheduleReturnsIgnoreThreadCount()
{
    const ScheduleReturns single = ComputeScheduleReturns(*analyzer_, 1);
    const ScheduleReturns pair = ComputeScheduleReturns(*analyzer_, 2);
    for (std::size_t i = 0; i < PaySchedules.size(); ++i) {
        QCOMPARE(std::bit_cast<std::uint64_t>(pair.maxBet[i]), std::bit_cast<std::uint64_t>(single.maxBet[i]));
        QCOMPARE(std::bit_cast<std::uint64_t>(pair.lowBet[i]), std::bit_cast<std::uint64_t>(single.lowBet[i]));
        const QString percent = QString::number(single.maxBet[i] * 100, 'f', 2) + '%';
        QCOMPARE(percent, QString::fromUtf8(PaySchedules[i].statedReturn));
        QVERIFY(single.lowBet[i] < single.maxBet[i] - 0.01);
    }
}

QTEST_GUILESS_MAIN(AdvisorEngineTest)
#include "tst_advisor_engine.moc"
