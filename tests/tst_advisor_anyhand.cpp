// Any hand in the advisor, typed or picked on the grid of cards: all 32
// holds at the chosen pay table and bet, as a direct enumeration of the
// draws finds them; faults named beside the box; the hand on the table
// copied there.
#include "AdvisorFixture.h"
#include "HandText.h"

#include "engine/StrategyChart.h"
#include "game/CardGrid.h"

#include <QSpinBox>
#include <QToolButton>

using namespace advisorfixture;

namespace {

QStringList HoldRows(const QTableWidget& table)
{
    QStringList rows;
    for (int row = 0; row < table.rowCount(); ++row)
        rows << table.item(row, 0)->text() + QLatin1Char('|') + table.item(row, 1)->text();
    return rows;
}

QStringList ExpectedRows(const vel::Hand& hand, const vel::PayTable& pays, int bet)
{
    QStringList rows;
    for (const vel::HoldResult& hold : vel::AnalyzeDirect(hand, pays, bet))
        rows << vel::HoldText(hand, hold.holdMask) + QLatin1Char('|') + Credits(hold.expectedCredits);
    return rows;
}

} // namespace

class AdvisorAnyHandTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QFile::remove(sandbox_.ConfigFile());
    }
    void anyHandHoldsByDirectEnumeration_data();
    void anyHandHoldsByDirectEnumeration();
    void anyHandFaultsNamed_data();
    void anyHandFaultsNamed();
    void cardsPickedOnTheGrid();
    void thisHandCopiedToAnyHand();

private:
    Sandbox sandbox_;
};

void AdvisorAnyHandTest::anyHandHoldsByDirectEnumeration_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cards");
    QTest::addColumn<QString>("payTable"); // as the list shows it
    QTest::addColumn<int>("bet");
    QTest::newRow("kings, in force") << "Kh Kd 9c 8d 3d" << "KH KD 9C 8D 3D" << "In force: 8 / 6 - Med Pay" << 5;
    QTest::newRow("symbols, 9 / 6") << "K♥ Q♥ J♣ 7♦ 2♠" << "KH QH JC 7D 2S" << "9 / 6 : Full Pay" << 5;
    QTest::newRow("four to a royal, bet 1") << "10h,Jh,Qh,Kh,2s" << "TH JH QH KH 2S" << "6 / 5 : Low Pay" << 1;
    QTest::newRow("low cards, 7 / 5 at 3") << "2c 3d 4h 5s 7c" << "2C 3D 4H 5S 7C" << "7 / 5" << 3;
}

void AdvisorAnyHandTest::anyHandHoldsByDirectEnumeration()
{
    QFETCH(QString, typed);
    QFETCH(QString, cards);
    QFETCH(QString, payTable);
    QFETCH(int, bet);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    ShowPage(*advisor, AnyHandPage);
    QVERIFY(ChoosePayTable(*advisor, payTable));
    if (bet != vel::MaxBet)
        advisor->findChild<QSpinBox*>(QStringLiteral("PayTableBet"))->setValue(bet);
    TypeInto(Box(*advisor, "AnyHandBox"), typed);
    // Typed into the advisor, the digits and spaces were not the table's.
    QCOMPARE(table->State().HandsPlayed, 0);
    QVERIFY(!table->Round().CanHold());
    QVERIFY(!advisor->findChild<QLabel*>(QStringLiteral("AnyHandFault"))->isVisible());

    const vel::Hand hand = handtext::HandOf(cards);
    const int schedule = payTable.startsWith(QStringLiteral("In force"))
                             ? vel::DefaultPaySchedule
                             : PayTableList(*advisor)->currentIndex() - 1;
    const vel::PayTable pays = vel::PayTable::ForSchedule(schedule);
    QCOMPARE(HoldRows(*Table(*advisor, "AnyHandHolds")), ExpectedRows(hand, pays, bet));
    QCOMPARE(Table(*advisor, "AnyHandHolds")->item(0, 0)->font().bold(), true);

    const vel::StrategyChart chart = vel::GenerateChart(vel::HoldAnalyzer(), pays, bet);
    const vel::ChartMatch match = vel::MatchChart(chart.lines, hand);
    QTRY_VERIFY_WITH_TIMEOUT(PlainText(*advisor, "AnyHandChartLine")
                                 .startsWith(QStringLiteral("Line %1 matches: %2.")
                                                 .arg(match.line + 1)
                                                 .arg(vel::HoldText(hand, match.holdMask))),
                             60000);
}

void AdvisorAnyHandTest::anyHandFaultsNamed_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fault");
    QTest::newRow("four cards") << "Kh Kd 9c 8d" << "Only 4 cards";
    QTest::newRow("one card") << "Kh" << "Only 1 card";
    QTest::newRow("twice") << "Kh Kd 9c 8d kH" << "K♥ twice";
    QTest::newRow("no card") << "Xq Kd 9c 8d 3d" << "'Xq' is not a card";
    QTest::newRow("six cards") << "Kh Kd 9c 8d 3d 2s" << "6 cards: a hand has five";
}

