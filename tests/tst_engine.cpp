#include "engine/Cards.h"
#include "engine/Evaluator.h"
#include "engine/PaySchedule.h"

#include "AllHands.h"

#include <QTest>

#include <array>
#include <cmath>
#include <set>

using namespace vel;

namespace {

std::uint32_t Lcg(std::uint32_t seed) { return seed * 134775813u + 1u; }

Deck FixedDeck(std::uint32_t timeOfDay)
{
    return Deck(StandardDeckSize, [timeOfDay] { return timeOfDay; });
}

// A freshly reset deck whose next-card position is `position`, found by
// trying clock values in turn.
Deck DeckResetAt(int position)
{
    for (std::uint32_t time = 0;; ++time) {
        Deck deck = FixedDeck(time);
        deck.ResetDeck();
        if (deck.DeckPos() == position)
            return deck;
    }
}

// Builds the evaluator's two strings from a hand.
std::pair<std::string, std::string> Letters(const Hand& hand)
{
    std::string ranks, suits;
    for (Card card : hand) {
        ranks += RankLetter(card);
        suits += SuitLetter(card);
    }
    return {ranks, suits};
}

// The flags a hand must carry, worked out from rank counts alone.
WinCards ExpectedFlags(const Hand& hand, int code)
{
    WinCards flags{};
    std::array<int, 13> counts{};
    for (Card card : hand)
        ++counts[RankOf(card)];
    for (std::size_t i = 0; i < hand.size(); ++i) {
        const int count = counts[RankOf(hand[i])];
        switch (code) {
        case JacksOrBetter:
        case TwoPair: flags[i] = count == 2; break;
        case ThreeOfAKind: flags[i] = count == 3; break;
        case FourOfAKind: flags[i] = count == 4; break;
        case Nothing: flags[i] = false; break;
        default: flags[i] = true; break;
        }
    }
    return flags;
}

} // namespace

class EngineTest : public QObject {
    Q_OBJECT

private slots:
    void cardLetters_data();
    void cardLetters();
    void randomBelowOneAdvancesSeed();
    void resetDeckOrdersAndSeeds();
    void nextCardWrapsAround();
    void dealFromPosition50TakesConsecutivePositions();
    void shuffleIsDeterministicPermutation();
    void shuffleIsUniform();
    void evaluatorOverAllHands();
    void evaluatorEdgeCases_data();
    void evaluatorEdgeCases();
    void evaluatorKeepsFlagsAlreadySet();
    void handNames_data();
    void handNames();
    void payouts_data();
    void payouts();
    void scheduleOutsideRangeLeavesTable();
};

void EngineTest::cardLetters_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<char>("rank");
    QTest::addColumn<char>("suit");
    QTest::newRow("two of clubs") << 1 << '2' << 'C';
    QTest::newRow("ace of clubs") << 13 << 'A' << 'C';
    QTest::newRow("two of diamonds") << 14 << '2' << 'D';
    QTest::newRow("ten of hearts") << 35 << 'T' << 'H';
    QTest::newRow("two of spades") << 40 << '2' << 'S';
    QTest::newRow("jack of spades") << 49 << 'J' << 'S';
    QTest::newRow("ace of spades") << 52 << 'A' << 'S';
}

void EngineTest::cardLetters()
{
    QFETCH(int, card);
    QFETCH(char, rank);
    QFETCH(char, suit);
    QCOMPARE(RankLetter(card), rank);
    QCOMPARE(SuitLetter(card), suit);
}

void EngineTest::randomBelowOneAdvancesSeed()
{
    Deck deck = FixedDeck(12345);
    deck.SeedRandom();
    QCOMPARE(deck.Seed(), 12345u);
    QCOMPARE(deck.RandomBelow(1), 0);
    QCOMPARE(deck.Seed(), Lcg(12345));
    const std::uint32_t next = Lcg(Lcg(12345));
    QCOMPARE(deck.RandomBelow(52), static_cast<int>((std::uint64_t{next} * 52) >> 32));
}

void EngineTest::resetDeckOrdersAndSeeds()
{
    for (std::uint32_t time : {0u, 1u, 86'399'999u, 43'210'987u}) {
        Deck deck = FixedDeck(time);
        deck.ShuffleDeck();
        deck.ResetDeck();
        for (int i = 1; i <= deck.DeckSize(); ++i)
            QCOMPARE(deck.At(i), i);
        QCOMPARE(deck.DeckPos(), static_cast<int>((std::uint64_t{Lcg(time)} * 52) >> 32) + 1);
        QVERIFY(deck.DeckPos() >= 1 && deck.DeckPos() <= 52);
        QCOMPARE(deck.Seed(), time); // seeded again after the start position
    }
}

void EngineTest::nextCardWrapsAround()
{
    // Find a clock value whose reset puts the next-card position at 52.
    Deck deck = DeckResetAt(52);
    QCOMPARE(deck.NextCard(), deck.At(52));
    QCOMPARE(deck.DeckPos(), 1);
}

