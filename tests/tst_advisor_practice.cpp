// The advisor's practice, mistakes and graph pages through the real
// widgets, played from the keyboard as a player would.
#include "AdvisorFixture.h"

#include "engine/HandParser.h"
#include "game/AdvisorGraph.h"
#include "game/AdvisorMistakes.h"
#include "game/AdvisorPractice.h"
#include "game/GameReview.h"
#include "game/HeadlessPlay.h"
#include "game/PracticeSession.h"
#include "game/TableWidgets.h"
#include "views/EngineText.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLayout>
#include <QLineSeries>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

using namespace advisorfixture;

namespace {

// What the practice must never change on the table.
struct TableSnapshot {
    vel::RoundState state;
    vel::Phase phase;
    bool paused;
    int deckPos;
    std::uint32_t seed;
    int ledgerHands;

    explicit TableSnapshot(TForm1& table, const TAdvisorForm& advisor)
        : state(table.State()), phase(table.Round().GamePhase()), paused(table.Round().Paused()), deckPos(table.GameDeck().DeckPos()), seed(table.GameDeck().Seed()),
          ledgerHands(advisor.Ledger().hands)
    {
    }
    bool operator==(const TableSnapshot& other) const
    {
        const vel::RoundState& a = state;
        const vel::RoundState& b = other.state;
        return a.Credit == b.Credit && a.CurrentBet == b.CurrentBet && a.Hand == b.Hand && a.Held == b.Held
               && phase == other.phase && paused == other.paused && a.HandsPlayed == b.HandsPlayed && a.TotalWon == b.TotalWon
               && a.HiWin == b.HiWin && a.HiScore == b.HiScore && a.LoScore == b.LoScore
               && deckPos == other.deckPos && seed == other.seed
               && ledgerHands == other.ledgerHands;
    }
};

// "King of Hearts and Queen of Hearts" as the grade is spoken.
QString Spoken(const vel::Hand& dealt, unsigned mask)
{
    QStringList names;
    for (int i = 0; i < 5; ++i) {
        if (mask >> i & 1)
            names << CardName(dealt[i]);
    }
    if (names.isEmpty())
        return QStringLiteral("draw five new cards");
    const QString last = names.takeLast();
    return names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

TAdvisorForm* OpenAndActivate(TForm1& table)
{
    TAdvisorForm* advisor = OpenAdvisor(table);
    if (!advisor)
        return nullptr;
    advisor->activateWindow(); // the player clicks into it
    return QTest::qWaitFor([advisor] { return QApplication::activeWindow() == advisor; }) ? advisor : nullptr;
}

// Types into the advisor's focused control, as the keyboard would.
void Type(TAdvisorForm& advisor, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(advisor.focusWidget() ? advisor.focusWidget() : &advisor, static_cast<Qt::Key>(key), modifiers);
}

QToolButton* Card(const TAdvisorForm& advisor, int place)
{
    return advisor.findChild<QToolButton*>(QStringLiteral("PracticeCard%1").arg(place));
}

QTabWidget* TrainingTabs(const TAdvisorForm& advisor)
{
    return advisor.findChild<QTabWidget*>(QStringLiteral("TrainingTabs"));
}

Page CurrentPage(const TAdvisorForm& advisor)
{
    return static_cast<Page>(advisor.findChild<QTabBar*>(QStringLiteral("AdvisorTabs"))->currentIndex());
}

vel::Hand NextHand(vel::Deck& deck)
{
    deck.ShuffleDeck();
    vel::Hand hand{};
    for (vel::Card& card : hand)
        card = deck.NextCard();
    return hand;
}

vel::Deck ClockDeck(std::uint32_t time)
{
    vel::Deck deck(vel::StandardDeckSize, [time] { return time; });
    deck.ResetDeck();
    return deck;
}

// A table hand held as `mask` of its holds: 0 best, 1 the other cards, 2 the worst.
struct TableHand {
    vel::Hand dealt;
    unsigned mask;
    vel::RankedHolds holds;
    int bet;
    double Cost() const { return holds[0].expectedCredits - HoldOf(holds, mask).expectedCredits; }
};

TableHand PlayTableHand(TForm1& table, int how)
{
    Deal(table);
    TableHand hand{table.State().Hand, 0, EngineHolds(table), table.State().CurrentBet};
    hand.mask = how == 0 ? hand.holds[0].holdMask : how == 1 ? hand.holds[0].holdMask ^ 0x1F : hand.holds.back().holdMask;
    SetHolds(table, hand.mask);
    Draw(table);
    return hand;
}

} // namespace

class AdvisorPracticeTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QFile::remove(sandbox_.ConfigFile());
    }
    void keyboardOnlyPractice();
    void practiceOnTheChosenTable_data();
    void practiceOnTheChosenTable();
    void practiceLeavesTheTableAlone_data();
    void practiceLeavesTheTableAlone();
    void mistakesOfTheGameAndThePractice();
    void graphOfTheGame();
    void longGameStaysQuickToDraw();
    void pagesFitTheAdvisor();

