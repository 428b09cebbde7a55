// Practice and the game's review without any window: grading, the practice
// deck, close calls, the game's mistake log and its graph.
#include "HandText.h"

#include "engine/Evaluator.h"
#include "game/AdvisorTables.h"
#include "game/GameReview.h"
#include "game/HeadlessPlay.h"
#include "game/PracticeSession.h"
#include "game/TableRound.h"

#include <QTest>

#include <algorithm>
#include <bit>
#include <numeric>

using namespace vel;

namespace {

Deck ClockDeck(std::uint32_t time)
{
    return Deck(StandardDeckSize, [time] { return time; });
}

int PayoutOf(const Hand& hand, const PayTable& pays, int bet)
{
    std::string ranks, suits;
    for (Card card : hand) {
        ranks += RankLetter(card);
        suits += SuitLetter(card);
    }
    WinCards flags{};
    return pays.PayoutFor(CategoryOf(EvaluateHand(ranks, suits, flags)), bet);
}

// Expected credits of holding `mask` of `dealt`: every set of replacement
// cards from the 47 unseen, each final hand paid.
double EnumeratedReturn(const Hand& dealt, unsigned mask, const PayTable& pays, int bet)
{
    std::vector<Card> unseen;
    for (Card card = 1; card <= StandardDeckSize; ++card) {
        if (std::find(dealt.begin(), dealt.end(), card) == dealt.end())
            unseen.push_back(card);
    }
    const int drawn = 5 - std::popcount(mask);
    std::vector<char> chosen(unseen.size(), 0); // the first `drawn` chosen, then every other choice
    std::fill_n(chosen.begin(), drawn, 1);
    std::int64_t total = 0, draws = 0;
    do {
        Hand final = dealt;
        std::size_t next = 0;
        for (std::size_t place = 0; place < final.size(); ++place) {
            if (mask >> place & 1)
                continue;
            while (!chosen[next])
                ++next;
            final[place] = unseen[next++];
        }
        total += PayoutOf(final, pays, bet);
        ++draws;
    } while (std::prev_permutation(chosen.begin(), chosen.end()));
    return static_cast<double>(total) / static_cast<double>(draws);
}

HandAdvice Advise(const Hand& dealt, const PayTable& pays, int bet)
{
    return {dealt, bet, AdvisorTables::Shared()->Analyze(dealt, pays, bet), std::nullopt};
}

// The best hold's lead over the best hold that is worse, per credit bet,
// worked out from the returns of all 32 holds.
double LeadOverWorse(const RankedHolds& holds, int bet)
{
    double best = -1, worse = -1;
    for (const HoldResult& hold : holds)
        best = std::max(best, hold.expectedCredits);
    for (const HoldResult& hold : holds) {
        if (hold.expectedCredits < best - 1e-9)
            worse = std::max(worse, hold.expectedCredits);
    }
    return (best - worse) / bet;
}

void NewGame(TableRound& round)
{
    round.ResetGame();
    round.ResetTable(false);
}

enum class Play { Best, Worst, SecondBest };

// A hand as the test saw it before the draw.
struct Played {
    Hand dealt{};
    int bet = 0;
    unsigned mask = 0;
    RankedHolds holds{}; // by enumeration
    int creditAfter = 0;
};

Played PlayOne(TableRound& round, Play play)
{
    Played seen;
    const HandOutcome outcome = PlayHand(round, [&](const Hand& dealt) {
        seen.dealt = dealt;
        seen.bet = round.State().CurrentBet;
        seen.holds = AnalyzeDirect(dealt, round.Pays(), seen.bet);
        seen.mask = play == Play::Best ? seen.holds.front().holdMask
                    : play == Play::Worst ? seen.holds.back().holdMask
                                           : seen.holds[1].holdMask;
        return seen.mask;
    });
    seen.creditAfter = outcome.creditAfter;
    return seen;
}

double ExpectedOf(const Played& hand, unsigned mask)
{
    return std::find_if(hand.holds.begin(), hand.holds.end(), [mask](const HoldResult& h) {
               return h.holdMask == mask;
           })->expectedCredits;
}

double CostOf(const Played& hand)
{
    return hand.holds.front().expectedCredits - ExpectedOf(hand, hand.mask);
}

const std::vector<Play> Script{Play::Best, Play::Worst, Play::Best, Play::SecondBest, Play::Worst, Play::Best};

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { AdvisorTables::Shared()->WaitUntilReady(); }
    void tiesGradedRight_data();
    void tiesGradedRight();
    void mistakeCostsWhatEveryDrawSays_data();
    void mistakeCostsWhatEveryDrawSays();
    void dealsAsTheTableDeals();
    void closeCallsOnlyWithinTheMargin();
    void practiceLogAndChartLine();
    void gameMistakesLoggedUntilNewGame();
    void graphOfScriptedGame();
};

