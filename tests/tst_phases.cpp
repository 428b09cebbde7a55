// The round decides its own course: what each phase accepts and refuses,
// a draw that ends the game, and one signal for each change.
#include "game/HeadlessPlay.h"
#include "game/TableRound.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <initializer_list>
#include <optional>

using namespace vel;

namespace {

enum class Verb : unsigned { ChooseBet, SetSchedule, Deal, ToggleHold, Draw, Pause, NewGame, LetStand };
constexpr Verb AllVerbs[] = {Verb::ChooseBet, Verb::SetSchedule, Verb::Deal,    Verb::ToggleHold,
                             Verb::Draw,      Verb::Pause,       Verb::NewGame, Verb::LetStand};

unsigned Accepts(std::initializer_list<Verb> verbs)
{
    unsigned mask = 0;
    for (Verb verb : verbs)
        mask |= 1u << static_cast<unsigned>(verb);
    return mask;
}

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

// Each verb, asked of the round as a player would; true when accepted.
bool Try(TableRound& round, Verb verb)
{
    switch (verb) {
    case Verb::ChooseBet: return round.ChooseBet(round.State().ChosenBet == 1 ? 2 : 1);
    case Verb::SetSchedule: return round.SetSchedule((round.State().Schedule + 3) % 6); // another full house
    case Verb::Deal: return round.Deal();
    case Verb::ToggleHold: return round.ToggleHold(1);
    case Verb::Draw: return round.Draw();
    case Verb::Pause: return round.TogglePause();
    case Verb::NewGame: return round.ResetGame();
    case Verb::LetStand: return round.LetGameOverStand();
    }
    return false;
}

// What the table shows as offered for the verbs it has a control for.
std::optional<bool> Offered(const TableRound& round, Verb verb)
{
    switch (verb) {
    case Verb::ChooseBet: return round.BetListOffered();
    case Verb::SetSchedule: return round.ScheduleListOffered();
    case Verb::Deal: return round.BetOffered();
    case Verb::ToggleHold: return round.CanHold();
    case Verb::Draw: return round.DrawOffered();
    case Verb::Pause: return round.PauseOffered();
    default: return std::nullopt;
    }
}

// Plays hands at bet 5, holding nothing, until the credit is gone.
void PlayToGameOver(TableRound& round)
{
    round.ChooseBet(MaxBet);
    while (round.GamePhase() != Phase::GameEnding) {
        round.Deal();
        round.Draw();
    }
}

// Brings a new round into `phase` and runs `check` there once; the moving
// phases are caught between cards, the settled one as the cards stand still.
void InPhase(TableRound& round, Phase phase, bool paused, const std::function<void()>& check)
{
    bool checked = false;
    const auto once = [&] {
        if (!checked && round.GamePhase() == phase && round.Paused() == paused) {
            checked = true;
            check();
        }
    };
    round.SetPacing({[&](int, TableRound::Next next) {
                         once();
                         next();
                     },
                     [](TableRound::Next next) { next(); }});
    QObject::connect(&round, &TableRound::cardsStill, once);
    UseClock(round, 17);
    NewGame(round);
    if (phase == Phase::GameEnding || phase == Phase::GameOver)
        PlayToGameOver(round);
    if (phase == Phase::GameOver)
        round.LetGameOverStand();
    if (phase != Phase::NewGame && phase != Phase::GameEnding && phase != Phase::GameOver)
        round.Deal();
    if (phase == Phase::Drawing || phase == Phase::Settled || phase == Phase::BetweenHands)
        round.Draw();
    if (paused)
        round.TogglePause();
    once();
}

} // namespace

Q_DECLARE_METATYPE(vel::Phase)
Q_DECLARE_METATYPE(Verb)

class PhasesTest : public QObject {
    Q_OBJECT
private slots:
    void verbsByPhase_data();
    void verbsByPhase();
    void betAndScheduleFixedDuringHand_data();
    void betAndScheduleFixedDuringHand();
    void drawEndsTheGameAtNoCredit();
    void oneCreditChangedPerChange_data();
    void oneCreditChangedPerChange();
};

void PhasesTest::verbsByPhase_data()
{
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<unsigned>("accepted");
    using enum Verb;
    QTest::newRow("new game") << Phase::NewGame << false << Accepts({ChooseBet, SetSchedule, Deal, NewGame});
    QTest::newRow("dealing") << Phase::Dealing << false << Accepts({});
    QTest::newRow("holding") << Phase::Holding << false << Accepts({ToggleHold, Draw, Pause, NewGame});
    QTest::newRow("drawing") << Phase::Drawing << false << Accepts({});
    QTest::newRow("settled") << Phase::Settled << false << Accepts({Pause, NewGame});
    QTest::newRow("between hands") << Phase::BetweenHands << false << Accepts({ChooseBet, Deal, Pause, NewGame});
    QTest::newRow("game ending") << Phase::GameEnding << false << Accepts({Pause, NewGame, LetStand});
    QTest::newRow("game over") << Phase::GameOver << false << Accepts({NewGame});
    QTest::newRow("paused holding") << Phase::Holding << true << Accepts({Pause, NewGame});
    QTest::newRow("paused between hands") << Phase::BetweenHands << true << Accepts({Pause, NewGame});
}