private:
    Sandbox sandbox_;
};

void AdvisorPracticeTest::keyboardOnlyPractice()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAndActivate(*table);
    QVERIFY(advisor);
    auto* practice = advisor->findChild<vel::PracticeSession*>();
    practice->UseDeck(ClockDeck(2024));
    vel::Deck deck = ClockDeck(2024);
    Type(*advisor, Qt::Key_I, Qt::AltModifier); // the Practice page
    QCOMPARE(CurrentPage(*advisor), TrainingPage);
    QVERIFY(advisor->findChild<TPracticePage*>()->isVisible());
    QPushButton* button = Button(*advisor, "PracticeButton");
    QCOMPARE(advisor->focusWidget(), button);
    QCOMPARE(Text(*advisor, "PracticePayTable"), QStringLiteral("Graded on 8 / 6 - Med Pay at a bet of 5."));

    const int hands = 10;
    double cost = 0;
    int right = 0;
    for (int hand = 0; hand < hands; ++hand) {
        const vel::Hand dealt = NextHand(deck);
        for (int place = 1; place <= 5; ++place) {
            auto* card = Card(*advisor, place);
            QCOMPARE(card->text(), vel::CardSymbol(dealt[place - 1]));
            QCOMPARE(card->accessibleName(), CardName(dealt[place - 1]));
        }
        QCOMPARE(button->text(), QStringLiteral("Grade my hold (Enter)"));
        const vel::RankedHolds holds = vel::AnalyzeDirect(dealt, table->PayTable(), vel::MaxBet);
        const unsigned mask = hand % 2 == 0 ? holds[0].holdMask : holds.back().holdMask;
        for (int place = 1; place <= 5; ++place) {
            if (mask >> (place - 1) & 1)
                Type(*advisor, '0' + place);
        }
        for (int place = 1; place <= 5; ++place) {
            const bool held = mask >> (place - 1) & 1;
            QCOMPARE(Card(*advisor, place)->isChecked(), held);
            QCOMPARE(Text(*advisor, qPrintable(QStringLiteral("PracticeHold%1").arg(place))),
                     held ? QStringLiteral("HOLD") : QString());
        }
        Type(*advisor, Qt::Key_Return); // grade
        const double lost = holds[0].expectedCredits - HoldOf(holds, mask).expectedCredits;
        const QString grade = PlainText(*advisor, "PracticeGrade");
        if (lost <= 1e-9) {
            ++right;
            QVERIFY2(grade.startsWith(QStringLiteral("Right.")), qPrintable(grade));
            QCOMPARE(advisor->focusWidget()->accessibleDescription(), QStringLiteral("Right: ") + Spoken(dealt, mask));
        } else {
            cost += lost;
            QVERIFY2(grade.startsWith(QStringLiteral("Mistake, it costs %1 credits.").arg(Credits(lost))),
                     qPrintable(grade));
            QVERIFY(grade.contains(QStringLiteral("the best hold, %1,").arg(vel::HoldText(dealt, holds[0].holdMask))));
            QCOMPARE(advisor->focusWidget()->accessibleDescription(),
                     QStringLiteral("Mistake, costs %1 credits: best is %2").arg(Credits(lost), Spoken(dealt, holds[0].holdMask)));
        }
        QCOMPARE(button->text(), QStringLiteral("Next hand (Enter)"));
        Type(*advisor, '1'); // a graded hand keeps its holds
        QCOMPARE(Card(*advisor, 1)->isChecked(), bool(mask & 1));
        Type(*advisor, Qt::Key_Enter); // the next hand, from the keypad's Enter too
    }
    QCOMPARE(right, hands / 2);
    QVERIFY(PlainText(*advisor, "PracticeScore")
                .startsWith(QStringLiteral("Your practice so far. Hands: 10. Right: 50%. Lost per 100 hands: %1 credits.")
                                .arg(Credits(100 * cost / hands))));
    QVERIFY(PlainText(*advisor, "PracticeScore").contains(QStringLiteral("Costliest mistakes:")));
}

