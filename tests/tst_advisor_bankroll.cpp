// The advisor's bankroll page, played through its widgets: it starts from
// the table's credit, shows the engine's figures and graph of the inputs on
// the page and of no others, and names a bad input instead of a figure.
#include "AdvisorFixture.h"

#include "engine/Bankroll.h"
#include "engine/ChartPlay.h"
#include "engine/StrategyChart.h"

#include <QChartView>
#include <QLineSeries>
#include <QRadioButton>
#include <QSpinBox>
#include <QThreadPool>

using namespace advisorfixture;

namespace {

constexpr int EightFive = 3;

QSpinBox* SpinBox(const TAdvisorForm& advisor, const char* name)
{
    return advisor.findChild<QSpinBox*>(QLatin1String(name));
}

// Types a number over a box's value, key by key, as a player does.
void TypeNumber(QSpinBox* box, int number)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::number(number));
}

bool FiguresShown(const TAdvisorForm& advisor)
{
    return advisor.findChild<QLabel*>(QStringLiteral("BankrollRisk"))->isVisible();
}

QLineSeries* Series(const TAdvisorForm& advisor, const QString& name)
{
    for (QAbstractSeries* series : advisor.findChild<QChartView*>(QStringLiteral("BankrollGraph"))->chart()->series()) {
        if (series->name() == name)
            return qobject_cast<QLineSeries*>(series);
    }
    return nullptr;
}

QString Percent(double chance)
{
    return QString::number(100 * chance, 'f', 2) + QLatin1Char('%');
}

// Lets every piece of background work end and be delivered.
void SettleBackgroundWork()
{
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(50);
}

} // namespace

class AdvisorBankrollTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { analyzer_.emplace(); }
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        table_ = StartTable(sandbox_.programPath);
        QVERIFY(table_);
        advisor_ = OpenAdvisor(*table_);
        QVERIFY(advisor_);
        ShowPage(*advisor_, BankrollPage);
    }
    void cleanup()
    {
        table_.reset();
        SettleBackgroundWork();
    }
    void startsFromTheTable();
    void figuresAndGraphAreTheEngines_data();
    void figuresAndGraphAreTheEngines();
    void staleAnswerNeverShown();
    void badInputShowsTheError_data();
    void badInputShowsTheError();

private:
    vel::ReturnTable OneHand(int schedule, bool chart) const
    {
        const vel::PayTable pays = vel::PayTable::ForSchedule(schedule);
        if (!chart)
            return vel::PerfectPlayTable(*analyzer_, pays, vel::MaxBet);
        return vel::ChartPlayTable(*analyzer_, vel::GenerateChart(*analyzer_, pays, vel::MaxBet).lines, pays, vel::MaxBet);
    }
    vel::BankrollFigures Engine(int schedule, bool chart, int credit, int hands) const
    {
        return std::get<vel::BankrollFigures>(vel::AnswerBankroll(OneHand(schedule, chart), {credit, hands, vel::MaxBet}));
    }
    QString Shown(const char* figure) const { return Text(*advisor_, figure); }

    Sandbox sandbox_;
    std::optional<vel::HoldAnalyzer> analyzer_;
    std::unique_ptr<TForm1> table_;
    TAdvisorForm* advisor_ = nullptr;
};

// The table's credit and 1,000 hands of the table in force; the credit
// follows the table until the player types one.
void AdvisorBankrollTest::startsFromTheTable()
{
    QCOMPARE(PayTableList(*advisor_)->currentText(), QStringLiteral("In force: 8 / 6 - Med Pay"));
    QCOMPARE(SpinBox(*advisor_, "BankrollCredit")->value(), 100);
    QCOMPARE(SpinBox(*advisor_, "BankrollHands")->value(), 1000);
    QVERIFY(advisor_->findChild<QRadioButton*>(QStringLiteral("BankrollPerfectPlay"))->isChecked());
    QTRY_VERIFY_WITH_TIMEOUT(FiguresShown(*advisor_), 60000);
    QCOMPARE(Shown("BankrollRisk"), Percent(Engine(vel::DefaultPaySchedule, false, 100, 1000).riskOfRuin));

    Deal(*table_); // the bet leaves the credit
    QCOMPARE(SpinBox(*advisor_, "BankrollCredit")->value(), table_->State().Credit);
    QTRY_VERIFY_WITH_TIMEOUT(FiguresShown(*advisor_), 60000);
    QCOMPARE(Shown("BankrollRisk"), Percent(Engine(vel::DefaultPaySchedule, false, 95, 1000).riskOfRuin));

    TypeNumber(SpinBox(*advisor_, "BankrollCredit"), 500);
    Draw(*table_);
    QCOMPARE(SpinBox(*advisor_, "BankrollCredit")->value(), 500);
}

