// Any pay table in the advisor, played through its widgets: a schedule or a
// table typed into the editor changes the odds, bad pays leave the figures as
// they were, kept tables come back in the next game, and the keyboard
// reaches it all.
#include "AdvisorFixture.h"

#include "engine/ReturnTable.h"
#include "engine/StrategyChart.h"
#include "game/Translations.h"

#include <QScopeGuard>
#include <QSpinBox>
#include <QThreadPool>
#include <QTranslator>

using namespace advisorfixture;

namespace {

// The return on the Odds page, in per cent; 0 while being worked out.
double ShownReturn(const TAdvisorForm& advisor)
{
    const QString summary = PlainText(advisor, "OddsSummary");
    if (!summary.startsWith(QStringLiteral("Return ")))
        return 0;
    return summary.section(QLatin1Char(' '), 1, 1).chopped(2).remove(QLatin1Char(',')).toDouble();
}

// Lets every piece of background work end and be delivered.
void SettleBackgroundWork()
{
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(50);
}

} // namespace

class AdvisorPayTablesTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QFile::remove(sandbox_.ConfigFile());
    }
    void scheduleFromTheList_data();
    void scheduleFromTheList();
    void customTableFollowsTyping();
    void badPayLeavesFiguresAsTheyWere_data();
    void badPayLeavesFiguresAsTheyWere();
    void keptTableComesBackNextGame();
    void keyboardReachesEveryControl_data();
    void keyboardReachesEveryControl();
    void shortcutsDoNotClash_data();
    void shortcutsDoNotClash();

private:
    Sandbox sandbox_;
};

void AdvisorPayTablesTest::scheduleFromTheList_data()
{
    QTest::addColumn<int>("schedule");
    QTest::addColumn<double>("published"); // per cent at the highest bet
    QTest::addColumn<double>("within");
    QTest::newRow("9 / 6") << 0 << 99.5439 << 0.00005;
    QTest::newRow("8 / 5") << 3 << 97.2984 << 0.00005;
    for (int schedule : {1, 2, 4, 5}) {
        const vel::PaySchedule& listed = vel::PaySchedules[static_cast<std::size_t>(schedule)];
        QTest::newRow(listed.listText.data())
            << schedule << QString::fromUtf8(listed.statedReturn.data()).chopped(1).toDouble() << 0.005;
    }
}

void AdvisorPayTablesTest::scheduleFromTheList()
{
    QFETCH(int, schedule);
    QFETCH(double, published);
    QFETCH(double, within);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    ShowPage(*advisor, OddsPage);
    QVERIFY(PayTableList(*advisor)->isVisible());
    QCOMPARE(PayTableList(*advisor)->currentText(), QStringLiteral("In force: 8 / 6 - Med Pay"));
    const vel::PaySchedule& chosen = vel::PaySchedules[static_cast<std::size_t>(schedule)];
    const QString name = QString::fromUtf8(chosen.listText.data(), chosen.listText.size());
    QVERIFY(ChoosePayTable(*advisor, name));
    QCOMPARE(Text(*advisor, "OddsHeading"), QStringLiteral("Perfect play on %1 at a bet of 5").arg(name));
    QTRY_VERIFY_WITH_TIMEOUT(ShownReturn(*advisor) > 0, 60000);
    QVERIFY2(qAbs(ShownReturn(*advisor) - published) <= within, qPrintable(PlainText(*advisor, "OddsSummary")));
    QTableWidget* odds = Table(*advisor, "OddsTable");
    QCOMPARE(odds->item(3, 3)->text(), QString::number(5 * chosen.fullHouse));
    QCOMPARE(odds->item(4, 3)->text(), QString::number(5 * chosen.flush));

    // A lower bet: the royal flush pays 250 per credit.
    advisor->findChild<QSpinBox*>(QStringLiteral("PayTableBet"))->setValue(4);
    QTRY_COMPARE_WITH_TIMEOUT(odds->item(0, 3) ? odds->item(0, 3)->text() : QString(), QStringLiteral("1,000"), 60000);
    // The table itself plays on as before.
    QCOMPARE(table->State().Schedule, vel::DefaultPaySchedule);
    QCOMPARE(table->State().CurrentBet, vel::MaxBet);
    QVERIFY(!table->SettingsStore().SettingsChanged);
}