void AdvisorPracticeTest::practiceOnTheChosenTable_data()
{
    QTest::addColumn<QString>("listItem");
    QTest::addColumn<int>("bet");
    QTest::addColumn<QString>("flushPays"); // typed into the editor of a table of one's own
    QTest::addColumn<QString>("tableName");
    QTest::newRow("another schedule, bet 2") << vel::ScheduleText(5) << 2 << QString() << vel::ScheduleText(5);
    QTest::newRow("own table, a flush paying 20") << "Custom" << 5 << "20" << "your own pay table";
}

// The table chosen above the Practice page, as on the Odds page, is the one
// the holds are graded on; the waiting hand is graded on it at once.
void AdvisorPracticeTest::practiceOnTheChosenTable()
{
    QFETCH(QString, listItem);
    QFETCH(int, bet);
    QFETCH(QString, flushPays);
    QFETCH(QString, tableName);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAndActivate(*table);
    QVERIFY(advisor);
    vel::PayList pays = vel::PayTable::ForSchedule(table->State().Schedule).Pays();
    if (!flushPays.isEmpty()) { // the editor sits on the Odds page
        ShowPage(*advisor, OddsPage);
        QVERIFY(ChoosePayTable(*advisor, listItem));
        TypeInto(Box(*advisor, QStringLiteral("PayBox5")), flushPays);
        pays[5] = flushPays.toInt();
    } else {
        pays = vel::PayTable::ForSchedule(5).Pays();
    }
    const vel::PayTable chosen = *vel::PayTable::FromPays(pays);
    Type(*advisor, Qt::Key_I, Qt::AltModifier);
    QVERIFY(PayTableList(*advisor)->isVisible()); // the same choice, above the practice
    if (flushPays.isEmpty())
        QVERIFY(ChoosePayTable(*advisor, listItem));
    auto* betBox = advisor->findChild<QSpinBox*>(QStringLiteral("PayTableBet"));
    betBox->setFocus();
    betBox->selectAll();
    QTest::keyClick(betBox, static_cast<Qt::Key>('0' + bet));
    QCOMPARE(Text(*advisor, "PracticePayTable"),
             QStringLiteral("Graded on %1 at a bet of %2.").arg(tableName, QString::number(bet)));
    auto* practice = advisor->findChild<vel::PracticeSession*>();
    QVERIFY(practice->Pays() == chosen);
    QCOMPARE(practice->Bet(), bet);

    Button(*advisor, "PracticeButton")->setFocus(); // Tab, for the player
    for (int hand = 0; hand < 3; ++hand) {
        const vel::Hand dealt = practice->Advice()->dealt;
        const vel::RankedHolds holds = vel::AnalyzeDirect(dealt, chosen, bet);
        const unsigned worst = holds.back().holdMask;
        for (int place = 1; place <= 5; ++place) {
            if (worst >> (place - 1) & 1)
                Type(*advisor, '0' + place);
        }
        Type(*advisor, Qt::Key_Return);
        const double lost = holds[0].expectedCredits - holds.back().expectedCredits;
        QVERIFY2(PlainText(*advisor, "PracticeGrade")
                     .startsWith(QStringLiteral("Mistake, it costs %1 credits.").arg(Credits(lost))),
                 qPrintable(PlainText(*advisor, "PracticeGrade")));
        Type(*advisor, Qt::Key_Return);
    }
    QCOMPARE(table->State().Schedule, vel::DefaultPaySchedule); // the table plays on as before
}

void AdvisorPracticeTest::practiceLeavesTheTableAlone_data()
{
    QTest::addColumn<bool>("tableHolding");
    QTest::newRow("table between hands") << false;
    QTest::newRow("table hand waiting for the draw") << true;
}

