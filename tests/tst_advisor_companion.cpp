// The advisor beside the table: where it opens, the keys it leaves to the
// table, what it costs while closed, and what a screen reader can do with it.
#include "AdvisorFixture.h"

#include "engine/StrategyChart.h"
#include "game/AdvisorSession.h"
#include "views/DesignFont.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QThreadPool>

using namespace advisorfixture;

namespace {

// Everything of the advisor a screen reader could be told about: a change
// to any of it would raise an accessibility event.
QStringList WhatItShows(const TAdvisorForm& advisor)
{
    QStringList shown;
    for (const QWidget* widget : advisor.findChildren<QWidget*>()) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
        shown << (reader ? reader->text(QAccessible::Name) + QLatin1Char('|') + reader->text(QAccessible::Value)
                         : QString());
        if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
            shown << QString::number(table->rowCount()) << QString::number(table->currentRow());
            for (int row = 0; row < table->rowCount(); ++row)
                shown << (table->item(row, 0) ? table->item(row, 0)->text() : QString());
        }
    }
    return shown;
}

void PlayHands(TForm1& table, int hands)
{
    for (int hand = 0; hand < hands; ++hand) {
        BoxAnswerer again(QMessageBox::Yes);
        Deal(table);
        PressKey(table, '1');
        Draw(table);
    }
}

} // namespace

class AdvisorCompanionTest : public QObject {
    Q_OBJECT
private slots:
    // First: the tables of this process are built only once the advisor opens.
    void closedAdvisorCostsNothing();
    void placedBesideTheTable_data();
    void placedBesideTheTable();
    void tableMakesRoomForTheAdvisor_data();
    void tableMakesRoomForTheAdvisor();
    void opensWithoutTakingTheKeyboard();
    void keysFromTheAdvisorPlayOnTheTable();
    void warningToggledByScreenReader();
    void oddsOfTheScheduleInForce();
    void chartOfTheScheduleInForce();

private:
    Sandbox sandbox_;
};

void AdvisorCompanionTest::closedAdvisorCostsNothing()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    auto* advisor = table->findChild<TAdvisorForm*>();
    const QStringList atStart = WhatItShows(*advisor);
    PlayHands(*table, 3);
    QCOMPARE(WhatItShows(*advisor), atStart);
    QCOMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0); // no tables in the making
    QVERIFY(!table->findChild<vel::AdvisorSession*>()->Advice());

    // Opened, it works out the hand on the table; closed again, it stands still.
    Deal(*table);
    QVERIFY(OpenAdvisor(*table));
    QVERIFY(PlainText(*advisor, "HandLabel").startsWith(QStringLiteral("Your hand: ")));
    QCOMPARE(Table(*advisor, "HoldsTable")->rowCount(), vel::HoldCount);
    advisor->close();
    const QStringList atClose = WhatItShows(*advisor);
    QVERIFY(atClose != atStart);
    Draw(*table);
    PlayHands(*table, 2);
    QCOMPARE(WhatItShows(*advisor), atClose);
}

void AdvisorCompanionTest::placedBesideTheTable_data()
{
    QTest::addColumn<QRect>("table");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("expected");
    const QRect fullHd(0, 0, 1920, 1080);
    QTest::newRow("room on the right") << QRect(100, 50, 600, 480) << fullHd << QRect(700, 50, 480, 660);
    QTest::newRow("room on the left only") << QRect(1200, 50, 600, 480) << fullHd << QRect(720, 50, 480, 660);
    QTest::newRow("room below only") << QRect(100, 20, 600, 480) << QRect(0, 0, 1024, 1400)
                                     << QRect(100, 500, 480, 660);
    QTest::newRow("kept on the screen") << QRect(100, 500, 600, 480) << QRect(0, 0, 1280, 1024)
                                        << QRect(700, 364, 480, 660);
    QTest::newRow("second screen") << QRect(2000, 100, 600, 480) << QRect(1920, 0, 1920, 1080)
                                   << QRect(2600, 100, 480, 660);
    QTest::newRow("laptop: narrower on the right") << QRect(380, 100, 600, 480) << QRect(0, 0, 1366, 768)
                                                   << QRect(980, 100, 386, 660);
    QTest::newRow("no room: over the table") << QRect(100, 100, 600, 480) << QRect(0, 0, 800, 600)
                                             << QRect(320, 0, 480, 600);
}

