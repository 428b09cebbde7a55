#include "AdvisorFixture.h"

#include "game/TableWidgets.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabBar>

using namespace fixture;
using namespace advisorfixture;

class AdvisorTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QFile::remove(sandbox_.ConfigFile());
    }
    void cardTexts_data();
    void cardTexts();
    void openedFromHelpMenu();
    void hintForDealtHand_data();
    void hintForDealtHand();
    void holdTheseSetsBestHold_data();
    void holdTheseSetsBestHold();
    void costlyDrawWarning_data();
    void costlyDrawWarning();
    void ledgerFollowsTheGame();
    void warnSettingPersists();
    void perfectPlayReturn_data();
    void perfectPlayReturn();
    void keyboardReachesEveryControl();

private:
    Sandbox sandbox_;
};

void AdvisorTest::cardTexts_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fullName");
    QTest::newRow("lowest card") << 1 << "2♣" << "Two of Clubs";
    QTest::newRow("ace of clubs") << 13 << "A♣" << "Ace of Clubs";
    QTest::newRow("ten of diamonds") << 22 << "10♦" << "Ten of Diamonds";
    QTest::newRow("queen of hearts") << 37 << "Q♥" << "Queen of Hearts";
    QTest::newRow("highest card") << 52 << "A♠" << "Ace of Spades";
}

void AdvisorTest::cardTexts()
{
    QFETCH(int, card);
    QFETCH(QString, name);
    QFETCH(QString, fullName);
    QCOMPARE(vel::CardSymbol(card), name);
    QCOMPARE(CardName(card), fullName);
    const vel::Hand hand{38, card, 36, 35, 41};
    QCOMPARE(vel::HoldText(hand, 0b00010), name);
    QCOMPARE(vel::HoldText(hand, 0), QStringLiteral("Draw five new cards"));
    QCOMPARE(vel::HoldText(hand, 0b11101), QStringLiteral("K♥ J♥ 10♥ 3♠"));
    // On screen hearts and diamonds are red, as on the cards.
    const QString html = vel::HoldHtml(hand, 0b00010);
    QCOMPARE(html.contains(QStringLiteral("color:")), vel::SuitOf(card) == 1 || vel::SuitOf(card) == 2);
    QCOMPARE(QTextDocumentFragment::fromHtml(html).toPlainText(), name);
}

void AdvisorTest::openedFromHelpMenu()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    auto* hint = table->findChild<QAction*>(QStringLiteral("Hint1"));
    QVERIFY(hint);
    QCOMPARE(hint->text(), QStringLiteral("Hint"));
    QCOMPARE(hint->shortcut(), QKeySequence(Qt::Key_H));
    const QList<QAction*> help = table->menuBar()->actions().at(1)->menu()->actions();
    QCOMPARE(help.indexOf(hint), 2);
    QCOMPARE(help.at(1)->text(), QStringLiteral("Strategy"));

    hint->trigger();
    auto* advisor = table->findChild<TAdvisorForm*>();
    QVERIFY(advisor->isVisible());
    QCOMPARE(advisor->windowTitle(), QStringLiteral("vel Zezuv - Advisor"));
    QVERIFY(PlainText(*advisor, "HandLabel").contains(QStringLiteral("32 ways to hold")));
    QCOMPARE(Table(*advisor, "HoldsTable")->rowCount(), 0);
    QVERIFY(!Button(*advisor, "HoldTheseButton")->isEnabled());
    advisor->close();
    QVERIFY(OpenAdvisor(*table)); // the key opens it again
}

void AdvisorTest::hintForDealtHand_data()
{
    QTest::addColumn<DealKind>("kind");
    QTest::newRow("four to a royal flush") << DealKind::FourToRoyal;
    QTest::newRow("lone high pair") << DealKind::LoneHighPair;
}

