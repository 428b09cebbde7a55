// The round of play driven without any window.
#include "game/HeadlessPlay.h"
#include "game/TableRound.h"

#include <QSignalSpy>
#include <QTest>

#include <array>
#include <set>
#include <vector>

using namespace vel;

namespace {

// A round whose deck reads clock values from `first` on, one per reading.
void UseClock(TableRound& round, std::uint32_t first)
{
    round.GameDeck() = Deck(StandardDeckSize, [time = first]() mutable { return time++; });
}

void NewGame(TableRound& round)
{
    round.ResetGame();
    round.ResetTable(false);
}

HandOutcome PlayHoldingNothing(TableRound& round, int bet = MaxBet)
{
    round.ChooseBet(bet);
    return PlayHand(round, {});
}

// The first clock value for which a new game's hands, held as none, pay
// `payouts` at bet 5; the round is left after those hands.
std::uint32_t PlayFirstGameOf(TableRound& round, const std::vector<int>& payouts)
{
    for (std::uint32_t clock = 1;; ++clock) {
        UseClock(round, clock);
        NewGame(round);
        bool matched = true;
        for (int payout : payouts)
            matched = matched && PlayHoldingNothing(round).payout == payout;
        if (matched)
            return clock;
    }
}

// Plays hands held as none until the credit is exactly `credit`.
void PlayDownTo(TableRound& round, int credit)
{
    while (round.State().Credit != credit) {
        const int over = round.State().Credit - credit;
        PlayHoldingNothing(round, over >= MaxBet ? MaxBet : over);
        if (round.State().Credit < credit) // cannot happen: a bet never passes the target
            QFAIL("the credit went below the target");
    }
}

using Highlights = std::array<bool, StatusPanelCount>;

} // namespace

Q_DECLARE_METATYPE(Highlights)
Q_DECLARE_METATYPE(vel::ClockMove)

class RoundTest : public QObject {
    Q_OBJECT
private slots:
    void betCutToCredit_data();
    void betCutToCredit();
    void statisticsAndRecords_data();
    void statisticsAndRecords();
    void gameOverAndNewGame();
    void pauseRestoresWhatWasOffered_data();
    void pauseRestoresWhatWasOffered();
    void commandsRefusedWhileCardsMove();
    void questionsRightAfterFirstDeal();
    void scheduleChosenOnlyBeforeFirstDeal();
    void heldPlacesAndColours();
    void millionHandsHoldingNothing();
};

void RoundTest::betCutToCredit_data()
{
    QTest::addColumn<int>("credit");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("taken");
    QTest::newRow("3 credits, bet 5") << 3 << 5 << 3;
    QTest::newRow("5 credits, bet 5") << 5 << 5 << 5;
    QTest::newRow("1 credit, bet 2") << 1 << 2 << 1;
    QTest::newRow("4 credits, bet 3") << 4 << 3 << 3;
}

void RoundTest::betCutToCredit()
{
    QFETCH(int, credit);
    QFETCH(int, chosen);
    QFETCH(int, taken);
    TableRound round;
    UseClock(round, 7);
    NewGame(round);
    PlayDownTo(round, credit);
    round.ChooseBet(chosen);
    QVERIFY(round.Deal());
    QCOMPARE(round.State().CurrentBet, taken);
    QCOMPARE(round.State().ChosenBet, chosen); // the list keeps its choice
    QCOMPARE(round.State().Credit, credit - taken);
}

void RoundTest::statisticsAndRecords_data()
{
    QTest::addColumn<std::vector<int>>("payouts");
    QTest::addColumn<int>("hiWin");
    QTest::addColumn<int>("hiScore");
    QTest::addColumn<int>("loScore");
    QTest::addColumn<Highlights>("highlighted");
    QTest::addColumn<float>("average");
    // Panels: hands, average, Hi Win, Hi Score, Lo Score.
    QTest::newRow("first hand lost") << std::vector<int>{0} << 0 << 100 << 95
                                     << Highlights{false, false, false, false, true} << 0.0f;
    QTest::newRow("even money: equal scores") << std::vector<int>{5} << 5 << 100 << 100
                                              << Highlights{false, false, true, false, false} << 5.0f;
    QTest::newRow("equal Hi Win") << std::vector<int>{5, 5} << 5 << 100 << 100 << Highlights{} << 5.0f;
    QTest::newRow("equal Lo Score") << std::vector<int>{0, 5} << 5 << 100 << 95
                                    << Highlights{false, false, true, false, false} << 2.5f;
    QTest::newRow("two pair: new highs") << std::vector<int>{10} << 10 << 105 << 100
                                         << Highlights{false, false, true, true, false} << 10.0f;
}