// Keys, clicks and Space in the practice play the practice hand only.
void AdvisorPracticeTest::practiceLeavesTheTableAlone()
{
    QFETCH(bool, tableHolding);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAndActivate(*table);
    QVERIFY(advisor);
    PlayTableHand(*table, 1);
    if (tableHolding)
        Deal(*table);
    auto* practice = advisor->findChild<vel::PracticeSession*>();
    const TableSnapshot before(*table, *advisor);
    Type(*advisor, Qt::Key_I, Qt::AltModifier);
    for (int hand = 0; hand < 6; ++hand) {
        Type(*advisor, '2');
        QTest::mouseClick(Card(*advisor, 4), Qt::LeftButton);
        QCOMPARE(practice->HeldMask(), 0b01010u);
        Type(*advisor, hand % 2 ? Qt::Key_Return : Qt::Key_Space); // Space presses the focused button
        QVERIFY(practice->LastGrade());
        Type(*advisor, Qt::Key_Return);
        QVERIFY(practice->HandWaiting());
    }
    QCOMPARE(practice->Log().Hands(), 6);
    QVERIFY(TableSnapshot(*table, *advisor) == before);
    QCOMPARE(advisor->findChild<vel::GameReview*>()->Log().Hands(), 1);
    // Back on This Hand, the advisor's keys play on the table again.
    ShowPage(*advisor, HandPage);
    Type(*advisor, Qt::Key_Return);
    QCOMPARE(table->State().HandsPlayed, tableHolding ? 2 : 1);
    QCOMPARE(table->Round().CanHold(), !tableHolding);
}

void AdvisorPracticeTest::mistakesOfTheGameAndThePractice()
{
    const KnownDeal deal = FindDeal(DealKind::FourToRoyal);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, deal.clock);
    TAdvisorForm* advisor = OpenAndActivate(*table);
    QVERIFY(advisor);
    std::vector<TableHand> played;
    for (int how : {1, 0, 2, 0})
        played.push_back(PlayTableHand(*table, how));
    const double cost = played[0].Cost() + played[2].Cost();
    QVERIFY(played[0].Cost() > 1 && played[2].Cost() > 0.01); // the royal draw thrown away, the worst hold

    Type(*advisor, Qt::Key_I, Qt::AltModifier); // Training, then its Mistakes
    Type(*advisor, Qt::Key_M, Qt::AltModifier);
    QCOMPARE(CurrentPage(*advisor), TrainingPage);
    QVERIFY(advisor->findChild<TMistakesPage*>()->isVisible());
    QCOMPARE(Text(*advisor, "MistakesGrade"),
             QStringLiteral("Hands: 4. Right: 50%. Lost per 100 hands: %1 credits.").arg(Credits(100 * cost / 4)));
    QTableWidget* mistakes = Table(*advisor, "MistakesTable");
    QCOMPARE(mistakes->rowCount(), 2);
    // Costliest first: the royal draw thrown away.
    const int costliest = played[0].Cost() > played[2].Cost() ? 0 : 2;
    const TableHand& first = played[costliest];
    QCOMPARE(mistakes->item(0, 0)->text(), QString::number(costliest + 1));
    QCOMPARE(mistakes->item(0, 1)->text(), vel::HoldText(first.dealt, 0x1F));
    QCOMPARE(mistakes->item(0, 2)->text(), vel::HoldText(first.dealt, first.mask));
    QCOMPARE(mistakes->item(0, 3)->text(), Credits(first.Cost()));
    QVERIFY(PlainText(*advisor, "MistakeDetail")
                .startsWith(QStringLiteral("Best hold: %1, %2 credits on average")
                                .arg(vel::HoldText(first.dealt, first.holds[0].holdMask),
                                     Credits(first.holds[0].expectedCredits))));
    auto* order = advisor->findChild<QComboBox*>(QStringLiteral("MistakesOrderChoice"));
    order->setCurrentIndex(1);
    QCOMPARE(Column(*mistakes, 0), (QStringList{"1", "3"}));

    // Shown again with all 32 holds, the hold played marked.
    QTest::mouseClick(Button(*advisor, "ShowAllHoldsButton"), Qt::LeftButton);
    QTableWidget* holds = Table(*advisor, "HoldsTable");
    QCOMPARE(CurrentPage(*advisor), HandPage);
    QVERIFY(holds->isVisible());
    QCOMPARE(PlainText(*advisor, "HandLabel"),
             QStringLiteral("Mistake under review, hand 1 as dealt: ") + vel::HoldText(played[0].dealt, 0x1F));
    QCOMPARE(holds->rowCount(), vel::HoldCount);
    QCOMPARE(Column(*holds, 0).filter(QStringLiteral("(your hold)")),
             QStringList{vel::HoldText(played[0].dealt, played[0].mask) + QStringLiteral(" (your hold)")});
    QVERIFY(!Button(*advisor, "HoldTheseButton")->isEnabled());
    // From there to Any Hand, to try it on other tables: the mistake's hand, not the table's.
    QTest::mouseClick(Button(*advisor, "AnalyseButton"), Qt::LeftButton);
    QCOMPARE(CurrentPage(*advisor), AnyHandPage);
    QCOMPARE(vel::ParseHand(Box(*advisor, "AnyHandBox")->text().toStdString()).cards, played[0].dealt);

    // Practice mistakes are listed apart.
    Type(*advisor, Qt::Key_I, Qt::AltModifier); // Training, still on its Mistakes
    QVERIFY(advisor->findChild<TMistakesPage*>()->isVisible());
    TrainingTabs(*advisor)->setCurrentWidget(advisor->findChild<TPracticePage*>());
    auto* practice = advisor->findChild<vel::PracticeSession*>();
    const vel::RankedHolds practiceHolds = practice->Advice()->holds;
    Type(*advisor, Qt::Key_Return); // nothing held
    const bool drawFiveIsBest = practiceHolds[0].expectedCredits - HoldOf(practiceHolds, 0).expectedCredits <= 1e-9;
    Type(*advisor, Qt::Key_M, Qt::AltModifier);
    advisor->findChild<QComboBox*>(QStringLiteral("MistakesLogChoice"))->setCurrentIndex(1);
    QCOMPARE(mistakes->rowCount(), drawFiveIsBest ? 0 : 1);
    QVERIFY(Text(*advisor, "MistakesGrade").startsWith(QStringLiteral("Hands: 1. Right: %1%.").arg(drawFiveIsBest ? 100 : 0)));

    // A new game starts a new log.
    advisor->findChild<QComboBox*>(QStringLiteral("MistakesLogChoice"))->setCurrentIndex(0);
    BoxAnswerer yes(QMessageBox::Yes);
    table->New1Click();
    QCOMPARE(mistakes->rowCount(), 0);
    QCOMPARE(Text(*advisor, "MistakesGrade"), QStringLiteral("Hands: 0. Right: 0%. Lost per 100 hands: 0.00 credits."));
}

