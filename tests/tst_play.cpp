#include "TableFixture.h"

#include "game/Celebration.h"
#include "game/TableWidgets.h"
#include "shell/GameClock.h"
#include "shell/Unit6.h"
#include "shell/UElapsedTimeLabel.h"
#include "views/SBPro.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>

#include <set>

using namespace fixture;

namespace {

QString Text(const TForm1& table, const char* name)
{
    return table.findChild<QLabel*>(QLatin1String(name))->text();
}

QPushButton* Button(const TForm1& table, const char* name)
{
    return table.findChild<QPushButton*>(QLatin1String(name));
}

void SetBet(TForm1& table, int bet)
{
    auto* list = table.findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    list->setCurrentIndex(list->findText(QString::number(bet)));
}

// Deals, holds the places in `mask` and draws, through the buttons.
void PlayHand(TForm1& table, unsigned mask)
{
    QTest::mouseClick(Button(table, "BitBtn2"), Qt::LeftButton);
    for (int place = 1; place <= 5; ++place) {
        if (mask >> (place - 1) & 1)
            PressKey(table, static_cast<char>('0' + place));
    }
    QTest::mouseClick(Button(table, "BitBtn1"), Qt::LeftButton);
}

// A clock whose first deal, held as `mask`, ends in `category`.
std::uint32_t ClockFor(int category, unsigned mask)
{
    return FindClock([&](const vel::Deck& deck) {
        return CategoryOfCards(FinalHand(NextTen(deck), mask)) == category;
    });
}

// A clock and hold mask whose first hand ends in a royal flush.
std::pair<std::uint32_t, unsigned> RoyalClock()
{
    unsigned found = 0;
    const std::uint32_t time = FindClock([&](const vel::Deck& deck) {
        const auto cards = NextTen(deck);
        for (unsigned mask = 0; mask < 32; ++mask) {
            if (CategoryOfCards(FinalHand(cards, mask)) == vel::RoyalFlush) {
                found = mask;
                return true;
            }
        }
        return false;
    });
    return {time, found};
}

// Plays bet-5 hands, throwing every card away, until the game is over and
// the question has been answered with `answer`.
std::unique_ptr<BoxAnswerer> PlayUntilGameOver(TForm1& table, QMessageBox::StandardButton answer)
{
    SetBet(table, 5);
    for (;;) {
        auto answerer = std::make_unique<BoxAnswerer>(answer);
        PlayHand(table, 0);
        if (answerer->shown)
            return answerer;
    }
}

TCardPanel* Place(const TForm1& table, int place)
{
    return table.findChild<TCardPanel*>(QStringLiteral("Panel%1").arg(place));
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void royalFlush_data();
    void royalFlush();
    void lossShowsStatistics();
    void equalRecordsAreNotHighlighted();
    void betIsCutToCredit();
    void gameOverAnswers_data();
    void gameOverAnswers();
    void newGameQuestion();
    void closeQuestion();
    void pauseRestoresControls();
    void clockCaption_data();
    void clockCaption();
    void clockIgnoresPausedTime();
    void celebrationLevels_data();
    void celebrationLevels();
    void deferredCommands();
    void soak();

private:
    Sandbox sandbox_;
};

void PlayTest::royalFlush_data()
{
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("payout");
    QTest::addColumn<QString>("winText");
    QTest::newRow("bet 5 pays the top rate") << 5 << 4000 << "Win 4,000";
    QTest::newRow("bet 4 pays 250 a credit") << 4 << 1000 << "Win 1,000";
}

void PlayTest::royalFlush()
{
    QFETCH(int, bet);
    QFETCH(int, payout);
    QFETCH(QString, winText);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    const auto [time, mask] = RoyalClock();
    UseClock(*table, time);
    SetBet(*table, bet);
    PlayHand(*table, mask);
    QCOMPARE(table->State().Credit, 100 - bet + payout);
    QCOMPARE(Text(*table, "Label11"), winText);
    QCOMPARE(Text(*table, "Label10"), QStringLiteral("Royal Flush"));
    QCOMPARE(Text(*table, "Label7"), QLocale().toString(100 - bet + payout));
    for (int place = 1; place <= 5; ++place) {
        QCOMPARE(Place(*table, place)->Color(), vel::ToQColor(vel::clGreen));
    }
    QVERIFY(Button(*table, "BitBtn2")->isEnabled());
}

void PlayTest::lossShowsStatistics()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, ClockFor(vel::Nothing, 0));
    PlayHand(*table, 0);
    const auto* bar = table->findChild<TStatusBarPro*>();
    const QStringList expected{"Hands= 1", "AVG Win= 0.00", "Hi Win= 0", "Hi Score= 100", "Lo Score= 95"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(bar->Panel(i).Text(), expected[i]);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(bar->Panel(i).Color(), vel::clBtnFace);
    QCOMPARE(bar->Panel(4).Color(), vel::clHighlight);
    QCOMPARE(Text(*table, "Label10"), QStringLiteral("Nothing"));
    QVERIFY(Text(*table, "Label11").isEmpty());
}