void AdvisorAnyHandTest::anyHandFaultsNamed()
{
    QFETCH(QString, typed);
    QFETCH(QString, fault);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    ShowPage(*advisor, AnyHandPage);
    QLineEdit* box = Box(*advisor, "AnyHandBox");
    TypeInto(box, QStringLiteral("As Ks Qs Js 9s"));
    const QStringList analysed = HoldRows(*Table(*advisor, "AnyHandHolds"));
    QCOMPARE(analysed.size(), vel::HoldCount);

    PasteInto(box, typed);
    auto* label = advisor->findChild<QLabel*>(QStringLiteral("AnyHandFault"));
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), fault);
    QCOMPARE(box->accessibleDescription(), fault);
    QCOMPARE(HoldRows(*Table(*advisor, "AnyHandHolds")), analysed); // the last hand typed whole stays
    QCOMPARE(box->text(), typed);
}

void AdvisorAnyHandTest::cardsPickedOnTheGrid()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    ShowPage(*advisor, AnyHandPage);
    const QList<QToolButton*> cards = advisor->findChild<TCardGrid*>()->findChildren<QToolButton*>();
    const auto cardButton = [&cards](const QString& name) -> QToolButton* {
        for (auto* button : cards) {
            if (button->accessibleName() == name)
                return button;
        }
        return nullptr;
    };
    QCOMPARE(cards.size(), 52);
    const QStringList names{"Ace of Hearts", "King of Hearts", "Queen of Hearts", "Jack of Hearts", "Ten of Hearts"};
    for (const QString& name : names) {
        QToolButton* button = cardButton(name);
        QVERIFY(button && button->isCheckable());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isChecked());
    }
    QCOMPARE(Box(*advisor, "AnyHandBox")->text(), QStringLiteral("A♥ K♥ Q♥ J♥ 10♥"));
    QTableWidget* holds = Table(*advisor, "AnyHandHolds");
    QCOMPARE(holds->item(0, 0)->text(), QStringLiteral("A♥ K♥ Q♥ J♥ 10♥"));
    QCOMPARE(holds->item(0, 1)->text(), QStringLiteral("4,000.00")); // the royal flush, kept

    // From the keyboard: one stop of Tab, the arrows move, Space picks.
    QToolButton* aceOfHearts = cardButton(QStringLiteral("Ace of Hearts"));
    aceOfHearts->setFocus();
    QTest::keyClick(aceOfHearts, Qt::Key_Space); // the ace is put back
    QVERIFY(!aceOfHearts->isChecked());
    QTest::keyClick(aceOfHearts, Qt::Key_Down); // the ace of spades
    QToolButton* aceOfSpades = cardButton(QStringLiteral("Ace of Spades"));
    QCOMPARE(advisor->focusWidget(), aceOfSpades);
    QTest::keyClick(aceOfSpades, Qt::Key_Space);
    QVERIFY(aceOfSpades->isChecked());
    QCOMPARE(Box(*advisor, "AnyHandBox")->text(), QStringLiteral("K♥ Q♥ J♥ 10♥ A♠"));
    QCOMPARE(holds->item(0, 0)->text(), QStringLiteral("K♥ Q♥ J♥ 10♥")); // four to the royal
    QCOMPARE(table->State().HandsPlayed, 0);
    QVERIFY(!table->Round().CanHold()); // Space stayed in the grid

    // Typed, the hand shows on the grid.
    TypeInto(Box(*advisor, "AnyHandBox"), QStringLiteral("2c 3c 4c 5c 6c"));
    QStringList picked;
    for (auto* button : cards) {
        if (button->isChecked())
            picked << button->accessibleName();
    }
    QCOMPARE(picked, (QStringList{"Two of Clubs", "Three of Clubs", "Four of Clubs", "Five of Clubs", "Six of Clubs"}));
}

void AdvisorAnyHandTest::thisHandCopiedToAnyHand()
{
    const KnownDeal deal = FindDeal(DealKind::LoneHighPair);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, deal.clock);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    QVERIFY(!Button(*advisor, "AnalyseButton")->isEnabled());
    Deal(*table);
    QPushButton* analyse = Button(*advisor, "AnalyseButton");
    QVERIFY(analyse->isEnabled());
    QTest::mouseClick(analyse, Qt::LeftButton);
    QCOMPARE(advisor->findChild<QTabBar*>()->currentIndex(), static_cast<int>(AnyHandPage));
    const vel::Hand dealt = table->State().Hand;
    QStringList typed;
    for (vel::Card card : dealt)
        typed << vel::TypedCard(card);
    QCOMPARE(Box(*advisor, "AnyHandBox")->text(), typed.join(QLatin1Char(' ')));
    QCOMPARE(HoldRows(*Table(*advisor, "AnyHandHolds")), HoldRows(*Table(*advisor, "HoldsTable")));
    QCOMPARE(Table(*advisor, "AnyHandHolds")->item(0, 0)->data(Qt::UserRole).toUInt(), deal.bestMask);
}

QTEST_MAIN(AdvisorAnyHandTest)
#include "tst_advisor_anyhand.moc"