void AdvisorBankrollTest::figuresAndGraphAreTheEngines_data()
{
    QTest::addColumn<bool>("chart");
    QTest::addColumn<int>("hands");
    QTest::newRow("perfect play, every hand drawn") << false << 900;
    QTest::newRow("perfect play, 2,000 hands") << false << 2000;
    QTest::newRow("by the chart") << true << 2000;
}

// 8 / 5 at bet 5 with 1,000 credits: every figure as the engine has it,
// told to a screen reader too, and the graph's lines through its values.
void AdvisorBankrollTest::figuresAndGraphAreTheEngines()
{
    QFETCH(bool, chart);
    QFETCH(int, hands);
    QVERIFY(ChoosePayTable(*advisor_, QStringLiteral("8 / 5")));
    TypeNumber(SpinBox(*advisor_, "BankrollCredit"), 1000);
    TypeNumber(SpinBox(*advisor_, "BankrollHands"), hands);
    if (chart) {
        auto* chartPlay = advisor_->findChild<QRadioButton*>(QStringLiteral("BankrollChartPlay"));
        QTest::mouseClick(chartPlay, Qt::LeftButton, {}, QPoint(5, chartPlay->height() / 2));
        QVERIFY(chartPlay->isChecked());
    }
    QTRY_VERIFY_WITH_TIMEOUT(FiguresShown(*advisor_), 60000);
    const vel::BankrollFigures engine = Engine(EightFive, chart, 1000, hands);
    if (!chart && hands == 2000) // as the engine's own tests find it
        QCOMPARE(Shown("BankrollRisk"), QStringLiteral("13.08%"));
    QCOMPARE(Shown("BankrollRisk"), Percent(engine.riskOfRuin));
    QCOMPARE(Shown("BankrollRoyalWithin"), Percent(engine.royalWithinHands));
    QCOMPARE(Shown("BankrollRoyalBefore"), Percent(engine.royalBeforeRuin));
    QCOMPARE(Shown("BankrollAhead"), Percent(engine.finishAhead));
    const vel::CreditPercentiles& credit = engine.creditPercentiles;
    QCOMPARE(Shown("BankrollPercentiles"), QStringLiteral("5%: %1; 25%: %2; median: %3; 75%: %4; 95%: %5")
                                               .arg(QLocale().toString(credit[0]), QLocale().toString(credit[1]),
                                                    QLocale().toString(credit[2]), QLocale().toString(credit[3]),
                                                    QLocale().toString(credit[4])));
    QCOMPARE(Shown("BankrollMean"), QLocale().toString(engine.meanCredit, 'f', 2));
    const auto& needed = engine.creditForRisk;
    QCOMPARE(Shown("BankrollCreditForRisk"), QStringLiteral("1%: %1; 5%: %2; 10%: %3")
                                                 .arg(QLocale().toString(needed[0]), QLocale().toString(needed[1]),
                                                      QLocale().toString(needed[2])));
    const QString handsText = QLocale().toString(hands);
    QCOMPARE(advisor_->findChild<QLabel*>(QStringLiteral("BankrollRisk"))->accessibleName(),
             QStringLiteral("Risk of ruin in the session: %1").arg(Percent(engine.riskOfRuin)));
    QVERIFY(advisor_->findChild<QChartView*>(QStringLiteral("BankrollGraph"))->accessibleDescription().contains(
        QStringLiteral("%1 by hand %2").arg(Percent(engine.riskOfRuin), handsText)));

    // The chance of having run out: from hand 0 to the last, in per cent.
    const QList<QPointF> ruin = Series(*advisor_, QStringLiteral("Run out by this hand"))->points();
    QVERIFY(ruin.size() > 400 && ruin.size() <= hands + 1);
    QCOMPARE(ruin.constFirst(), QPointF(0, 0));
    QCOMPARE(ruin.constLast().x(), double(hands));
    for (const QPointF& point : ruin) {
        const auto n = static_cast<std::size_t>(point.x());
        QCOMPARE(point.x(), double(n));
        QCOMPARE(point.y(), 100 * engine.ruinedByHand[n]);
    }
    // The credit's percentiles along the way.
    const QString names[] = {"Credit: 5%", "Credit: 25%", "Credit: median", "Credit: 75%", "Credit: 95%"};
    for (std::size_t level = 0; level < std::size(names); ++level) {
        const QList<QPointF> points = Series(*advisor_, names[level])->points();
        QCOMPARE(points.size(), static_cast<qsizetype>(engine.spreadByHand.size()));
        for (qsizetype i = 0; i < points.size(); ++i) {
            const vel::CreditSpread& spread = engine.spreadByHand[static_cast<std::size_t>(i)];
            QCOMPARE(points[i], QPointF(spread.hands, double(spread.credit[level])));
        }
    }
}