void EngineTest::dealFromPosition50TakesConsecutivePositions()
{
    Deck deck = DeckResetAt(50);
    deck.ShuffleDeck();
    QCOMPARE(deck.DeckPos(), 50); // the shuffle leaves the position alone
    for (int position : {50, 51, 52, 1, 2})
        QCOMPARE(deck.NextCard(), deck.At(position));
    for (int position : {3, 4, 5, 6, 7})
        QCOMPARE(deck.NextCard(), deck.At(position));
}

void EngineTest::shuffleIsDeterministicPermutation()
{
    Deck first = FixedDeck(777);
    Deck second = FixedDeck(777);
    first.ResetDeck();
    second.ResetDeck();
    for (int round = 0; round < 5; ++round) {
        first.ShuffleDeck();
        second.ShuffleDeck();
        std::set<Card> seen;
        for (int i = 1; i <= 52; ++i) {
            QCOMPARE(first.At(i), second.At(i));
            seen.insert(first.At(i));
        }
        QCOMPARE(seen.size(), std::size_t{52});
        QCOMPARE(*seen.begin(), 1);
        QCOMPARE(*seen.rbegin(), 52);
    }
    // Exactly 52 draws per shuffle.
    Deck deck = FixedDeck(99);
    deck.SeedRandom();
    deck.ShuffleDeck();
    std::uint32_t expected = 99;
    for (int i = 0; i < 52; ++i)
        expected = Lcg(expected);
    QCOMPARE(deck.Seed(), expected);
}

// Chi-square over the 52 x 52 table of (position, card) counts from many
// fixed seeds: a biased shuffle (position 52 never keeping its card) fails.
void EngineTest::shuffleIsUniform()
{
    constexpr int Shuffles = 26'000;
    std::array<std::array<int, 52>, 52> counts{};
    for (int s = 0; s < Shuffles; ++s) {
        Deck deck = FixedDeck(static_cast<std::uint32_t>(s) * 2'654'435'761u);
        deck.SeedRandom();
        deck.ShuffleDeck();
        for (int position = 1; position <= 52; ++position)
            ++counts[position - 1][deck.At(position) - 1];
    }
    const double expected = Shuffles / 52.0;
    double chiSquare = 0;
    for (const auto& row : counts) {
        for (int count : row)
            chiSquare += (count - expected) * (count - expected) / expected;
    }
    const double freedom = 51.0 * 51.0;
    QVERIFY2(chiSquare < freedom + 5 * std::sqrt(2 * freedom), qPrintable(QString::number(chiSquare)));
    QVERIFY(counts[51][51] > expected * 0.8); // position 52 keeps its card 1 time in 52
}

void EngineTest::evaluatorOverAllHands()
{
    std::array<long, CategoryCount> perCategory{};
    std::array<long, 4> perPairRank{};
    long flagErrors = 0;
    ForEachHand([&](const Hand& hand) {
        const auto [ranks, suits] = Letters(hand);
        WinCards flags{};
        const int result = EvaluateHand(ranks, suits, flags);
        const int code = CategoryOf(result);
        ++perCategory[code];
        if (code == JacksOrBetter)
            ++perPairRank[result == 0x101 ? 0 : result == 0x201 ? 1 : result == 0x401 ? 2 : 3];
        else if (result != code)
            ++flagErrors; // a pair bit outside a pair
        if (flags != ExpectedFlags(hand, code))
            ++flagErrors;
    });
    const std::array<long, CategoryCount> standard{2'062'860, 337'920, 123'552, 54'912, 10'200,
                                                   5'108, 3'744, 624, 36, 4};
    for (int code = 0; code < CategoryCount; ++code)
        QCOMPARE(perCategory[code], standard[code]);
    for (long count : perPairRank)
        QCOMPARE(count, 84'480L);
    QCOMPARE(flagErrors, 0L);
}

void EngineTest::evaluatorEdgeCases_data()
{
    QTest::addColumn<QString>("ranks");
    QTest::addColumn<QString>("suits");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("flags");
    QTest::newRow("low pair of twos") << "227K9" << "CDHSC" << 0 << "-----";
    QTest::newRow("pair of tens") << "TT4K9" << "CDHSC" << 0 << "-----";
    QTest::newRow("pair of jacks") << "J47J2" << "CDHSC" << 0x101 << "X--X-";
    QTest::newRow("pair of aces") << "AK3A5" << "CDHSC" << 0x801 << "X--X-";
    QTest::newRow("low two pair") << "22339" << "CDHSC" << 2 << "XXXX-";
    QTest::newRow("four fives") << "5555K" << "CDHSC" << 7 << "XXXX-";
    QTest::newRow("full house") << "K3K3K" << "CDHSC" << 6 << "XXXXX";
    QTest::newRow("three of a kind") << "9Q9A9" << "CDHSC" << 3 << "X-X-X";
    QTest::newRow("wheel straight") << "A2345" << "CDHSC" << 4 << "XXXXX";
    QTest::newRow("wheel straight flush") << "A2345" << "HHHHH" << 8 << "XXXXX";
    QTest::newRow("royal flush") << "TJQKA" << "SSSSS" << 9 << "XXXXX";
    QTest::newRow("royal shuffled") << "KATQJ" << "DDDDD" << 9 << "XXXXX";
    QTest::newRow("broadway straight") << "TJQKA" << "SSSSD" << 4 << "XXXXX";
    QTest::newRow("king high straight flush") << "9TJQK" << "CCCCC" << 8 << "XXXXX";
    QTest::newRow("no wrap around") << "QKA23" << "CDHSC" << 0 << "-----";
    QTest::newRow("flush with a jack") << "2579J" << "HHHHH" << 5 << "XXXXX";
    QTest::newRow("four suits of hearts but one") << "2579J" << "HHHHC" << 0 << "-----";
}

void EngineTest::evaluatorEdgeCases()
{
    QFETCH(QString, ranks);
    QFETCH(QString, suits);
    QFETCH(int, result);
    QFETCH(QString, flags);
    WinCards winCard{};
    QCOMPARE(EvaluateHand(ranks.toStdString(), suits.toStdString(), winCard), result);
    QString marks;
    for (bool flag : winCard)
        marks += flag ? 'X' : '-';
    QCOMPARE(marks, flags);
}

void EngineTest::evaluatorKeepsFlagsAlreadySet()
{
    WinCards winCard{};
    winCard[4] = true;
    QCOMPARE(EvaluateHand("3399K", "CDHSC", winCard), int{TwoPair});
    QCOMPARE(winCard, (WinCards{true, true, true, true, true}));
}

void EngineTest::handNames_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("name");
    QTest::newRow("nothing") << 0 << "Nothing";
    QTest::newRow("jacks") << 0x101 << "Pair of Jacks";
    QTest::newRow("queens") << 0x201 << "Pair of Queens";
    QTest::newRow("kings") << 0x401 << "Pair of Kings";
    QTest::newRow("aces") << 0x801 << "Pair of Aces";
    QTest::newRow("pair without rank") << 1 << "";
    QTest::newRow("two pair") << 2 << "Two Pair";
    QTest::newRow("trips") << 3 << "Three of a Kind";
    QTest::newRow("straight") << 4 << "Straight";
    QTest::newRow("flush") << 5 << "Flush";
    QTest::newRow("full house") << 6 << "Full House";
    QTest::newRow("quads") << 7 << "Four of a Kind";
    QTest::newRow("straight flush") << 8 << "Straight Flush";
    QTest::newRow("royal") << 9 << "Royal Flush";
    QTest::newRow("unknown") << 10 << "";
}

void EngineTest::handNames()
{
    QFETCH(int, result);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(HandName(result)), name);
}

