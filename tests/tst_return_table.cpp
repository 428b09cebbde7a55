// The exact return table of perfect play.
#include "engine/ReturnTable.h"
#include "engine/ScheduleReturn.h"

#include <QTest>

#include <optional>

using namespace vel;

class ReturnTableTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { analyzer_.emplace(); }
    void fullPayAtMaxBet();
    void everyScheduleAgreesWithPerfectPlay_data();
    void everyScheduleAgreesWithPerfectPlay();

private:
    std::optional<HoldAnalyzer> analyzer_;
};

void ReturnTableTest::fullPayAtMaxBet()
{
    PayTable pays;
    pays.ApplySchedule(0); // 9 / 6
    const ReturnTable table = PerfectPlayTable(*analyzer_, pays, MaxBet);
    double probabilities = 0, returned = 0, squares = 0;
    for (int category = Nothing; category <= RoyalFlush; ++category) {
        const double pay = static_cast<double>(pays.PayoutFor(category, MaxBet)) / MaxBet;
        QCOMPARE(table.pays[category], pay);
        probabilities += table.probability[category];
        returned += table.probability[category] * pay;
        squares += table.probability[category] * (pay - 1) * (pay - 1);
    }
    QVERIFY(qAbs(probabilities - 1) < 1e-12);
    QVERIFY(qAbs(table.Return() - returned) < 1e-12);
    QVERIFY2(qAbs(table.Return() - 0.99543904) < 1e-8, qPrintable(QString::number(table.Return(), 'f', 10)));
    const double mean = returned - 1;
    QVERIFY(qAbs(table.Variance() - (squares - mean * mean)) < 1e-9);
    // The figures every strategy book gives for full-pay Jacks or Better.
    QVERIFY2(table.StandardDeviation() > 4.41 && table.StandardDeviation() < 4.43,
             qPrintable(QString::number(table.StandardDeviation())));
    QVERIFY2(table.RoyalCycle() > 40'000 && table.RoyalCycle() < 41'000, qPrintable(QString::number(table.RoyalCycle())));
    QVERIFY(table.probability[JacksOrBetter] > table.probability[TwoPair]);
    QVERIFY(table.probability[Nothing] > 0.5 && table.probability[Nothing] < 0.6);
}

void ReturnTableTest::everyScheduleAgreesWithPerfectPlay_data()
{
    QTest::addColumn<int>("schedule");
    QTest::addColumn<int>("bet");
    for (int schedule = 0; schedule < static_cast<int>(PaySchedules.size()); ++schedule) {
        for (int bet : {1, MaxBet})
            QTest::addRow("schedule %d, bet %d", schedule, bet) << schedule << bet;
    }
}

// The return is found a second way, by the best expected value of each deal.
void ReturnTableTest::everyScheduleAgreesWithPerfectPlay()
{
    QFETCH(int, schedule);
    QFETCH(int, bet);
    PayTable pays;
    pays.ApplySchedule(schedule);
    const ReturnTable table = PerfectPlayTable(*analyzer_, pays, bet);
    QVERIFY(qAbs(table.Return() - PerfectPlayReturn(*analyzer_, pays, bet)) < 1e-12);
    double probabilities = 0;
    for (double probability : table.probability)
        probabilities += probability;
    QVERIFY(qAbs(probabilities - 1) < 1e-12);
}

QTEST_GUILESS_MAIN(ReturnTableTest)
#include "tst_return_table.moc"