void AdvisorPayTablesTest::customTableFollowsTyping()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    ShowPage(*advisor, OddsPage);
    QVERIFY(ChoosePayTable(*advisor, QStringLiteral("Custom")));
    // Filled from the table in force, 8 / 6.
    const QStringList filled{"800", "250", "50", "25", "8", "6", "4", "3", "2", "1"};
    for (int line = 0; line < vel::PayLineCount; ++line)
        QCOMPARE(Box(*advisor, QStringLiteral("PayBox%1").arg(line))->text(), filled[line]);
    QCOMPARE(Text(*advisor, "OddsHeading"), QStringLiteral("Perfect play on your own pay table at a bet of 5"));

    // The full house made to pay 9: the 9 / 6 machine, as published.
    TypeInto(Box(*advisor, "PayBox4"), QStringLiteral("9"));
    QTRY_COMPARE_WITH_TIMEOUT(ShownReturn(*advisor), 99.5439, 60000);
    // Its break-even royal flush, checked by what the words say: from that
    // pay perfect play returns 100 % or more, one less and it falls short.
    const vel::HoldAnalyzer analyzer;
    const auto returnWithRoyal = [&analyzer](vel::PayList pays, int royal) {
        pays[0] = royal;
        return vel::PerfectPlayTable(analyzer, *vel::PayTable::FromPays(pays), vel::MaxBet).Return();
    };
    const QString breakEven = QStringLiteral("Break-even royal flush: ");
    QTRY_VERIFY_WITH_TIMEOUT(Text(*advisor, "BreakEvenLabel").startsWith(breakEven), 60000);
    const int royal = Text(*advisor, "BreakEvenLabel").section(QLatin1Char(' '), 3, 3).remove(QLatin1Char(',')).toInt();
    const vel::PayList nineSix = vel::PayTable::ForSchedule(0).Pays();
    QVERIFY(returnWithRoyal(nineSix, royal) >= 1.0);
    QVERIFY(returnWithRoyal(nineSix, royal - 1) < 1.0);
    QCOMPARE(Text(*advisor, "BreakEvenLabel"),
             breakEven + QStringLiteral("%1 per credit at bet 5, where perfect play returns %2%.")
                             .arg(QLocale().toString(royal), QLocale().toString(100 * returnWithRoyal(nineSix, royal), 'f', 4)));
    // Four of a kind at 40 per credit: the chart follows, with its cost.
    ShowPage(*advisor, ChartPage);
    TypeInto(Box(*advisor, "PayBox3"), QStringLiteral("40"));
    const vel::PayTable quads40 = *vel::PayTable::FromPays({800, 250, 50, 40, 9, 6, 4, 3, 2, 1});
    const vel::StrategyChart chart = vel::GenerateChart(analyzer, quads40, vel::MaxBet);
    const QString chartReturn = QLocale().toString(100 * chart.chartReturn, 'f', 4);
    QTRY_VERIFY_WITH_TIMEOUT(PlainText(*advisor, "ChartSummary").contains(chartReturn), 60000);
    QCOMPARE(Table(*advisor, "ChartTable")->rowCount(), static_cast<int>(chart.lines.size()));
    QVERIFY(PlainText(*advisor, "ChartSummary").contains(QStringLiteral("gives up")));
    // So generous a table breaks even with a royal flush that pays nothing.
    QTRY_COMPARE_WITH_TIMEOUT(Text(*advisor, "BreakEvenLabel"),
                              QStringLiteral("Even with a royal flush that pays nothing, perfect play returns %1%.")
                                  .arg(QLocale().toString(100 * returnWithRoyal(quads40.Pays(), 0), 'f', 4)),
                              60000);
    QVERIFY(!table->SettingsStore().SettingsChanged); // nothing kept
}

void AdvisorPayTablesTest::badPayLeavesFiguresAsTheyWere_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters") << QStringLiteral("abc");
    QTest::newRow("negative") << QStringLiteral("-1");
    QTest::newRow("above the highest") << QStringLiteral("100001");
    QTest::newRow("fraction") << QStringLiteral("2.5");
    QTest::newRow("exponent") << QStringLiteral("1e3");
    QTest::newRow("empty") << QString();
}