void PlayTest::equalRecordsAreNotHighlighted()
{
    // A pair of jacks or better at bet 5 gives the bet back: the balance
    // stays at 100, equal to both records.
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, ClockFor(vel::JacksOrBetter, 0));
    PlayHand(*table, 0);
    const auto* bar = table->findChild<TStatusBarPro*>();
    QCOMPARE(bar->Panel(2).Color(), vel::clHighlight); // 5 beat 0
    QCOMPARE(bar->Panel(3).Color(), vel::clBtnFace);
    QCOMPARE(bar->Panel(4).Color(), vel::clBtnFace);
    QCOMPARE(bar->Panel(3).Text(), QStringLiteral("Hi Score= 100"));
}

void PlayTest::betIsCutToCredit()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, 4242);
    while (table->State().Credit > 4) {
        SetBet(*table, table->State().Credit > 9 ? 5 : 1);
        BoxAnswerer again(QMessageBox::Yes); // a game that ends starts afresh
        PlayHand(*table, 0);
    }
    const int credit = table->State().Credit;
    SetBet(*table, 5);
    QTest::mouseClick(Button(*table, "BitBtn2"), Qt::LeftButton);
    QCOMPARE(table->State().CurrentBet, credit);
    QCOMPARE(Text(*table, "Label9"), QStringLiteral("Current Bet  %1").arg(credit));
    QCOMPARE(Text(*table, "Label7"), QStringLiteral("0"));
    QCOMPARE(table->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->currentText(), QStringLiteral("5"));
}

void PlayTest::gameOverAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes starts again") << int(QMessageBox::Yes);
    QTest::newRow("no closes") << int(QMessageBox::No);
    QTest::newRow("cancel leaves the table") << int(QMessageBox::Cancel);
}

void PlayTest::gameOverAnswers()
{
    QFETCH(int, answer);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, 77);
    const auto box = PlayUntilGameOver(*table, static_cast<QMessageBox::StandardButton>(answer));
    QCOMPARE(box->text, QStringLiteral("Game Over.  Play Again?"));
    QCOMPARE(box->title, QStringLiteral("Confirm"));
    QCOMPARE(box->icon, QMessageBox::Question);
    QCOMPARE(box->defaultButton, QMessageBox::Yes);
    const QWidget* panel2 = Place(*table, 2);
    QCOMPARE(box->position, table->frameGeometry().topLeft() + panel2->pos() + QPoint(50, 85));
    QCOMPARE(box->shown, 1);
    switch (answer) {
    case QMessageBox::Yes:
        QCOMPARE(table->State().Credit, 100);
        QCOMPARE(table->State().HandsPlayed, 0);
        QVERIFY(Button(*table, "BitBtn2")->isEnabled());
        break;
    case QMessageBox::No:
        QVERIFY(!table->isVisible());
        break;
    default: {
        for (const char* name : {"BitBtn1", "BitBtn2"})
            QVERIFY(!Button(*table, name)->isEnabled());
        QVERIFY(!table->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->isEnabled());
        QCOMPARE(table->centralWidget()->toolTip(), QStringLiteral("Click Game - New to play a new game"));
        QCOMPARE(table->findChild<TStatusBarPro*>()->Panel(4).Color(), vel::clBtnFace);
        QVERIFY(!table->findChild<QAction*>(QStringLiteral("Pause1"))->isEnabled());
        table->New1Click(); // no question at a credit of 0
        QCOMPARE(table->State().Credit, 100);
        QVERIFY(table->centralWidget()->toolTip().isEmpty());
    }
    }
}