void AdvisorTest::hintForDealtHand()
{
    QFETCH(DealKind, kind);
    const KnownDeal deal = FindDeal(kind);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, deal.clock);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    Deal(*table);
    const vel::Hand dealt = table->State().Hand;
    QCOMPARE(PlainText(*advisor, "HandLabel"), QStringLiteral("Your hand: ") + vel::HoldText(dealt, 0x1F));
    const QString bestHold = vel::HoldText(dealt, deal.bestMask);
    QVERIFY(PlainText(*advisor, "AdviceLabel").startsWith(QStringLiteral("Best hold: ") + bestHold));

    const vel::RankedHolds expected = EngineHolds(*table);
    QTableWidget* holds = Table(*advisor, "HoldsTable");
    QCOMPARE(holds->rowCount(), vel::HoldCount);
    QCOMPARE(holds->item(0, 0)->data(Qt::UserRole).toUInt(), deal.bestMask);
    for (int row = 0; row < vel::HoldCount; ++row) {
        const vel::HoldResult& hold = expected[row];
        QCOMPARE(holds->item(row, 0)->data(Qt::UserRole).toUInt(), hold.holdMask);
        QCOMPARE(holds->item(row, 0)->text(), vel::HoldText(dealt, hold.holdMask));
        QCOMPARE(holds->item(row, 1)->text(), Credits(hold.expectedCredits));
        QCOMPARE(holds->item(row, 2)->text(), Credits(expected[0].expectedCredits - hold.expectedCredits));
        QCOMPARE(holds->item(row, 0)->font().bold(), row == 0);
    }
    QCOMPARE(holds->selectionModel()->selectedRows(0), QModelIndexList{holds->model()->index(0, 0)});

    QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(holds);
    QCOMPARE(readable->text(QAccessible::Name), QStringLiteral("Holds, best first"));
    QCOMPARE(readable->tableInterface()->rowCount(), vel::HoldCount);
    QStringList kept;
    for (int i = 0; i < 5; ++i) {
        if (deal.bestMask >> i & 1)
            kept << CardName(dealt[i]);
    }
    QCOMPARE(readable->tableInterface()->cellAt(0, 0)->text(QAccessible::Name),
             QStringLiteral("Keep ") + kept.join(QStringLiteral(", ")));

    // After the draw the window keeps the hand as dealt and marks the hold played.
    Draw(*table);
    QCOMPARE(PlainText(*advisor, "HandLabel"), QStringLiteral("Last hand as dealt: ") + vel::HoldText(dealt, 0x1F));
    QVERIFY(!Button(*advisor, "HoldTheseButton")->isEnabled());
    QCOMPARE(holds->rowCount(), vel::HoldCount);
    const QStringList texts = Column(*holds, 0);
    QCOMPARE(texts.filter(QStringLiteral("(your hold)")),
             QStringList{QStringLiteral("Draw five new cards (your hold)")});
}

void AdvisorTest::holdTheseSetsBestHold_data()
{
    QTest::addColumn<DealKind>("kind");
    QTest::addColumn<unsigned>("wrongPlaces"); // held before: the best hold with these places flipped
    QTest::newRow("royal draw, the odd card alone") << DealKind::FourToRoyal << 0x1Fu;
    QTest::newRow("royal draw, mixed") << DealKind::FourToRoyal << 0x0Au;
    QTest::newRow("royal draw, best already held") << DealKind::FourToRoyal << 0u;
    QTest::newRow("high pair, the other three") << DealKind::LoneHighPair << 0x1Fu;
    QTest::newRow("high pair, one place wrong") << DealKind::LoneHighPair << 0x10u;
}

void AdvisorTest::holdTheseSetsBestHold()
{
    QFETCH(DealKind, kind);
    QFETCH(unsigned, wrongPlaces);
    const KnownDeal deal = FindDeal(kind);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, deal.clock);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    Deal(*table);
    const unsigned before = deal.bestMask ^ wrongPlaces;
    SetHolds(*table, before);
    QCOMPARE(HeldMask(*table), before);
    QTest::mouseClick(Button(*advisor, "HoldTheseButton"), Qt::LeftButton);
    QCOMPARE(HeldMask(*table), deal.bestMask);
    for (int place = 1; place <= 5; ++place) {
        const bool held = deal.bestMask >> (place - 1) & 1;
        QCOMPARE(Text(*table, qPrintable(QStringLiteral("Label%1").arg(place))),
                 held ? QStringLiteral("HOLD") : QString());
    }
    const vel::Hand dealt = table->State().Hand;
    Draw(*table);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(table->State().Hand[i] == dealt[i], bool(deal.bestMask >> i & 1));
}

void AdvisorTest::costlyDrawWarning_data()
{
    QTest::addColumn<bool>("warn");
    QTest::addColumn<bool>("holdBest");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("ticked, bad hold, No") << true << false << QMessageBox::No << true << false;
    QTest::newRow("ticked, bad hold, Yes") << true << false << QMessageBox::Yes << true << true;
    QTest::newRow("unticked, bad hold") << false << false << QMessageBox::No << false << true;
    QTest::newRow("ticked, best hold") << true << true << QMessageBox::No << false << true;
}

