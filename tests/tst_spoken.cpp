// What a screen reader is told: the dealt hand, each hold and each result
// as the description of the focused button, and a name for every control.
#include "AdvisorFixture.h"

#include "game/TableWidgets.h"
#include "shell/Unit6.h"
#include "views/Unit3.h"
#include "views/Unit5.h"
#include "views/Unit7.h"
#include "views/Unit8.h"

#include <QAccessible>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTableWidget>

using namespace fixture;

namespace {

QString Description(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

QString Name(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QPushButton* Button(const TForm1& table, const char* name)
{
    return table.findChild<QPushButton*>(QLatin1String(name));
}

QStringList Names(const vel::Hand& hand, unsigned mask = 0x1F)
{
    QStringList names;
    for (int i = 0; i < 5; ++i) {
        if (mask >> i & 1)
            names << CardName(hand[i]);
    }
    return names;
}

// The description changes the platform's bridge passes on, where one runs.
QList<QObject*> describedObjects;
void RecordDescriptionChanges(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::DescriptionChanged)
        describedObjects << event->object();
}

} // namespace

class SpokenTest : public QObject {
    Q_OBJECT
private slots:
    void dealHoldsAndResult_data();
    void dealHoldsAndResult();
    void holdTheseAnnouncesTheHolds_data();
    void holdTheseAnnouncesTheHolds();
    void descriptionsRaiseEvents();
    void everyControlNamed();

private:
    Sandbox sandbox_;
};

void SpokenTest::dealHoldsAndResult_data()
{
    QTest::addColumn<unsigned>("holds");
    QTest::addColumn<QString>("spokenHolds");
    QTest::newRow("two cards") << 0b00101u << QStringLiteral("%1 and %3");
    QTest::newRow("three cards") << 0b11010u << QStringLiteral("%2, %4 and %5");
    QTest::newRow("one card") << 0b00010u << QStringLiteral("%2");
    QTest::newRow("held and let go") << 0u << QStringLiteral("nothing");
}

void SpokenTest::dealHoldsAndResult()
{
    QFETCH(unsigned, holds);
    QFETCH(QString, spokenHolds);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    QPushButton* draw = Button(*table, "BitBtn1");
    QPushButton* bet = Button(*table, "BitBtn2");
    QVERIFY(Description(draw).isEmpty());
    PressKey(*table, '\r');
    const vel::Hand dealt = table->State().Hand;
    QCOMPARE(table->focusWidget(), draw);
    QCOMPARE(Description(draw), QStringLiteral("Dealt: ") + Names(dealt).join(QStringLiteral(", ")));

    PressKey(*table, '1'); // held, and let go again below when not wanted
    for (int place = 1; place <= 5; ++place) {
        if (((holds >> (place - 1)) & 1) != (place == 1 ? 1u : 0u))
            PressKey(*table, static_cast<char>('0' + place));
    }
    const QStringList names = Names(dealt);
    QString expected = spokenHolds;
    for (int i = 0; i < 5; ++i)
        expected.replace(QStringLiteral("%%1").arg(i + 1), names[i]);
    QCOMPARE(Description(draw), QStringLiteral("Held: ") + expected);

    PressKey(*table, '\r');
    const vel::RoundState& state = table->State();
    QString result = Names(state.Hand).join(QStringLiteral(", ")) + QStringLiteral(". ")
                     + QString::fromStdString(vel::HandName(*state.Evaluation));
    if (state.Payout > 0)
        result += QStringLiteral(", win %1").arg(state.Payout);
    QCOMPARE(table->focusWidget(), bet);
    QCOMPARE(Description(bet), result + QStringLiteral(", credit %1").arg(state.Credit));
    // The captions on the screen stay as they were.
    QCOMPARE(draw->text(), QStringLiteral("&Draw"));
    QCOMPARE(bet->text(), QStringLiteral("&Bet"));

    BoxAnswerer newGame(QMessageBox::Yes);
    table->New1Click();
    QVERIFY(Description(bet).isEmpty() && Description(draw).isEmpty());
}

void SpokenTest::holdTheseAnnouncesTheHolds_data()
{
    using advisorfixture::DealKind;
    QTest::addColumn<DealKind>("kind");
    QTest::addColumn<QString>("spokenHolds"); // the held cards, place 1 first
    QTest::newRow("four to a royal flush") << DealKind::FourToRoyal << QStringLiteral("%1, %2, %3 and %4");
    QTest::newRow("lone high pair") << DealKind::LoneHighPair << QStringLiteral("%1 and %2");
}

// The advisor's button holds as the keys do, and is heard as they are.
void SpokenTest::holdTheseAnnouncesTheHolds()
{
    QFETCH(advisorfixture::DealKind, kind);
    QFETCH(QString, spokenHolds);
    const advisorfixture::KnownDeal deal = advisorfixture::FindDeal(kind);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, deal.clock);
    TAdvisorForm* advisor = advisorfixture::OpenAdvisor(*table);
    QVERIFY(advisor);
    PressKey(*table, '\r');
    QTest::mouseClick(advisorfixture::Button(*advisor, "HoldTheseButton"), Qt::LeftButton);
    QCOMPARE(advisorfixture::HeldMask(*table), deal.bestMask);
    QString expected = spokenHolds;
    const QStringList held = Names(table->State().Hand, deal.bestMask);
    for (qsizetype i = 0; i < held.size(); ++i)
        expected = expected.arg(held[i]);
    QCOMPARE(Description(Button(*table, "BitBtn1")), QStringLiteral("Held: ") + expected);
}

// Run under a desktop with its accessibility bridge (the test run starts one
// on a private X server); without one no event is ever raised.
void SpokenTest::descriptionsRaiseEvents()
{
    if (!QAccessible::isActive())
        QSKIP("no accessibility bridge on this desktop");
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    QAccessible::installUpdateHandler(RecordDescriptionChanges);
    describedObjects.clear();
    table->BitBtn2Click();
    PressKey(*table, '2');
    table->BitBtn1Click();
    QAccessible::installUpdateHandler(nullptr);
    QCOMPARE(describedObjects, (QList<QObject*>{Button(*table, "BitBtn1"), Button(*table, "BitBtn1"),
                                                Button(*table, "BitBtn2")}));
}

void SpokenTest::everyControlNamed()
{
    QWidget mainWindow;
    TForm6 options(&mainWindow);
    const std::pair<QComboBox*, QString> lists[] = {{options.ColorBox1, QStringLiteral("Card Panel")},
                                                    {options.ColorBox2, QStringLiteral("Hold Color")},
                                                    {options.ColorBox3, QStringLiteral("Win Color")}};
    for (const auto& [list, caption] : lists) {
        QCOMPARE(list->accessibleName(), caption);
        const auto labels = QAccessible::queryAccessibleInterface(list)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), caption);
    }
    TForm3 help(&mainWindow);
    TForm7 strategy(&mainWindow);
    TForm8 donate(&mainWindow);
    QCOMPARE(Name(help.Memo1), QStringLiteral("Help"));
    QCOMPARE(Name(strategy.Memo1), QStringLiteral("Strategy"));
    QCOMPARE(Name(donate.Memo1), QStringLiteral("Donate"));
    TForm5 payouts(&mainWindow);
    QCOMPARE(Name(payouts.findChild<QTableWidget*>()), QStringLiteral("Payouts per credit bet"));
}

QTEST_MAIN(SpokenTest)
#include "tst_spoken.moc"