void AdvisorPracticeTest::graphOfTheGame()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, 31337);
    TAdvisorForm* advisor = OpenAndActivate(*table);
    QVERIFY(advisor);
    QList<QPointF> credit{{0, 100}}, expected{{0, 100}};
    for (int how : {0, 2, 1, 0, 2}) {
        const TableHand hand = PlayTableHand(*table, how);
        credit << QPointF(table->State().HandsPlayed, table->State().Credit);
        expected << QPointF(table->State().HandsPlayed, expected.back().y() + hand.holds[0].expectedCredits - hand.bet);
    }
    Type(*advisor, Qt::Key_I, Qt::AltModifier);
    Type(*advisor, Qt::Key_G, Qt::AltModifier);
    QCOMPARE(CurrentPage(*advisor), TrainingPage);
    QVERIFY(advisor->findChild<TGraphPage*>()->isVisible());
    auto* view = advisor->findChild<QChartView*>(QStringLiteral("GameGraph"));
    const QList<QAbstractSeries*> series = view->chart()->series();
    QCOMPARE(series.size(), 2);
    const auto* creditLine = static_cast<QLineSeries*>(series[0]);
    const auto* expectedLine = static_cast<QLineSeries*>(series[1]);
    QCOMPARE(creditLine->name(), QStringLiteral("Credit"));
    QCOMPARE(expectedLine->name(), QStringLiteral("Expected with the best holds"));
    QCOMPARE(creditLine->points(), credit);
    const QList<QPointF> drawn = expectedLine->points();
    QCOMPARE(drawn.size(), expected.size());
    for (int i = 0; i < drawn.size(); ++i) {
        QCOMPARE(drawn[i].x(), expected[i].x());
        QVERIFY(qAbs(drawn[i].y() - expected[i].y()) < 1e-9);
    }
    const QString summary = QStringLiteral("After hand 5: credit %1; expected with the best holds %2.")
                                .arg(QLocale().toString(table->State().Credit), Credits(expected.back().y()));
    QCOMPARE(Text(*advisor, "GraphSummary"), summary);
    QCOMPARE(view->accessibleDescription(), summary);
    // One more hand adds one point to each line.
    PlayTableHand(*table, 0);
    QCOMPARE(creditLine->count(), 7);
    QCOMPARE(expectedLine->count(), 7);
    BoxAnswerer yes(QMessageBox::Yes);
    table->New1Click();
    QCOMPARE(creditLine->count(), 0);
    QCOMPARE(expectedLine->count(), 0);
}