// Each verb is tried on a round of its own, so that an accepted one cannot
// change what the next one finds; what the table offers agrees.
void PhasesTest::verbsByPhase()
{
    QFETCH(Phase, phase);
    QFETCH(bool, paused);
    QFETCH(unsigned, accepted);
    for (Verb verb : AllVerbs) {
        TableRound round;
        bool checked = false;
        InPhase(round, phase, paused, [&] {
            checked = true;
            const bool expected = accepted >> static_cast<unsigned>(verb) & 1;
            const std::optional<bool> offered = Offered(round, verb);
            QCOMPARE(round.Paused(), paused);
            QCOMPARE(offered.value_or(expected), expected);
            QCOMPARE(Try(round, verb), expected);
        });
        QVERIFY2(checked, "the phase was never reached");
    }
}

void PhasesTest::betAndScheduleFixedDuringHand_data()
{
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<Verb>("verb");
    QTest::newRow("bet while dealing") << Phase::Dealing << Verb::ChooseBet;
    QTest::newRow("bet while holding") << Phase::Holding << Verb::ChooseBet;
    QTest::newRow("bet while drawing") << Phase::Drawing << Verb::ChooseBet;
    QTest::newRow("schedule while dealing") << Phase::Dealing << Verb::SetSchedule;
    QTest::newRow("schedule while holding") << Phase::Holding << Verb::SetSchedule;
    QTest::newRow("schedule while drawing") << Phase::Drawing << Verb::SetSchedule;
}

// A full house on the full-pay schedule at bet 5 pays 45 credits, whatever
// is asked for in the middle of the hand.
void PhasesTest::betAndScheduleFixedDuringHand()
{
    QFETCH(Phase, phase);
    QFETCH(Verb, verb);
    std::uint32_t clock = 1;
    for (;; ++clock) {
        TableRound probe;
        UseClock(probe, clock);
        NewGame(probe);
        if (CategoryOf(PlayHand(probe, {}).evaluation) == FullHouse)
            break;
    }
    TableRound round;
    round.SetPacing({[&](int, TableRound::Next next) {
                         if (round.GamePhase() == phase)
                             QVERIFY(!Try(round, verb));
                         next();
                     },
                     [](TableRound::Next next) { next(); }});
    UseClock(round, clock);
    NewGame(round);
    round.SetSchedule(0); // 9 / 6
    round.ChooseBet(MaxBet);
    QVERIFY(round.Deal());
    if (phase == Phase::Holding)
        QVERIFY(!Try(round, verb));
    QVERIFY(round.Draw());
    QCOMPARE(CategoryOf(*round.State().Evaluation), int(FullHouse));
    QCOMPARE(round.State().Payout, 45);
    QCOMPARE(round.State().Credit, StartingCredit - 5 + 45);
    QCOMPARE(round.State().Schedule, 0);
    QCOMPARE(round.State().ChosenBet, MaxBet);
}

// The model alone: the last losing draw ends the game once, and the round
// offers nothing but the player's answer.
void PhasesTest::drawEndsTheGameAtNoCredit()
{
    TableRound round;
    UseClock(round, 99);
    NewGame(round);
    round.ChooseBet(MaxBet);
    while (round.State().Credit > MaxBet || round.State().Credit == 0) {
        round.Deal();
        round.Draw();
        if (round.GamePhase() == Phase::GameEnding)
            NewGame(round);
    }
    QSignalSpy over(&round, &TableRound::gameOver);
    QSignalSpy credits(&round, &TableRound::creditChanged);
    int tries = 0;
    while (round.GamePhase() != Phase::GameEnding && ++tries < 1000) {
        QVERIFY(round.Deal());
        QVERIFY(round.Draw());
    }
    QCOMPARE(over.size(), 1);
    QCOMPARE(round.State().Credit, 0);
    QCOMPARE(credits.last().at(0).toInt(), 0);
    QVERIFY(!round.GameInProgress() && !round.BetOffered() && !round.DrawOffered());
    QVERIFY(!round.CloseNeedsQuestion() && !round.NewGameNeedsQuestion());
    QVERIFY(!round.Deal());
    QVERIFY(round.LetGameOverStand());
    QCOMPARE(round.GamePhase(), Phase::GameOver);
    QCOMPARE(over.size(), 1);
}

void PhasesTest::oneCreditChangedPerChange_data()
{
    QTest::addColumn<int>("bet");
    QTest::addColumn<unsigned>("holds");
    QTest::newRow("bet 5, holding nothing") << 5 << 0u;
    QTest::newRow("bet 1, holding everything") << 1 << 0x1Fu;
    QTest::newRow("bet 3, holding the first two") << 3 << 0x03u;
}

// The credits reported are exactly the balances the hands pass through:
// after each bet, after each paying hand, and 100 at each new game.
void PhasesTest::oneCreditChangedPerChange()
{
    QFETCH(int, bet);
    QFETCH(unsigned, holds);
    TableRound round;
    UseClock(round, 4242);
    NewGame(round);
    round.ChooseBet(bet);
    QSignalSpy credits(&round, &TableRound::creditChanged);
    QList<int> expected;
    for (int hand = 0; hand < 600; ++hand) {
        const HandOutcome outcome = PlayHand(round, [holds](const Hand&) { return holds; });
        expected << outcome.creditBefore - outcome.bet;
        if (outcome.payout > 0)
            expected << outcome.creditAfter;
        if (outcome.newGame)
            expected << StartingCredit;
    }
    QList<int> reported;
    for (const QList<QVariant>& signal : credits)
        reported << signal.at(0).toInt();
    QCOMPARE(reported, expected);
}

QTEST_GUILESS_MAIN(PhasesTest)
#include "tst_phases.moc"