void PracticeTest::tiesGradedRight_data()
{
    QTest::addColumn<QString>("dealt");
    QTest::addColumn<QString>("held");
    QTest::addColumn<bool>("right");
    // Four of a kind is made whether the fifth card is kept or replaced.
    QTest::newRow("quads, kicker kept") << "2C KC KD KH KS" << "2C KC KD KH KS" << true;
    QTest::newRow("quads, kicker drawn to") << "2C KC KD KH KS" << "KC KD KH KS" << true;
    QTest::newRow("quads, kicker last, kept") << "KC KD KH KS 2C" << "KC KD KH KS 2C" << true;
    QTest::newRow("quads broken up") << "2C KC KD KH KS" << "KC KD KH" << false;
    QTest::newRow("nothing worth keeping, five drawn") << "2C 7D 9H 4S 3C" << "" << true;
}

void PracticeTest::tiesGradedRight()
{
    QFETCH(QString, dealt);
    QFETCH(QString, held);
    QFETCH(bool, right);
    const Hand hand = handtext::HandOf(dealt);
    const PayTable pays = PayTable::ForSchedule(DefaultPaySchedule);
    const GradedHand graded = GradeHold(Advise(hand, pays, MaxBet), handtext::MaskOf(hand, held), pays, 1);
    QCOMPARE(graded.Right(), right);
    const double enumerated = EnumeratedReturn(hand, graded.advice.Best().holdMask, pays, MaxBet)
                              - EnumeratedReturn(hand, handtext::MaskOf(hand, held), pays, MaxBet);
    QVERIFY(qAbs(graded.Cost() - enumerated) < 1e-9);
    MistakeLog log;
    log.Add(graded);
    QCOMPARE(log.Hands(), 1);
    QCOMPARE(log.Mistakes().size(), std::size_t{right ? 0u : 1u});
    QCOMPARE(log.ShareRight(), right ? 1.0 : 0.0);
}

void PracticeTest::mistakeCostsWhatEveryDrawSays_data()
{
    QTest::addColumn<QString>("dealt");
    QTest::addColumn<QString>("held");
    QTest::addColumn<int>("schedule");
    QTest::addColumn<int>("bet");
    QTest::newRow("three of four to a royal") << "KH QH JH TH 2S" << "KH QH JH" << 0 << 5;
    QTest::newRow("royal draw kept with the odd card") << "KH QH JH TH 2S" << "KH QH JH TH 2S" << 0 << 5;
    QTest::newRow("two of four to a royal, bet 1") << "KH QH JH TH 2S" << "KH QH" << 0 << 1;
    QTest::newRow("pair of jacks thrown for a flush draw") << "JS JD 4D 8D 2D" << "JD 4D 8D" << 5 << 5;
    QTest::newRow("low pair kept with a kicker") << "5S 5D KC 9H 2D" << "5S 5D KC" << 2 << 3;
}

void PracticeTest::mistakeCostsWhatEveryDrawSays()
{
    QFETCH(QString, dealt);
    QFETCH(QString, held);
    QFETCH(int, schedule);
    QFETCH(int, bet);
    const Hand hand = handtext::HandOf(dealt);
    const unsigned mask = handtext::MaskOf(hand, held);
    const PayTable pays = PayTable::ForSchedule(schedule);
    const GradedHand graded = GradeHold(Advise(hand, pays, bet), mask, pays, 7);
    QVERIFY(!graded.Right());
    QCOMPARE(graded.order, 7);
    QCOMPARE(*graded.advice.playedMask, mask);
    // The best hold is the one no other hold beats, by every draw counted.
    double bestEnumerated = -1;
    for (unsigned other = 0; other < HoldCount; ++other) {
        if (std::popcount(other) >= 2) // holds of fewer cards draw too many to count here
            bestEnumerated = std::max(bestEnumerated, EnumeratedReturn(hand, other, pays, bet));
    }
    QCOMPARE(EnumeratedReturn(hand, graded.advice.Best().holdMask, pays, bet), bestEnumerated);
    const double cost = bestEnumerated - EnumeratedReturn(hand, mask, pays, bet);
    QVERIFY2(qAbs(graded.Cost() - cost) < 1e-9, qPrintable(QStringLiteral("%1 %2").arg(graded.Cost()).arg(cost)));
}