void AdvisorTest::costlyDrawWarning()
{
    QFETCH(bool, warn);
    QFETCH(bool, holdBest);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, asked);
    QFETCH(bool, drawn);
    const KnownDeal deal = FindDeal(DealKind::FourToRoyal);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, deal.clock);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    auto* box = advisor->findChild<QCheckBox*>(QStringLiteral("WarnCostlyDrawBox"));
    QCOMPARE(box->text(), QStringLiteral("&Warn before a costly draw"));
    if (warn)
        QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->isChecked(), warn);
    QCOMPARE(table->CurrentSettings().WarnCostlyDraw, warn);

    Deal(*table);
    const vel::Hand dealt = table->State().Hand;
    const unsigned played = holdBest ? deal.bestMask : deal.bestMask ^ 0x1F; // the odd card alone
    SetHolds(*table, played);
    const vel::RankedHolds holds = EngineHolds(*table);
    BoxAnswerer answerer(answer);
    Draw(*table);
    QCOMPARE(answerer.shown, asked ? 1 : 0);
    if (asked) {
        const double cost = holds[0].expectedCredits - HoldOf(holds, played).expectedCredits;
        QCOMPARE(answerer.text, QStringLiteral("This hold gives up %1 credits. The best hold keeps %2.\nDraw anyway?")
                                    .arg(Credits(cost), vel::HoldText(dealt, deal.bestMask)));
        QCOMPARE(answerer.title, QStringLiteral("Confirm"));
        QCOMPARE(answerer.icon, QMessageBox::Question);
        QCOMPARE(answerer.defaultButton, QMessageBox::No); // Enter keeps the hand to think again
    }
    QCOMPARE(table->State().HandsPlayed, drawn ? 1 : 0);
    QCOMPARE(table->Round().CanHold(), !drawn);
    QCOMPARE(Button(*table, "BitBtn1")->isEnabled(), !drawn);
    QCOMPARE(advisor->Ledger().hands, drawn ? 1 : 0);
    if (!drawn) {
        QCOMPARE(table->State().Hand, dealt);
        QCOMPARE(HeldMask(*table), played);
    }
}

void AdvisorTest::ledgerFollowsTheGame()
{
    const KnownDeal deal = FindDeal(DealKind::FourToRoyal);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, deal.clock);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    QSignalSpy settled(&table->Round(), &vel::TableRound::handSettled);
    double played = 0, best = 0;
    // The first hand held the best way, the second held the other cards.
    for (bool followAdvice : {true, false}) {
        Deal(*table);
        const vel::RankedHolds holds = EngineHolds(*table);
        if (followAdvice)
            QTest::mouseClick(Button(*advisor, "HoldTheseButton"), Qt::LeftButton);
        else
            SetHolds(*table, holds[0].holdMask ^ 0x1F);
        played += HoldOf(holds, HeldMask(*table)).expectedCredits;
        best += holds[0].expectedCredits;
        Draw(*table);
    }
    QCOMPARE(settled.size(), 2);
    const int won = settled[0][0].toInt() + settled[1][0].toInt();
    QVERIFY(best - played > 0.01); // the second hand was a mistake
    QCOMPARE(advisor->Ledger().hands, 2);
    QVERIFY(qAbs(advisor->Ledger().MistakeCost() - (best - played)) < 1e-9);
    QVERIFY(qAbs(advisor->Ledger().Luck() - (won - played)) < 1e-9);
    QTableWidget* ledger = Table(*advisor, "LedgerTable");
    QCOMPARE(QAccessible::queryAccessibleInterface(ledger)->text(QAccessible::Name), QStringLiteral("Session ledger"));
    QCOMPARE(Column(*ledger, 0),
             (QStringList{"Hands played", "Expected return of your holds", "Expected return of the best holds",
                          "Lost to mistakes", "Won", "Luck (won less expected)"}));
    QCOMPARE(Column(*ledger, 1), (QStringList{"2", Credits(played), Credits(best), Credits(best - played),
                                              QLocale().toString(won), Credits(won - played)}));
    {
        BoxAnswerer no(QMessageBox::No);
        table->New1Click();
        QCOMPARE(no.shown, 1);
    }
    QCOMPARE(advisor->Ledger().hands, 2);
    BoxAnswerer yes(QMessageBox::Yes);
    table->New1Click();
    QCOMPARE(yes.text, QStringLiteral("vel Zezuv Game in Progress.  New Game?"));
    QCOMPARE(Column(*ledger, 1), (QStringList{"0", "0.00", "0.00", "0.00", "0", "0.00"}));
    QCOMPARE(Table(*advisor, "HoldsTable")->rowCount(), 0);
}

