#include "engine/PaySchedule.h"
#include "views/Unit5.h"

#include <QHeaderView>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

using vel::PayTable;

namespace {

QStringList PayoutColumn(const TForm5& window)
{
    QStringList column;
    for (int row = 1; row < TForm5::RowCount; ++row)
        column << window.Cells(1, row);
    return column;
}

PayTable TableForSchedule(int schedule)
{
    PayTable table;
    table.ApplySchedule(schedule);
    return table;
}

} // namespace

class PayoutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void designAtCreation();
    void payoutColumnFollowsTheSchedule_data();
    void payoutColumnFollowsTheSchedule();
    void scheduleChangeWhileOpen();
    void gridIsNotEditable();
    void resizeKeepsTheGridFilled_data();
    void resizeKeepsTheGridFilled();

private:
    QWidget* mainWindow_ = nullptr;
    TForm5* window_ = nullptr;

    void ShowWindow();
};

void PayoutWindowTest::init()
{
    mainWindow_ = new QWidget;
    mainWindow_->resize(593, 433);
    window_ = new TForm5(mainWindow_);
}

void PayoutWindowTest::cleanup()
{
    delete mainWindow_;
}

void PayoutWindowTest::ShowWindow()
{
    mainWindow_->show();
    window_->ShowInFront();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void PayoutWindowTest::designAtCreation()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("vel Zezuv - Payouts"));
    QCOMPARE(window_->size(), QSize(316, 330));
    QCOMPARE(window_->minimumSize(), QSize(250, 250));
    QCOMPARE(window_->maximumSize(), QSize(450, 600));
    QCOMPARE(window_->StringGrid1->columnWidth(0), 200);
    QCOMPARE(window_->StringGrid1->columnWidth(1), 100);
    QCOMPARE(window_->StringGrid1->font().pixelSize(), 16);
    QCOMPARE(window_->StatusBar1->height(), 19);
    QCOMPARE(window_->Cells(0, 0), QStringLiteral("Hand"));
    QCOMPARE(window_->Cells(1, 0), QStringLiteral("Payout"));
    QCOMPARE(window_->Cells(0, 1), QStringLiteral("Royal Flush"));
    QCOMPARE(window_->Cells(0, 9), QStringLiteral("Pair of Jacks or Better"));

    ShowWindow();
    QCOMPARE(window_->focusWidget(), window_->StringGrid1);
}

void PayoutWindowTest::payoutColumnFollowsTheSchedule_data()
{
    QTest::addColumn<int>("schedule");
    QTest::addColumn<QStringList>("column");
    QTest::newRow("9 / 6 : Full Pay") << 0
                                      << QStringList{"250 / 800", "50", "25", "9", "6", "4", "3", "2", "1"};
    QTest::newRow("6 / 5 : Low Pay") << 5 << QStringList{"250 / 800", "50", "25", "6", "5", "4", "3", "2", "1"};
}

void PayoutWindowTest::payoutColumnFollowsTheSchedule()
{
    QFETCH(int, schedule);
    QFETCH(QStringList, column);
    window_->ShowPayTable(TableForSchedule(schedule));
    QVERIFY(!window_->isVisible());
    QCOMPARE(PayoutColumn(*window_), column);
}

void PayoutWindowTest::scheduleChangeWhileOpen()
{
    window_->ShowPayTable(TableForSchedule(vel::DefaultPaySchedule));
    ShowWindow();
    QCOMPARE(window_->Cells(1, 4), QStringLiteral("8"));
    window_->ShowPayTable(TableForSchedule(1));
    QCOMPARE(window_->Cells(1, 4), QStringLiteral("9"));
    QCOMPARE(window_->Cells(1, 5), QStringLiteral("5"));
    // The grid shows the new values, not only holds them.
    const QModelIndex fullHouse = window_->StringGrid1->model()->index(3, 1);
    QCOMPARE(window_->StringGrid1->model()->data(fullHouse).toString(), QStringLiteral("9"));
}

void PayoutWindowTest::gridIsNotEditable()
{
    window_->ShowPayTable(TableForSchedule(0));
    ShowWindow();
    QTableWidget* grid = window_->StringGrid1;
    const QRect cell = grid->visualRect(grid->model()->index(3, 1));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::keyClicks(grid, QStringLiteral("77"));
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClicks(grid, QStringLiteral("77"));
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(window_->Cells(1, 4), QStringLiteral("9"));
}

void PayoutWindowTest::resizeKeepsTheGridFilled_data()
{
    QTest::addColumn<QSize>("requested"); // client size
    QTest::addColumn<QSize>("expected");
    QTest::addColumn<bool>("limited"); // the limits are outer sizes
    QTest::newRow("below the minimum") << QSize(100, 100) << QSize(250, 250) << true;
    QTest::newRow("above the maximum") << QSize(800, 900) << QSize(450, 600) << true;
    QTest::newRow("in between") << QSize(333, 444) << QSize(333, 444) << false;
}

void PayoutWindowTest::resizeKeepsTheGridFilled()
{
    QFETCH(QSize, requested);
    QFETCH(QSize, expected);
    QFETCH(bool, limited);
    ShowWindow();
    window_->resize(requested);
    if (limited)
        QTRY_COMPARE(window_->frameGeometry().size(), expected);
    else
        QTRY_COMPARE(window_->size(), expected);
    const QSize client = window_->size();
    const int gridHeight = client.height() - 19 - 2;
    QTableWidget* grid = window_->StringGrid1;
    QCOMPARE(grid->geometry(), QRect(0, 0, client.width(), gridHeight));
    QCOMPARE(window_->StatusBar1->geometry().bottom(), client.height() - 1);
    const int rowHeight = gridHeight / 11;
    QCOMPARE(grid->horizontalHeader()->height(), rowHeight);
    for (int row = 0; row < grid->rowCount(); ++row)
        QCOMPARE(grid->rowHeight(row), rowHeight);
}

QTEST_MAIN(PayoutWindowTest)
#include "tst_payoutwindow.moc"