void PracticeTest::dealsAsTheTableDeals()
{
    PracticeSession practice;
    practice.UseDeck(ClockDeck(4242));
    Deck table = ClockDeck(4242);
    table.ResetDeck();
    for (int hand = 0; hand < 20; ++hand) {
        practice.Deal();
        table.ShuffleDeck();
        Hand expected{};
        for (Card& card : expected)
            card = table.NextCard();
        QCOMPARE(practice.Advice()->dealt, expected);
        QVERIFY(practice.HandWaiting());
        practice.Grade();
    }
    QCOMPARE(practice.PracticeDeck().DeckPos(), table.DeckPos());
}

// Every close call dealt is the first close call the deck offers from
// where the last one stopped, each judged from its own enumeration.
void PracticeTest::closeCallsOnlyWithinTheMargin()
{
    PracticeSession practice;
    practice.UseDeck(ClockDeck(99));
    practice.SetPayTable(PayTable::ForSchedule(0), MaxBet);
    practice.SetDealKind(PracticeSession::DealKind::CloseCalls);
    Deck table = ClockDeck(99);
    table.ResetDeck();
    int skipped = 0;
    for (int hand = 0; hand < 12; ++hand) {
        practice.Deal();
        for (;;) {
            table.ShuffleDeck();
            Hand next{};
            for (Card& card : next)
                card = table.NextCard();
            if (LeadOverWorse(AnalyzeDirect(next, PayTable::ForSchedule(0), MaxBet), MaxBet) < 0.1) {
                QCOMPARE(practice.Advice()->dealt, next);
                break;
            }
            ++skipped;
        }
        const RankedHolds& holds = practice.Advice()->holds;
        QVERIFY(*BestHoldMargin(holds, MaxBet) < CloseCallMargin);
        practice.Grade();
    }
    QVERIFY(skipped > 0); // not every hand is a close call

    // A table where every hold pays alike has no close calls: the deal gives up.
    PayList nothing{};
    practice.SetPayTable(*PayTable::FromPays(nothing), MaxBet);
    const int before = practice.PracticeDeck().DeckPos();
    practice.Deal();
    QVERIFY(!BestHoldMargin(practice.Advice()->holds, MaxBet));
    QVERIFY(practice.PracticeDeck().DeckPos() != before);
}

void PracticeTest::practiceLogAndChartLine()
{
    // The first deal of clock 1 for which four cards to a royal flush with an
    // odd card are dealt.
    PracticeSession practice;
    practice.SetPayTable(PayTable::ForSchedule(2), MaxBet);
    std::uint32_t clock = 0;
    Hand dealt{};
    unsigned royal = 0;
    for (;;) {
        Deck deck = ClockDeck(++clock);
        deck.ResetDeck();
        deck.ShuffleDeck();
        for (Card& card : dealt)
            card = deck.NextCard();
        royal = 0;
        for (int place = 0; place < 5; ++place)
            royal |= SuitOf(dealt[place]) == SuitOf(dealt[0]) && RankOf(dealt[place]) >= 8 ? 1u << place : 0u;
        const int suited = static_cast<int>(std::count_if(dealt.begin(), dealt.end(), [&](Card c) {
            return SuitOf(c) == SuitOf(dealt[0]);
        }));
        if (std::popcount(royal) == 4 && suited == 4)
            break;
    }
    practice.UseDeck(ClockDeck(clock));
    practice.Deal();
    QCOMPARE(practice.Advice()->dealt, dealt);
    const unsigned threeOfThem = royal & (royal - 1);
    for (int place = 1; place <= 5; ++place) {
        if (threeOfThem >> (place - 1) & 1)
            QVERIFY(practice.ToggleHold(place));
    }
    practice.Grade();
    QVERIFY(!practice.ToggleHold(1)); // graded: the holds stand
    const std::optional<GradedHand>& grade = practice.LastGrade();
    QVERIFY(grade && !grade->Right());
    QCOMPARE(grade->advice.Best().holdMask, royal);
    QCOMPARE(practice.Log().Mistakes().size(), std::size_t{1});
    // The chart's line: four to a royal flush, once the chart is worked out.
    QTRY_VERIFY_WITH_TIMEOUT(grade->chartLine && practice.Log().Mistakes().front().chartLine, 60000);
    const HoldPattern& line = HoldPatterns()[grade->chartLine->pattern];
    QCOMPARE(line.kind, PatternKind::RoyalDraw);
    QCOMPARE(line.cards, 4);
    QCOMPARE(practice.Log().Mistakes().front().chartLine->number, grade->chartLine->number);
}