void RoundTest::statisticsAndRecords()
{
    QFETCH(std::vector<int>, payouts);
    QFETCH(int, hiWin);
    QFETCH(int, hiScore);
    QFETCH(int, loScore);
    QFETCH(Highlights, highlighted);
    QFETCH(float, average);
    TableRound round;
    PlayFirstGameOf(round, payouts);
    const RoundState& state = round.State();
    QCOMPARE(state.HandsPlayed, static_cast<int>(payouts.size()));
    QCOMPARE(state.HiWin, hiWin);
    QCOMPARE(state.HiScore, hiScore);
    QCOMPARE(state.LoScore, loScore);
    QCOMPARE(state.Highlighted, highlighted);
    QCOMPARE(round.AverageWin(), average);
    QVERIFY(round.BetOffered() && round.BetListOffered() && !round.ScheduleListOffered() && !round.DrawOffered());
}

void RoundTest::gameOverAndNewGame()
{
    TableRound round;
    UseClock(round, 99);
    NewGame(round);
    round.ChooseBet(MaxBet);
    for (;;) { // by hand: the headless player would start the next game itself
        QVERIFY(round.Deal());
        QVERIFY(round.Draw());
        if (round.State().Credit <= 0)
            break;
    }
    QCOMPARE(round.State().Credit, 0);
    QVERIFY(!round.NewGameNeedsQuestion() && !round.CloseNeedsQuestion());
    QVERIFY(!round.GameInProgress()); // the round ended the game itself
    QVERIFY(!round.DrawOffered() && !round.BetOffered() && !round.BetListOffered());
    QSignalSpy clock(&round.Clock(), &GameClock::moved);
    round.LetGameOverStand();
    QCOMPARE(clock.count(), 1);
    QCOMPARE(clock.at(0).at(0).value<ClockMove>(), ClockMove::Stop);
    QVERIFY(round.HintsShown());
    QVERIFY(!round.State().Highlighted[LoScorePanel]);
    QVERIFY(!round.PauseOffered());
    QVERIFY(!round.Deal()); // only the menu is left

    NewGame(round);
    QCOMPARE(round.State().Credit, StartingCredit);
    QCOMPARE(round.State().HandsPlayed, 0);
    QVERIFY(!round.HintsShown());
    QVERIFY(round.ScheduleListOffered() && round.BetOffered());
    QVERIFY(round.Deal());
}

void RoundTest::pauseRestoresWhatWasOffered_data()
{
    QTest::addColumn<bool>("holding");
    QTest::newRow("hand waits for the draw") << true;
    QTest::newRow("between hands") << false;
}

void RoundTest::pauseRestoresWhatWasOffered()
{
    QFETCH(bool, holding);
    TableRound round;
    UseClock(round, 5);
    NewGame(round);
    QVERIFY(!round.PauseOffered()); // the clock has not started
    QVERIFY(!round.TogglePause());
    PlayHoldingNothing(round);
    if (holding)
        round.Deal();
    const std::array<bool, 4> before{round.DrawOffered(), round.BetOffered(), round.BetListOffered(), round.CanHold()};
    QSignalSpy clock(&round.Clock(), &GameClock::moved);
    QVERIFY(round.TogglePause());
    QVERIFY(round.Paused());
    QVERIFY(!round.DrawOffered() && !round.BetOffered() && !round.BetListOffered() && !round.CanHold());
    QVERIFY(!round.ToggleHold(1));
    QVERIFY(!round.Deal() && !round.Draw());
    QVERIFY(round.TogglePause());
    QCOMPARE(round.DrawOffered(), before[0]);
    QCOMPARE(round.BetOffered(), before[1]);
    QCOMPARE(round.BetListOffered(), before[2]);
    QCOMPARE(round.CanHold(), before[3]);
    QCOMPARE(round.CanHold(), holding);
    QCOMPARE(clock.count(), 2);
    QCOMPARE(clock.at(0).at(0).value<ClockMove>(), ClockMove::Pause);
    QCOMPARE(clock.at(1).at(0).value<ClockMove>(), ClockMove::Resume);
}

// Between the cards of a deal or a draw other commands can arrive.
void RoundTest::commandsRefusedWhileCardsMove()
{
    TableRound round;
    UseClock(round, 11);
    NewGame(round);
    PlayHoldingNothing(round); // the clock runs: pause would be offered
    int steps = 0;
    const auto tryEverything = [&] {
        ++steps;
        QVERIFY(round.Busy());
        QVERIFY(!round.Deal());
        QVERIFY(!round.Draw());
        QVERIFY(!round.ToggleHold(1));
        QVERIFY(!round.TogglePause());
        round.Defer(DeferredNewGame);
    };
    TableRound::Next celebrationOver;
    round.SetCelebrateLevel(Nothing); // every hand is celebrated
    round.SetPacing({[&](int, TableRound::Next next) {
                         tryEverything();
                         next();
                     },
                     [&](TableRound::Next next) { celebrationOver = std::move(next); }});
    QVERIFY(round.Deal());
    QCOMPARE(steps, 5); // after the blanking and after cards 1 to 4
    round.ToggleHold(1);
    steps = 0;
    QVERIFY(round.Draw());
    QCOMPARE(steps, 4); // place 1 is held, place 5 is the last: no pause for either
    QVERIFY(round.Busy()); // until the celebration is over
    celebrationOver();
    QCOMPARE(round.TakeDeferred(), unsigned{DeferredNewGame});
    QCOMPARE(round.TakeDeferred(), 0u);
}