void AdvisorPayTablesTest::badPayLeavesFiguresAsTheyWere()
{
    QFETCH(QString, typed);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    ShowPage(*advisor, OddsPage);
    QVERIFY(ChoosePayTable(*advisor, QStringLiteral("Custom")));
    TypeInto(Box(*advisor, "PayTableName"), QStringLiteral("Mine"));
    QTRY_VERIFY_WITH_TIMEOUT(ShownReturn(*advisor) > 0 && Text(*advisor, "BreakEvenLabel").startsWith("Break-even"),
                             60000);
    SettleBackgroundWork();
    const QStringList shown{Text(*advisor, "OddsSummary"), Text(*advisor, "ChartSummary"),
                            Text(*advisor, "BreakEvenLabel")};
    QVERIFY(Button(*advisor, "KeepPayTableButton")->isEnabled());

    PasteInto(Box(*advisor, "PayBox3"), typed);
    QCOMPARE(Box(*advisor, "PayBox3")->text(), typed);
    QLabel* fault = advisor->findChild<QLabel*>(QStringLiteral("PayFault"));
    QVERIFY(fault->isVisible());
    QCOMPARE(fault->text(), QStringLiteral("Four of a Kind: A pay must be a whole number from 0 to 100000"));
    QCOMPARE(Box(*advisor, "PayBox3")->accessibleDescription(),
             QStringLiteral("A pay must be a whole number from 0 to 100000"));
    QVERIFY(!Button(*advisor, "KeepPayTableButton")->isEnabled());
    SettleBackgroundWork();
    QCOMPARE((QStringList{Text(*advisor, "OddsSummary"), Text(*advisor, "ChartSummary"),
                          Text(*advisor, "BreakEvenLabel")}),
             shown);
    QTest::keyClick(Box(*advisor, "PayTableName"), Qt::Key_K, Qt::AltModifier);
    QTest::qWait(300); // a button's Alt key would have clicked by now
    QCOMPARE(PayTableList(*advisor)->currentText(), QStringLiteral("Custom"));
    QVERIFY(!table->SettingsStore().SettingsChanged); // nothing saved

    // Mended, the figures follow again.
    TypeInto(Box(*advisor, "PayBox3"), QStringLiteral("50"));
    QVERIFY(!fault->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(ShownReturn(*advisor) > 0 && Text(*advisor, "OddsSummary") != shown[0], 60000);
}

void AdvisorPayTablesTest::keptTableComesBackNextGame()
{
    QVERIFY(QDir().mkpath(QFileInfo(sandbox_.ConfigFile()).path()));
    QFile file(sandbox_.ConfigFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("; mine\n[Main]\nPayout=3\n[PayTables]\nBroken=1,2\n[Later]\nA=1\n");
    file.close();
    {
        auto table = StartTable(sandbox_.programPath);
        QVERIFY(table);
        TAdvisorForm* advisor = OpenAdvisor(*table);
        QVERIFY(advisor);
        ShowPage(*advisor, OddsPage);
        QVERIFY(ChoosePayTable(*advisor, QStringLiteral("Custom")));
        QCOMPARE(Box(*advisor, "PayBox4")->text(), QStringLiteral("8")); // 8 / 5 in force
        TypeInto(Box(*advisor, "PayBox0"), QStringLiteral("1000"));
        TypeInto(Box(*advisor, "PayTableName"), QStringLiteral("Road 8/5"));
        QTest::keyClick(Box(*advisor, "PayTableName"), Qt::Key_Return);
        QCOMPARE(PayTableList(*advisor)->currentText(), QStringLiteral("Road 8/5"));
        QVERIFY(Button(*advisor, "DeletePayTableButton")->isEnabled());
        QVERIFY(table->SettingsStore().SettingsChanged);
        QVERIFY(table->close());
    }
    file.open(QIODevice::ReadOnly);
    QCOMPARE(file.readAll(), QByteArray("; mine\n[Main]\nPayout=3\nCelebrateLevel=6\nPanelColor=15780518\n"
                                        "WinColor=32768\nHoldColor=255\nScaleCards=0\n[PayTables]\nBroken=1,2\n"
                                        "Road 8%2F5=1000,250,50,25,8,5,4,3,2,1\n[Later]\nA=1\n"));
    file.close();
    {
        auto table = StartTable(sandbox_.programPath);
        QVERIFY(table);
        TAdvisorForm* advisor = OpenAdvisor(*table);
        QVERIFY(advisor);
        ShowPage(*advisor, ChartPage);
        QVERIFY(ChoosePayTable(*advisor, QStringLiteral("Road 8/5")));
        QCOMPARE(Box(*advisor, "PayBox0")->text(), QStringLiteral("1000"));
        QCOMPARE(Box(*advisor, "PayTableName")->text(), QStringLiteral("Road 8/5"));
        QTest::mouseClick(Button(*advisor, "DeletePayTableButton"), Qt::LeftButton);
        QCOMPARE(PayTableList(*advisor)->findText(QStringLiteral("Road 8/5")), -1);
        QCOMPARE(PayTableList(*advisor)->currentText(), QStringLiteral("Custom"));
        QVERIFY(table->close());
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith("[PayTables]\nBroken=1,2\n[Later]\nA=1\n"));
}

void AdvisorPayTablesTest::keyboardReachesEveryControl_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("payTable");
    QTest::addColumn<QStringList>("chain"); // after the tabs, by name; a card by its full name
    QStringList editor{"PayTableList", "PayTableBet"};
    for (int line = 0; line < vel::PayLineCount; ++line)
        editor << QStringLiteral("PayBox%1").arg(line);
    editor << "PayTableName"; // Keep and Delete wait for a name and a kept table
    QTest::newRow("odds of a custom table") << int(OddsPage) << "Custom" << editor + QStringList{"OddsTable"};
    QTest::newRow("chart of a schedule") << int(ChartPage) << "9 / 5" << QStringList{"PayTableList", "PayTableBet", "ChartTable"};
    QTest::newRow("any hand, in force") << int(AnyHandPage) << "In force: 8 / 6 - Med Pay"
                                        << QStringList{"PayTableList", "AnyHandBox", "Two of Clubs", "AnyHandHolds"};
    QTest::newRow("bankroll of a schedule")
        << int(BankrollPage) << "9 / 5"
        << QStringList{"PayTableList", "PayTableBet", "BankrollCredit", "BankrollHands", "BankrollPerfectPlay",
                       "BankrollGraph"};
}

void AdvisorPayTablesTest::keyboardReachesEveryControl()
{
    QFETCH(int, page);
    QFETCH(QString, payTable);
    QFETCH(QStringList, chain);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    TAdvisorForm* advisor = OpenAdvisor(*table);
    QVERIFY(advisor);
    advisor->activateWindow();
    QVERIFY(QTest::qWaitFor([advisor] { return QApplication::activeWindow() == advisor; }));
    ShowPage(*advisor, static_cast<Page>(page));
    QVERIFY(ChoosePayTable(*advisor, payTable));
    const auto name = [](const QWidget* widget) {
        return widget->objectName().isEmpty() ? widget->accessibleName() : widget->objectName();
    };
    QWidget* tabs = advisor->findChild<QTabBar*>();
    tabs->setFocus();
    for (const QString& expected : chain + QStringList{tabs->objectName()}) {
        QTest::keyClick(advisor->focusWidget(), Qt::Key_Tab);
        QCOMPARE(name(advisor->focusWidget()), expected);
    }
}

void AdvisorPayTablesTest::shortcutsDoNotClash_data()
{
    QTest::addColumn<QLocale>("language");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
}

// Every Alt key of the advisor's buttons and labels is its own, in each
// language the game speaks.
void AdvisorPayTablesTest::shortcutsDoNotClash()
{
    QFETCH(QLocale, language);
    vel::InstallTranslations(*qApp, language);
    const auto english = qScopeGuard([] {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    });
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    auto* advisor = table->findChild<TAdvisorForm*>();
    QStringList texts;
    for (const QAbstractButton* button : advisor->findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QLabel* label : advisor->findChildren<QLabel*>()) {
        if (label->buddy())
            texts << label->text();
    }
    for (const QTabBar* tabs : advisor->findChildren<QTabBar*>()) {
        for (int tab = 0; tab < tabs->count(); ++tab)
            texts << tabs->tabText(tab);
    }
    QStringList keys;
    for (const QString& text : texts) {
        if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty())
            keys << key.toString();
    }
    // Hold These, Analyse, Warn; pay table, bet, name, Keep, Delete; cards; credit, hands, perfect
    // play, the chart's play; deal; from, listed, all holds; the tabs Training, Mistakes, Graph
    QCOMPARE(keys.size(), 20);
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
}

QTEST_MAIN(AdvisorPayTablesTest)
#include "tst_advisor_paytables.moc"