// A long session asked for, then a short one while it is worked out: the
// short one's figures come first, and stay when the long work ends.
void AdvisorBankrollTest::staleAnswerNeverShown()
{
    QVERIFY(ChoosePayTable(*advisor_, QStringLiteral("8 / 5")));
    TypeNumber(SpinBox(*advisor_, "BankrollCredit"), 50000);
    QTRY_VERIFY_WITH_TIMEOUT(FiguresShown(*advisor_), 60000);
    TypeNumber(SpinBox(*advisor_, "BankrollHands"), 100000);
    QVERIFY(!FiguresShown(*advisor_));
    QCOMPARE(Shown("BankrollStatus"), QStringLiteral("Working out the figures..."));
    QVERIFY(Series(*advisor_, QStringLiteral("Run out by this hand"))->points().isEmpty());
    TypeNumber(SpinBox(*advisor_, "BankrollHands"), 50); // 5, then 50: each drops the work before
    const vel::BankrollFigures engine = Engine(EightFive, false, 50000, 50);
    QTRY_VERIFY_WITH_TIMEOUT(FiguresShown(*advisor_), 60000);
    SettleBackgroundWork();
    QVERIFY(FiguresShown(*advisor_));
    QVERIFY(!advisor_->findChild<QLabel*>(QStringLiteral("BankrollStatus"))->isVisible());
    QCOMPARE(Shown("BankrollMean"), QLocale().toString(engine.meanCredit, 'f', 2));
    QCOMPARE(Shown("BankrollAhead"), Percent(engine.finishAhead));
    QCOMPARE(Series(*advisor_, QStringLiteral("Credit: median"))->points().constLast(),
             QPointF(50, double(engine.creditPercentiles[vel::MedianLevel])));
}

void AdvisorBankrollTest::badInputShowsTheError_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("error");
    QTest::newRow("credit below the bet")
        << "BankrollCredit" << 4 << "A credit of 4 does not cover the bet of 5: the session could not start.";
    QTest::newRow("credit over the limit") << "BankrollCredit" << 1000001 << "The credit can be at most 1,000,000.";
    QTest::newRow("no hands") << "BankrollHands" << 0 << "The session needs at least one hand.";
    QTest::newRow("hands over the limit") << "BankrollHands" << 100001 << "The session can be at most 100,000 hands.";
}

void AdvisorBankrollTest::badInputShowsTheError()
{
    QFETCH(QString, box);
    QFETCH(int, value);
    QFETCH(QString, error);
    QTRY_VERIFY_WITH_TIMEOUT(FiguresShown(*advisor_), 60000);
    QSpinBox* spinBox = SpinBox(*advisor_, box.toLatin1().constData());
    const int good = spinBox->value();
    TypeNumber(spinBox, value);
    QCOMPARE(Shown("BankrollStatus"), error);
    QVERIFY(!FiguresShown(*advisor_));
    QVERIFY(Series(*advisor_, QStringLiteral("Run out by this hand"))->points().isEmpty());
    SettleBackgroundWork(); // nothing of the inputs before comes back
    QVERIFY(!FiguresShown(*advisor_));
    QCOMPARE(Shown("BankrollStatus"), error);
    TypeNumber(spinBox, good);
    QTRY_VERIFY_WITH_TIMEOUT(FiguresShown(*advisor_), 60000);
    QVERIFY(!advisor_->findChild<QLabel*>(QStringLiteral("BankrollStatus"))->isVisible());
}

QTEST_MAIN(AdvisorBankrollTest)
#include "tst_advisor_bankroll.moc"