void AdvisorTest::warnSettingPersists()
{
    const KnownDeal deal = FindDeal(DealKind::FourToRoyal);
    {
        auto table = StartTable(sandbox_.programPath);
        QVERIFY(table);
        TAdvisorForm* advisor = OpenAdvisor(*table);
        QVERIFY(advisor);
        QTest::mouseClick(advisor->findChild<QCheckBox*>(), Qt::LeftButton);
        QVERIFY(table->close());
    }
    QFile file(sandbox_.ConfigFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\nScaleCards=0\nWarnCostlyDraw=1\n"));
    file.close();
    {
        // The warning works from the start, before the window is ever opened.
        auto table = StartTable(sandbox_.programPath);
        QVERIFY(table);
        UseClock(*table, deal.clock);
        Deal(*table);
        {
            BoxAnswerer no(QMessageBox::No);
            Draw(*table);
            QCOMPARE(no.shown, 1);
        }
        TAdvisorForm* advisor = OpenAdvisor(*table);
        QVERIFY(advisor);
        auto* box = advisor->findChild<QCheckBox*>();
        QVERIFY(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton);
        BoxAnswerer closeAnyway(QMessageBox::Yes); // a game is in progress
        QVERIFY(table->close());
    }
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    QVERIFY(!table->CurrentSettings().WarnCostlyDraw);
    QVERIFY(!OpenAdvisor(*table)->findChild<QCheckBox*>()->isChecked());
}

void AdvisorTest::perfectPlayReturn_data()
{
    QTest::addColumn<int>("schedule");
    for (std::size_t i = 0; i < vel::PaySchedules.size(); ++i) {
        const vel::PaySchedule& schedule = vel::PaySchedules[i];
        QTest::newRow(schedule.listText.data()) << static_cast<int>(i);
    }
}

void AdvisorTest::perfectPlayReturn()
{
    QFETCH(int, schedule);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    advisor->WaitForTables();
    // Choose the schedule from the keyboard, as a player would.
    auto* schedules = table->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    schedules->setFocus();
    QTest::keyClick(schedules, Qt::Key_Home);
    for (int i = 0; i < schedule; ++i)
        QTest::keyClick(schedules, Qt::Key_Down);
    const vel::PaySchedule& chosen = vel::PaySchedules[static_cast<std::size_t>(schedule)];
    const QString name = QString::fromUtf8(chosen.listText.data(), chosen.listText.size());
    QTRY_COMPARE(Text(*advisor, "PerfectPlayLabel"),
                 QStringLiteral("Perfect play returns %1 on %2 at a bet of 5")
                     .arg(QString::fromUtf8(chosen.statedReturn.data(), chosen.statedReturn.size()), name));

    // Below the highest bet the royal flush pays less: one lower return for bets 1 to 4.
    auto* bets = table->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    auto percentAt = [&](int bet) {
        bets->setCurrentIndex(bets->findText(QString::number(bet)));
        const QString suffix = QStringLiteral(" at a bet of %1").arg(bet);
        if (!QTest::qWaitFor([&] { return Text(*advisor, "PerfectPlayLabel").endsWith(suffix); }))
            return -1.0;
        return Text(*advisor, "PerfectPlayLabel").section(QLatin1Char(' '), 3, 3).chopped(1).toDouble();
    };
    const double atFour = percentAt(4);
    QVERIFY(atFour > 90 && atFour < QString::fromUtf8(chosen.statedReturn.data()).chopped(1).toDouble());
    QCOMPARE(percentAt(1), atFour);
}

void AdvisorTest::keyboardReachesEveryControl()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    Deal(*table);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    advisor->activateWindow(); // the player clicks into it
    QVERIFY(QTest::qWaitFor([advisor] { return QApplication::activeWindow() == advisor; }));
    QWidget* const chain[] = {advisor->findChild<QTabBar*>(), Table(*advisor, "HoldsTable"),
                              Button(*advisor, "HoldTheseButton"), Button(*advisor, "AnalyseButton"),
                              advisor->findChild<QCheckBox*>(), Table(*advisor, "LedgerTable")};
    chain[0]->setFocus();
    for (std::size_t i = 1; i <= std::size(chain); ++i) {
        QTest::keyClick(advisor->focusWidget(), Qt::Key_Tab);
        QCOMPARE(advisor->focusWidget(), chain[i % std::size(chain)]);
    }
    // Space and Enter belong to the table; the button has its Alt key.
    Button(*advisor, "HoldTheseButton")->setFocus();
    QTest::keyClick(Button(*advisor, "HoldTheseButton"), Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(HeldMask(*table), EngineHolds(*table)[0].holdMask); // a button's Alt key clicks after a moment
}

QTEST_MAIN(AdvisorTest)
#include "tst_advisor.moc"