void RoundTest::questionsRightAfterFirstDeal()
{
    TableRound round;
    UseClock(round, 3);
    NewGame(round);
    QVERIFY(!round.NewGameNeedsQuestion() && !round.CloseNeedsQuestion());
    round.Deal();
    QVERIFY(!round.NewGameNeedsQuestion()); // no completed hand yet
    QVERIFY(round.CloseNeedsQuestion());
    round.Draw();
    QCOMPARE(round.NewGameNeedsQuestion(), round.State().Credit > 0);
}

void RoundTest::scheduleChosenOnlyBeforeFirstDeal()
{
    TableRound round;
    UseClock(round, 8);
    NewGame(round);
    round.SetSchedule(0);
    QCOMPARE(round.Pays().PerCredit(FullHouse), 9);
    round.SetSchedule(6); // no such schedule: the table stays
    QCOMPARE(round.State().Schedule, 0);
    QVERIFY(round.ScheduleListOffered());
    for (int hand = 0; hand < 3; ++hand) {
        PlayHoldingNothing(round);
        QVERIFY(!round.ScheduleListOffered());
    }
    NewGame(round);
    QVERIFY(round.ScheduleListOffered());
}

void RoundTest::heldPlacesAndColours()
{
    TableRound round;
    UseClock(round, 21);
    NewGame(round);
    QVERIFY(!round.ToggleHold(2)); // nothing dealt
    round.Deal();
    const Hand dealt = round.State().Hand;
    QVERIFY(round.ToggleHold(2));
    QVERIFY(round.ToggleHold(4));
    QVERIFY(round.ToggleHold(4));
    QCOMPARE(round.State().Colors[1], PlaceColor::Hold);
    QCOMPARE(round.State().Colors[3], PlaceColor::Panel);
    QVERIFY(round.State().HoldShown[1] && !round.State().HoldShown[3]);
    round.TogglePause();
    round.RecolourPlaces(); // new colours while paused: Draw is not on offer
    QCOMPARE(round.State().Colors[1], PlaceColor::Panel);
    QVERIFY(round.State().Held[1]);
    round.TogglePause();
    round.Draw();
    QCOMPARE(round.State().Hand[1], dealt[1]);
    QVERIFY(round.State().Held[1]); // holds stand until the next deal
    QVERIFY(!round.State().HoldShown[1]);
    QCOMPARE(round.State().Shown, round.State().Hand);
}

// Five fresh cards are five cards from a full deck: the final hands follow
// the distribution of all 2,598,960 hands, and every hand balances.
void RoundTest::millionHandsHoldingNothing()
{
    constexpr int Hands = 1'000'000;
    const std::array<double, CategoryCount> allHands{2'062'860, 337'920, 123'552, 54'912, 10'200,
                                                     5'108,     3'744,   624,     36,     4};
    std::array<int, CategoryCount> seen{};
    TableRound round;
    UseClock(round, 20261208);
    NewGame(round);
    for (int hand = 0; hand < Hands; ++hand) {
        const HandOutcome outcome = PlayHoldingNothing(round);
        if (outcome.creditAfter != outcome.creditBefore - outcome.bet + outcome.payout)
            QFAIL(qPrintable(QStringLiteral("hand %1 does not balance").arg(hand)));
        std::set<Card> cards(outcome.dealt.begin(), outcome.dealt.end());
        cards.insert(outcome.final.begin(), outcome.final.end());
        if (cards.size() != 10)
            QFAIL(qPrintable(QStringLiteral("hand %1 repeats a card").arg(hand)));
        ++seen[CategoryOf(outcome.evaluation)];
    }
    // Royal and straight flushes share a cell so that each cell expects at
    // least five hands; eight degrees of freedom, p = 0.001.
    double chiSquare = 0;
    for (int code = Nothing; code <= StraightFlush; ++code) {
        const double observed = seen[code] + (code == StraightFlush ? seen[RoyalFlush] : 0);
        const double share = allHands[code] + (code == StraightFlush ? allHands[RoyalFlush] : 0);
        const double expected = Hands * share / 2'598'960.0;
        chiSquare += (observed - expected) * (observed - expected) / expected;
    }
    QVERIFY2(chiSquare < 26.12, qPrintable(QString::number(chiSquare)));
}

QTEST_GUILESS_MAIN(RoundTest)
#include "tst_round.moc"