void PracticeTest::gameMistakesLoggedUntilNewGame()
{
    TableRound round;
    round.GameDeck() = ClockDeck(321);
    AdvisorSession session(round);
    session.SetFollowing(true);
    GameReview review(session);
    NewGame(round);
    std::vector<Played> hands;
    for (Play play : Script)
        hands.push_back(PlayOne(round, play));

    const MistakeLog& log = review.Log();
    QCOMPARE(log.Hands(), static_cast<int>(Script.size()));
    std::vector<std::size_t> mistakes;
    double cost = 0;
    for (std::size_t i = 0; i < hands.size(); ++i) {
        if (CostOf(hands[i]) > 1e-9) {
            mistakes.push_back(i);
            cost += CostOf(hands[i]);
        }
    }
    QVERIFY(mistakes.size() >= 2); // the worst holds at least
    QCOMPARE(log.Mistakes().size(), mistakes.size());
    QCOMPARE(log.RightHands(), static_cast<int>(hands.size() - mistakes.size()));
    QVERIFY(qAbs(log.CostPer100Hands() - 100 * cost / hands.size()) < 1e-9);
    for (std::size_t i = 0; i < mistakes.size(); ++i) {
        const GradedHand& logged = log.Mistakes()[i];
        const Played& hand = hands[mistakes[i]];
        QCOMPARE(logged.order, static_cast<int>(mistakes[i]) + 1);
        QCOMPARE(logged.advice.dealt, hand.dealt);
        QCOMPARE(*logged.advice.playedMask, hand.mask);
        QCOMPARE(logged.advice.Best().expectedCredits, hand.holds.front().expectedCredits);
        QVERIFY(qAbs(logged.Cost() - CostOf(hand)) < 1e-9);
    }
    const std::vector<const GradedHand*> costliest = log.Costliest();
    QVERIFY(std::is_sorted(costliest.begin(), costliest.end(),
                           [](const GradedHand* a, const GradedHand* b) { return a->Cost() > b->Cost(); }));

    // Each mistake gets the first line of the chart in force that its hand shows.
    session.WaitForTables();
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(log.Mistakes().begin(), log.Mistakes().end(),
                                         [](const GradedHand& hand) { return hand.chartLine.has_value(); }),
                             60000);
    const StrategyChart chart = AdvisorTables::Shared()->Chart(round.Pays(), round.State().CurrentBet).result();
    for (const GradedHand& logged : log.Mistakes()) {
        const PatternHolds shown = MatchPatterns(logged.advice.dealt);
        const auto first = std::find_if(chart.lines.begin(), chart.lines.end(),
                                        [&](PatternId id) { return shown[id] != NoHold; });
        QCOMPARE(logged.chartLine->number, static_cast<int>(first - chart.lines.begin()) + 1);
        QCOMPARE(logged.chartLine->pattern, *first);
    }

    NewGame(round);
    QCOMPARE(log.Hands(), 0);
    QVERIFY(log.Mistakes().empty());
    QVERIFY(review.Graph().empty());
}

// The credit after each hand, and the start credit plus the best holds'
// returns less the bets; hands played while the advisor was closed move
// both lines by what they paid.
void PracticeTest::graphOfScriptedGame()
{
    TableRound round;
    round.GameDeck() = ClockDeck(777);
    AdvisorSession session(round);
    session.SetFollowing(true);
    GameReview review(session);
    NewGame(round);
    round.ChooseBet(3);
    std::vector<GraphPoint> expected{{0, StartingCredit, StartingCredit}};
    auto follow = [&](Play play) {
        const int creditBefore = round.State().Credit;
        const Played hand = PlayOne(round, play);
        const double before = expected.back().expected + (creditBefore - expected.back().credit);
        expected.push_back({round.State().HandsPlayed, hand.creditAfter,
                            before + hand.holds.front().expectedCredits - hand.bet});
    };
    for (Play play : Script)
        follow(play);
    session.SetFollowing(false);
    PlayOne(round, Play::Worst);
    PlayOne(round, Play::Best);
    session.SetFollowing(true);
    follow(Play::Best);
    follow(Play::Worst);

    const std::vector<GraphPoint>& graph = review.Graph();
    QCOMPARE(graph.size(), expected.size());
    for (std::size_t i = 0; i < graph.size(); ++i) {
        QCOMPARE(graph[i].hand, expected[i].hand);
        QCOMPARE(graph[i].credit, expected[i].credit);
        QVERIFY2(qAbs(graph[i].expected - expected[i].expected) < 1e-9, qPrintable(QString::number(i)));
    }
    QCOMPARE(graph.back().hand, static_cast<int>(Script.size()) + 4);
    QCOMPARE(graph.back().credit, round.State().Credit);
}

QTEST_GUILESS_MAIN(PracticeTest)
#include "tst_practice.moc"