void AdvisorCompanionTest::placedBesideTheTable()
{
    QFETCH(QRect, table);
    QFETCH(QRect, screen);
    QFETCH(QRect, expected);
    const QRect frame = AdvisorFrame(table, QSize(480, 660), QSize(320, 400), screen);
    QCOMPARE(frame, expected);
    QVERIFY(screen.contains(frame));
    if (screen.width() >= table.width() + 320)
        QVERIFY(!frame.intersects(table));
}

void AdvisorCompanionTest::tableMakesRoomForTheAdvisor_data()
{
    QTest::addColumn<QRect>("table");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("room on the right: stays") << QRect(100, 50, 600, 480) << QRect(0, 0, 1920, 1080)
                                              << QRect(100, 50, 600, 480);
    QTest::newRow("room below: stays") << QRect(100, 20, 600, 480) << QRect(0, 0, 1024, 1400)
                                       << QRect(100, 20, 600, 480);
    QTest::newRow("too narrow for both: stays") << QRect(100, 100, 600, 480) << QRect(0, 0, 800, 600)
                                                << QRect(100, 100, 600, 480);
    QTest::newRow("centred on 1280: moves left") << QRect(340, 200, 600, 620) << QRect(0, 0, 1280, 1024)
                                                 << QRect(100, 200, 600, 620);
    QTest::newRow("laptop: moves left") << QRect(383, 100, 600, 480) << QRect(0, 0, 1366, 768)
                                        << QRect(143, 100, 600, 480);
    QTest::newRow("second screen: moves left") << QRect(2300, 100, 600, 480) << QRect(1920, 0, 1366, 768)
                                               << QRect(2063, 100, 600, 480);
}

void AdvisorCompanionTest::tableMakesRoomForTheAdvisor()
{
    QFETCH(QRect, table);
    QFETCH(QRect, screen);
    QFETCH(QRect, expected);
    const QSize wanted(480, 660);
    const QRect moved = TableFrameForAdvisor(table, wanted, screen);
    QCOMPARE(moved, expected);
    if (moved == table)
        return;
    // Moved, the table leaves the advisor its whole width at its right.
    const QRect advisor = AdvisorFrame(moved, wanted, QSize(320, 400), screen);
    QCOMPARE(advisor.width(), wanted.width());
    QCOMPARE(advisor.left(), moved.right() + 1);
    QVERIFY(screen.contains(advisor) && screen.contains(moved));
}

void AdvisorCompanionTest::opensWithoutTakingTheKeyboard()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    QVERIFY(QTest::qWaitForWindowExposed(advisor));
    QCOMPARE(QApplication::activeWindow(), table.get());
    const QSize margins = table->frameGeometry().size() - table->size();
    const int dpi = advisor->logicalDpiX();
    const QSize designed(vel::ScaledLength(460, dpi), vel::ScaledLength(700, dpi));
    const QRect frame = AdvisorFrame(table->frameGeometry(), designed + margins,
                                     advisor->minimumSize() + margins, table->screen()->availableGeometry());
    QCOMPARE(advisor->pos(), frame.topLeft());
    // Moved by the player, it opens there again.
    advisor->move(QPoint(12, 16));
    const QPoint moved = advisor->pos();
    advisor->close();
    QVERIFY(OpenAdvisor(*table));
    QCOMPARE(advisor->pos(), moved);
    // Its text follows the screen's resolution, as the table's does.
    QCOMPARE(advisor->findChild<QLabel*>(QStringLiteral("HandLabel"))->font().pixelSize(),
             vel::ScaledLength(11, dpi));
}