// A long game keeps at most a thousand points on the lines, each one a
// hand of the game, the first and the newest always among them.
void AdvisorPracticeTest::longGameStaysQuickToDraw()
{
    vel::TableRound round;
    round.GameDeck() = vel::Deck(vel::StandardDeckSize, [] { return 5u; });
    round.ResetGame();
    round.ResetTable(false);
    vel::AdvisorSession session(round);
    session.SetFollowing(true);
    session.WaitForTables();
    vel::GameReview review(session);
    TGraphPage page(review);
    const auto* view = page.findChild<QChartView*>();
    const auto* creditLine = static_cast<QLineSeries*>(view->chart()->series()[0]);
    const auto* expectedLine = static_cast<QLineSeries*>(view->chart()->series()[1]);
    for (int hand = 1; hand <= 4500; ++hand) {
        QVERIFY(!vel::PlayHand(round, [&](const vel::Hand&) { return vel::SightedHold(round); }).newGame);
        const std::vector<vel::GraphPoint>& graph = review.Graph();
        if (hand % 1500 != 0 && hand != 1001 && hand != 1002)
            continue;
        QVERIFY(creditLine->count() <= 1001);
        QCOMPARE(expectedLine->count(), creditLine->count());
        QCOMPARE(creditLine->at(0), QPointF(0, vel::StartingCredit));
        QCOMPARE(creditLine->at(creditLine->count() - 1), QPointF(graph.back().hand, graph.back().credit));
        for (int i = 0; i < creditLine->count(); ++i) {
            const vel::GraphPoint& point = graph[static_cast<std::size_t>(creditLine->at(i).x())];
            QCOMPARE(creditLine->at(i).y(), static_cast<double>(point.credit));
            QCOMPARE(expectedLine->at(i), QPointF(point.hand, point.expected));
        }
    }
    QVERIFY(creditLine->count() < 1000); // thinned, not cut off
}

// Beside the table centred on a 1280 x 1024 screen, at this screen's
// resolution, every control of the new pages shows whole, the longest
// texts included.
void AdvisorPracticeTest::pagesFitTheAdvisor()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAndActivate(*table);
    QVERIFY(advisor);
    PlayTableHand(*table, 2);
    Type(*advisor, Qt::Key_I, Qt::AltModifier);
    auto* practice = advisor->findChild<vel::PracticeSession*>();
    while (practice->Log().Mistakes().size() < 3 || practice->LastGrade()->Right()) {
        if (practice->LastGrade())
            Type(*advisor, Qt::Key_Return); // the next hand
        Type(*advisor, Qt::Key_Return); // graded with nothing held
    }
    const QRect screen(0, 0, 1280, 1024);
    QRect tableFrame(QPoint(), table->frameGeometry().size());
    tableFrame.moveCenter(screen.center());
    const int dpi = advisor->logicalDpiX();
    const QSize designed(vel::ScaledLength(460, dpi), vel::ScaledLength(640, dpi));
    advisor->resize(AdvisorFrame(tableFrame, designed, advisor->minimumSize(), screen).size());
    for (QWidget* page : std::initializer_list<QWidget*>{advisor->findChild<TPracticePage*>(),
                                                         advisor->findChild<TMistakesPage*>(),
                                                         advisor->findChild<TGraphPage*>()}) {
        ShowPage(*advisor, TrainingPage);
        TrainingTabs(*advisor)->setCurrentWidget(page);
        QApplication::processEvents();
        for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!control->isVisible())
                continue;
            const QString name = control->objectName() + QLatin1Char(' ') + control->metaObject()->className();
            QVERIFY2(page->rect().contains(control->geometry()), qPrintable(name));
            QVERIFY2(control->width() >= control->minimumSizeHint().width(), qPrintable(name));
            for (QWidget* other : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other != control && other->isVisible())
                    QVERIFY2(!other->geometry().intersects(control->geometry()), qPrintable(name));
            }
            if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(name));
        }
    }
}

QTEST_MAIN(AdvisorPracticeTest)
#include "tst_advisor_practice.moc"
