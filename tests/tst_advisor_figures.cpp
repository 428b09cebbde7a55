// The figures of a chosen pay table, worked out in the background without a
// window: only the table followed last is ever given, and each figure is
// what an independent reckoning finds.
#include "engine/ReturnTable.h"
#include "game/ChosenTableFigures.h"
#include "game/AdvisorTables.h"

#include <QSignalSpy>
#include <QTest>

using namespace vel;

namespace {

PayTable Pays(const PayList& pays)
{
    return *PayTable::FromPays(pays);
}

// Per cent with four decimals, as published.
double Percent(double perCredit)
{
    return std::round(1e6 * perCredit) / 1e4;
}

} // namespace

class AdvisorFiguresTest : public QObject {
    Q_OBJECT
private slots:
    void onlyTheLastTableFollowedIsGiven();
    void breakEvenOnlyWhenAskedFor();
    void holdsAtTheTableFollowed();
    void chartPlayOnlyWhenAskedFor();
};

void AdvisorFiguresTest::onlyTheLastTableFollowedIsGiven()
{
    ChosenTableFigures figures;
    QList<double> seen; // every return given, in order
    connect(&figures, &ChosenTableFigures::changed, this, [&] {
        if (const auto odds = figures.Odds())
            seen << Percent(odds->Return());
    });
    // As a player types: every table but the last is gone before its work ends.
    figures.Follow(PayTable::ForSchedule(0), MaxBet, false);
    for (int fullHouse : {1, 10, 100, 8})
        figures.Follow(Pays({800, 250, 50, 25, fullHouse, 5, 4, 3, 2, 1}), MaxBet, false);
    QVERIFY(!figures.Odds() && !figures.Chart());
    QTRY_VERIFY_WITH_TIMEOUT(figures.Odds() && figures.Chart(), 60000);
    QCOMPARE(seen.first(), 97.2984); // 8/5, as published
    QCOMPARE(seen.toVector(), QList<double>(seen.size(), 97.2984).toVector());
    QCOMPARE(Percent(figures.Chart()->perfectReturn), 97.2984);
    QVERIFY(figures.Chart()->chartReturn <= figures.Chart()->perfectReturn);

    // Back to a table seen before, at another bet: the figures are its own.
    figures.Follow(PayTable::ForSchedule(0), 1, false);
    QVERIFY(!figures.Odds());
    QTRY_VERIFY_WITH_TIMEOUT(figures.Odds(), 60000);
    const double nineSixBelowMax = figures.Odds()->Return();
    QVERIFY(nineSixBelowMax < 0.9954 && nineSixBelowMax > 0.97); // the royal pays 250 below the highest bet
    QCOMPARE(figures.Bet(), 1);
}

void AdvisorFiguresTest::breakEvenOnlyWhenAskedFor()
{
    const PayTable nineSix = PayTable::ForSchedule(0);
    ChosenTableFigures figures;
    figures.Follow(nineSix, MaxBet, false);
    QTRY_VERIFY_WITH_TIMEOUT(figures.Odds() && figures.Chart(), 60000);
    QVERIFY(!figures.BreakEven());

    figures.Follow(nineSix, MaxBet, true);
    QVERIFY(figures.Odds()); // the same table: nothing to work out again
    QTRY_VERIFY_WITH_TIMEOUT(figures.BreakEven(), 60000);
    const std::optional<BreakEvenRoyal> royal = *figures.BreakEven();
    QVERIFY(royal);
    // Checked by the definition: at that royal perfect play returns 100 % or
    // more, one less and it falls short.
    const HoldAnalyzer analyzer;
    PayList pays = nineSix.Pays();
    pays[0] = royal->royal;
    QVERIFY(PerfectPlayTable(analyzer, Pays(pays), MaxBet).Return() >= 1.0);
    pays[0] = royal->royal - 1;
    QVERIFY(PerfectPlayTable(analyzer, Pays(pays), MaxBet).Return() < 1.0);
    QVERIFY(royal->royal > 800); // 9/6 returns less than 100 % with the usual royal

    // The break-even royal does not depend on the bet chosen.
    figures.Follow(nineSix, 2, true);
    QVERIFY(figures.BreakEven());
    QCOMPARE((*figures.BreakEven())->royal, royal->royal);
}

void AdvisorFiguresTest::holdsAtTheTableFollowed()
{
    ChosenTableFigures figures;
    const PayTable quads40 = Pays({800, 250, 50, 40, 9, 6, 4, 3, 2, 1});
    figures.Follow(quads40, 3, false);
    AdvisorTables::Shared()->WaitUntilReady();
    const Hand hand{12, 25, 38, 51, 2}; // K♣ K♦ K♥ K♠ 3♣
    const RankedHolds holds = figures.Analyze(hand);
    const RankedHolds direct = AnalyzeDirect(hand, quads40, 3);
    for (int i = 0; i < HoldCount; ++i) {
        QCOMPARE(holds[i].holdMask, direct[i].holdMask);
        QCOMPARE(holds[i].totalCredits, direct[i].totalCredits);
    }
    QCOMPARE(holds[0].expectedCredits, 3.0 * 40); // the four kings, paid 40 per credit
}

// The chart's play, counted over every deal, against the chart's return
// that the chart search scores its own way.
void AdvisorFiguresTest::chartPlayOnlyWhenAskedFor()
{
    const PayTable eightFive = PayTable::ForSchedule(3);
    ChosenTableFigures figures;
    figures.Follow(eightFive, 2, false);
    QTRY_VERIFY_WITH_TIMEOUT(figures.Odds() && figures.Chart(), 60000);
    QVERIFY(!figures.ChartPlay());
    figures.Follow(eightFive, 2, false, true);
    QTRY_VERIFY_WITH_TIMEOUT(figures.ChartPlay(), 60000);
    const ReturnTable chartPlay = *figures.ChartPlay();
    QVERIFY(std::abs(chartPlay.Return() - figures.Chart()->chartReturn) < 1e-12);
    QVERIFY(chartPlay.Return() < figures.Odds()->Return());
    QCOMPARE(chartPlay.pays, figures.Odds()->pays);
    figures.Follow(eightFive, 2, false);
    QVERIFY(!figures.ChartPlay());
}

QTEST_MAIN(AdvisorFiguresTest)
#include "tst_advisor_figures.moc"