void AdvisorCompanionTest::keysFromTheAdvisorPlayOnTheTable()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    advisor->activateWindow();
    QVERIFY(QTest::qWaitFor([advisor] { return QApplication::activeWindow() == advisor; }));
    QWidget* inAdvisor = Table(*advisor, "HoldsTable");
    inAdvisor->setFocus();
    QTest::keyClick(inAdvisor, Qt::Key_Return); // Bet
    QVERIFY(table->Round().CanHold());
    QTest::keyClick(inAdvisor, '2');
    QTest::keyClick(inAdvisor, '4');
    QCOMPARE(HeldMask(*table), 0b01010u);
    QCOMPARE(table->State().HandsPlayed, 0);
    QTest::keyClick(inAdvisor, Qt::Key_Return); // Draw
    QCOMPARE(table->State().HandsPlayed, 1);
    QTest::keyClick(inAdvisor, Qt::Key_Space); // Bet has the table's focus
    QVERIFY(table->Round().CanHold());
    QTest::keyClick(inAdvisor, Qt::Key_Space); // now Draw has it
    QCOMPARE(table->State().HandsPlayed, 2);
}

void AdvisorCompanionTest::warningToggledByScreenReader()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    auto* box = advisor->findChild<QCheckBox*>(QStringLiteral("WarnCostlyDrawBox"));
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
    QVERIFY(reader && reader->actionInterface());
    QVERIFY(reader->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(box->isChecked());
    QVERIFY(table->CurrentSettings().WarnCostlyDraw);
    QVERIFY(table->SettingsStore().SettingsChanged);
    reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!table->CurrentSettings().WarnCostlyDraw);
}

void AdvisorCompanionTest::oddsOfTheScheduleInForce()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    table->ComboBox1Change(0); // 9 / 6
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    QTRY_VERIFY_WITH_TIMEOUT(PlainText(*advisor, "OddsSummary").startsWith(QStringLiteral("Return ")), 20000);
    QVERIFY2(PlainText(*advisor, "OddsSummary").startsWith(QStringLiteral("Return %1%").arg(QLocale().toString(99.5439, 'f', 4))),
             qPrintable(PlainText(*advisor, "OddsSummary")));
    QTableWidget* odds = Table(*advisor, "OddsTable");
    QCOMPARE(odds->item(0, 0)->text(), QStringLiteral("Royal Flush"));
    QCOMPARE(odds->item(0, 3)->text(), QStringLiteral("4,000"));
    QCOMPARE(odds->item(9, 0)->text(), QStringLiteral("Nothing"));
    QCOMPARE(odds->item(3, 3)->text(), QStringLiteral("45")); // the full house pays 9 at a bet of 5
    // A lower bet: the royal flush pays 250 per credit.
    table->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->setCurrentIndex(4);
    QTRY_COMPARE_WITH_TIMEOUT(odds->item(0, 3) ? odds->item(0, 3)->text() : QString(), QStringLiteral("250"), 20000);
}

void AdvisorCompanionTest::chartOfTheScheduleInForce()
{
    const KnownDeal deal = FindDeal(DealKind::FourToRoyal);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, deal.clock);
    table->ComboBox1Change(0);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    const vel::StrategyChart chart = vel::GenerateChart(vel::HoldAnalyzer(), table->PayTable(), vel::MaxBet);
    QTRY_VERIFY_WITH_TIMEOUT(Table(*advisor, "ChartTable")->rowCount() > 0, 20000);
    QTableWidget* lines = Table(*advisor, "ChartTable");
    QCOMPARE(lines->rowCount(), static_cast<int>(chart.lines.size()));
    QCOMPARE(lines->item(lines->rowCount() - 1, 0)->text(), QStringLiteral("Draw five (hold nothing)"));
    QVERIFY(PlainText(*advisor, "ChartSummary")
                .contains(QStringLiteral("returns %1%").arg(QLocale().toString(100 * chart.chartReturn, 'f', 4))));

    // Four to a royal flush: the chart holds them, as perfect play does.
    Deal(*table);
    const vel::ChartMatch match = vel::MatchChart(chart.lines, table->State().Hand);
    QCOMPARE(match.holdMask, deal.bestMask);
    QTRY_COMPARE(lines->currentRow(), static_cast<int>(match.line));
    QCOMPARE(PlainText(*advisor, "ChartHandLabel"),
             QStringLiteral("Line %1 matches: %2.").arg(match.line + 1).arg(vel::HoldText(table->State().Hand, deal.bestMask)));
}

QTEST_MAIN(AdvisorCompanionTest)
#include "tst_advisor_companion.moc"