void PlayTest::newGameQuestion()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, ClockFor(vel::Nothing, 0));
    QTest::mouseClick(Button(*table, "BitBtn2"), Qt::LeftButton);
    table->New1Click(); // a dealt hand with no completed hand: no question
    QCOMPARE(table->State().Credit, 100);
    QVERIFY(!table->Round().GameInProgress());
    PlayHand(*table, 0);
    {
        BoxAnswerer no(QMessageBox::No);
        table->New1Click();
        QCOMPARE(no.text, QStringLiteral("vel Zezuv Game in Progress.  New Game?"));
        QCOMPARE(table->State().HandsPlayed, 1);
    }
    BoxAnswerer yes(QMessageBox::Yes);
    table->New1Click();
    QCOMPARE(yes.shown, 1);
    QCOMPARE(table->State().HandsPlayed, 0);
    QCOMPARE(table->findChild<TStatusBarPro*>()->Panel(3).Text(), QString());
}

void PlayTest::closeQuestion()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    QVERIFY(table->close()); // before the first deal: no question
    table->show();
    QTest::mouseClick(Button(*table, "BitBtn2"), Qt::LeftButton);
    {
        BoxAnswerer no(QMessageBox::No);
        QVERIFY(!table->close());
        QCOMPARE(no.text, QStringLiteral("vel Zezuv Game in Progress.  Close Program?"));
        QCOMPARE(no.position, table->frameGeometry().topLeft() + Place(*table, 2)->pos() + QPoint(10, 85));
        QVERIFY(table->Round().CanHold());
    }
    BoxAnswerer yes(QMessageBox::Yes);
    QVERIFY(table->close());
    QVERIFY(!QFile::exists(sandbox_.ConfigFile())); // nothing changed, nothing written
}

void PlayTest::pauseRestoresControls()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    auto* pause = table->findChild<QAction*>(QStringLiteral("Pause1"));
    QVERIFY(!pause->isEnabled()); // the clock has not started
    QTest::mouseClick(Button(*table, "BitBtn2"), Qt::LeftButton);
    PressKey(*table, '2');
    QVERIFY(pause->isEnabled());
    pause->trigger();
    QCOMPARE(Text(*table, "Label15"), QStringLiteral("Game Paused"));
    QVERIFY(!Button(*table, "BitBtn1")->isEnabled());
    PressKey(*table, '3'); // holds are frozen
    QVERIFY(!table->State().Held[2]);
    pause->trigger();
    QVERIFY(Text(*table, "Label15").isEmpty());
    QVERIFY(Button(*table, "BitBtn1")->isEnabled());
    QVERIFY(!Button(*table, "BitBtn2")->isEnabled());
    QVERIFY(table->Round().CanHold());
    QVERIFY(table->State().Held[1]);
    QTest::mouseClick(Button(*table, "BitBtn1"), Qt::LeftButton);
    pause->trigger(); // between hands
    QVERIFY(!Button(*table, "BitBtn2")->isEnabled());
    pause->trigger();
    QVERIFY(Button(*table, "BitBtn2")->isEnabled());
    QVERIFY(table->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->isEnabled());
    QVERIFY(!table->Round().CanHold());
    pause->trigger();
    BoxAnswerer yes(QMessageBox::Yes);
    table->New1Click(); // a new game ends the pause
    QVERIFY(!pause->isChecked());
    QVERIFY(!pause->isEnabled());
    QVERIFY(Text(*table, "Label15").isEmpty());
}