void EngineTest::payouts_data()
{
    QTest::addColumn<int>("schedule");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("payout");
    // Per-credit values of categories 0..8 for each schedule, written out.
    const int table[6][9] = {
        {0, 1, 2, 3, 4, 6, 9, 25, 50}, {0, 1, 2, 3, 4, 5, 9, 25, 50}, {0, 1, 2, 3, 4, 6, 8, 25, 50},
        {0, 1, 2, 3, 4, 5, 8, 25, 50}, {0, 1, 2, 3, 4, 5, 7, 25, 50}, {0, 1, 2, 3, 4, 5, 6, 25, 50},
    };
    for (int schedule = 0; schedule < 6; ++schedule)
        for (int bet = 1; bet <= 5; ++bet) {
            for (int code = 0; code <= 9; ++code) {
                const int expected = code == 9 ? (bet == 5 ? 4000 : 250 * bet) : table[schedule][code] * bet;
                QTest::addRow("schedule %d code %d bet %d", schedule, code, bet) << schedule << code << bet << expected;
            }
            QTest::addRow("schedule %d code 10 bet %d", schedule, bet) << schedule << 10 << bet << 0;
        }
}

void EngineTest::payouts()
{
    QFETCH(int, schedule);
    QFETCH(int, code);
    QFETCH(int, bet);
    QFETCH(int, payout);
    PayTable table;
    table.ApplySchedule(schedule);
    QCOMPARE(table.PayoutFor(code, bet), payout);
}

void EngineTest::scheduleOutsideRangeLeavesTable()
{
    PayTable table;
    QCOMPARE(table.PerCredit(FullHouse), 8); // the start values
    QCOMPARE(table.PerCredit(Flush), 5);
    table.ApplySchedule(0);
    table.ApplySchedule(-1);
    table.ApplySchedule(6);
    QCOMPARE(table.PerCredit(FullHouse), 9);
    QCOMPARE(table.PerCredit(Flush), 6);
    QCOMPARE(table.PayoutFor(FullHouse, 5), 45);
}

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"