void PlayTest::clockCaption_data()
{
    QTest::addColumn<qint64>("milliseconds");
    QTest::addColumn<QString>("caption");
    QTest::newRow("zero") << qint64(0) << "Elapsed Time   0:00:00";
    QTest::newRow("just under a second") << qint64(999) << "Elapsed Time   0:00:00";
    QTest::newRow("one second") << qint64(1000) << "Elapsed Time   0:00:01";
    QTest::newRow("one minute") << qint64(60'000) << "Elapsed Time   0:01:00";
    QTest::newRow("one hour") << qint64(3'600'000) << "Elapsed Time   1:00:00";
    QTest::newRow("long game") << qint64(45'296'000) << "Elapsed Time  12:34:56";
    QTest::newRow("marathon") << qint64(1000LL * 3'600'000 + 61'000) << "Elapsed Time 1000:01:01";
}

void PlayTest::clockCaption()
{
    QFETCH(qint64, milliseconds);
    QFETCH(QString, caption);
    QCOMPARE(TElapsedTimeLabel::CaptionFor(milliseconds), caption);
}

void PlayTest::clockIgnoresPausedTime()
{
    std::int64_t now = 0;
    vel::GameClock clock;
    TElapsedTimeLabel label;
    label.Follow(clock);
    clock.SetStopWatch(TStopWatch([&now] { return now; }, 1000));
    clock.Start();
    now += 5'000;
    clock.Refresh();
    QCOMPARE(label.text(), QStringLiteral("Elapsed Time   0:00:05"));
    now += 2'000;
    clock.Pause();
    clock.Refresh(); // pausing shows the time up to the pause
    QCOMPARE(label.text(), QStringLiteral("Elapsed Time   0:00:07"));
    QVERIFY(!label.isEnabled());
    now += 60'000;
    clock.Refresh();
    QCOMPARE(clock.TotalMilliseconds(), 7'000);
    clock.Resume();
    now += 3'000;
    clock.Refresh();
    QCOMPARE(label.text(), QStringLiteral("Elapsed Time   0:00:10"));
    clock.Stop();
    now += 9'000;
    clock.Refresh(); // stopped: the caption keeps the last time
    QCOMPARE(label.text(), QStringLiteral("Elapsed Time   0:00:10"));
}

void PlayTest::celebrationLevels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("category");
    QTest::addColumn<bool>("celebrated");
    QTest::newRow("level 1, jacks") << 1 << int(vel::JacksOrBetter) << true;
    QTest::newRow("level 1, nothing") << 1 << int(vel::Nothing) << false;
    QTest::newRow("level 6, flush") << 6 << int(vel::Flush) << false;
    QTest::newRow("level 6, full house") << 6 << int(vel::FullHouse) << true;
    QTest::newRow("level 10, royal") << 10 << int(vel::RoyalFlush) << false;
}

void PlayTest::celebrationLevels()
{
    QFETCH(int, level);
    QFETCH(int, category);
    QFETCH(bool, celebrated);
    QFile file(sandbox_.ConfigFile());
    QDir().mkpath(QFileInfo(file).path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("[Main]\nCelebrateLevel=%1\n").arg(level).toUtf8());
    file.close();
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    auto* client = table->findChild<TTableClient*>();
    QList<QColor> steps;
    connect(client, &TTableClient::colorChanged, this, [&steps](const QColor& color) { steps << color; });
    QSignalSpy sounds(table->findChild<Celebration*>(), &Celebration::soundStarted);
    const QColor former = client->Color();
    if (category == vel::RoyalFlush) {
        const auto [time, mask] = RoyalClock();
        UseClock(*table, time);
        PlayHand(*table, mask);
    } else {
        UseClock(*table, ClockFor(category, 0));
        PlayHand(*table, 0);
    }
    QCOMPARE(table->State().Celebrate, celebrated);
    QCOMPARE(steps.size(), celebrated ? 16 : 0);
    QCOMPARE(sounds.size(), celebrated ? 1 : 0);
    if (!celebrated)
        return;
    for (int i = 0; i < 15; ++i)
        QCOMPARE(steps[i], Celebration::FlashColors[i % 5]);
    QCOMPARE(steps.last(), former);
    QCOMPARE(sounds[0][0].toString(), table->TadaSound()); // empty here: a beep
}

void PlayTest::deferredCommands()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    table->SetAnimationScale(0.04); // 10 ms steps: commands arrive mid-deal
    QTimer::singleShot(15, table.get(), [&] { table->New1Click(); });
    QTest::mouseClick(Button(*table, "BitBtn2"), Qt::LeftButton);
    QVERIFY(WaitForCards(*table));
    // The deal finished with five cards, then the new game started at once
    // (no completed hand, so no question).
    QCOMPARE(table->State().Credit, 100);
    QVERIFY(!table->Round().CanHold());
    QVERIFY(Button(*table, "BitBtn2")->isEnabled());

    QTest::mouseClick(Button(*table, "BitBtn2"), Qt::LeftButton);
    QVERIFY(WaitForCards(*table));
    QTimer::singleShot(15, table.get(), [&] { table->close(); });
    {
        BoxAnswerer no(QMessageBox::No);
        QTest::mouseClick(Button(*table, "BitBtn1"), Qt::LeftButton);
        QVERIFY(WaitForCards(*table));
        QCOMPARE(no.shown, 1); // asked once the draw had settled
        QCOMPARE(table->State().HandsPlayed, 1);
    }
    QVERIFY(table->isVisible());
    QVERIFY(Button(*table, "BitBtn2")->isEnabled());

    bool dealtBeforeOptions = false;
    ModalHandler<TForm6> options([&](TForm6* dialog) {
        dealtBeforeOptions = table->Round().CanHold() && !table->Round().Busy();
        dialog->reject();
    });
    QTimer::singleShot(15, table.get(), [&] { table->Options1Click(); });
    QTest::mouseClick(Button(*table, "BitBtn2"), Qt::LeftButton);
    QVERIFY(WaitForCards(*table));
    QCOMPARE(options.handled, 1);
    QVERIFY(dealtBeforeOptions);
}

// Thousands of hands with random holds through the table's logic: the
// bankroll always balances and no card appears twice in a hand.
void PlayTest::soak()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    UseClock(*table, 2026);
    QRandomGenerator random(12345);
    int bets = 0, payouts = 0, games = 1;
    connect(&table->Round(), &vel::TableRound::handSettled, this, [&](int payout) { payouts += payout; });
    for (int hand = 0; hand < 2000; ++hand) {
        SetBet(*table, 1 + static_cast<int>(random.bounded(5)));
        table->BitBtn2Click();
        bets += table->State().CurrentBet;
        const unsigned mask = random.bounded(32u);
        for (int place = 1; place <= 5; ++place)
            if (mask >> (place - 1) & 1)
                table->ToggleHold(place);
        BoxAnswerer again(QMessageBox::Yes);
        table->BitBtn1Click();
        const auto& cards = table->State().Hand;
        QCOMPARE(std::set<vel::Card>(cards.begin(), cards.end()).size(), std::size_t{5});
        if (again.shown) { // the game ended at 0 and a new one began
            QCOMPARE(100 - bets + payouts, 0);
            bets = payouts = 0;
            ++games;
        }
        QCOMPARE(table->State().Credit, 100 - bets + payouts);
    }
    QVERIFY(games > 1);
}

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
