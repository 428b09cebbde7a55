#include "views/Unit5.h"

#include "engine/Evaluator.h"
#include "engine/PaySchedule.h"
#include "views/DesignFont.h"

#include <QHeaderView>
#include <QStatusBar>
#include <QTableWidget>

#include <array>

namespace {

constexpr int StatusBarDesignHeight = 19;

// The hands of rows 1 to 9, best first, with their category codes.
struct HandRow {
    const char* name;
    int code;
};
constexpr std::array<HandRow, 9> HandRows{{
    {QT_TRANSLATE_NOOP("TForm5", "Royal Flush"), vel::RoyalFlush},
    {QT_TRANSLATE_NOOP("TForm5", "Straight Flush"), vel::StraightFlush},
    {QT_TRANSLATE_NOOP("TForm5", "Four of a Kind"), vel::FourOfAKind},
    {QT_TRANSLATE_NOOP("TForm5", "Full House"), vel::FullHouse},
    {QT_TRANSLATE_NOOP("TForm5", "Flush"), vel::Flush},
    {QT_TRANSLATE_NOOP("TForm5", "Straight"), vel::Straight},
    {QT_TRANSLATE_NOOP("TForm5", "Three of a Kind"), vel::ThreeOfAKind},
    {QT_TRANSLATE_NOOP("TForm5", "Two Pair"), vel::TwoPair},
    {QT_TRANSLATE_NOOP("TForm5", "Pair of Jacks or Better"), vel::JacksOrBetter},
}};

} // namespace

TForm5::TForm5(QWidget* mainWindow)
    : TPointerform(mainWindow, tr("vel Zezuv - Payouts"), Border::Sizeable)
    , StringGrid1(new QTableWidget(RowCount - 1, 2, this))
    , StatusBar1(new QStatusBar(this))
{
    Frame().SetMinimumSize(QSize(Scaled(250), Scaled(250)));
    Frame().SetMaximumSize(QSize(Scaled(450), Scaled(600)));

    StringGrid1->setFont(vel::DesignFont(16));
    StringGrid1->setAccessibleName(tr("Payouts per credit bet"));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StatusBar1->setSizeGripEnabled(true);
    StatusBar1->setFixedHeight(Scaled(StatusBarDesignHeight));

    Frame().SetSize(QSize(316, 330));
    StringGrid1->setHorizontalHeaderLabels({tr("Hand"), tr("Payout")});
    for (int row = 1; row < RowCount; ++row)
        SetCell(0, row, tr(HandRows[row - 1].name));
    StringGrid1->setColumnWidth(0, 200);
    StringGrid1->setColumnWidth(1, 100);
    FormResize();
}

void TForm5::ShowPayTable(const vel::PayTable& table)
{
    SetCell(1, 1, QStringLiteral("%1 / %2").arg(table.PerCredit(vel::RoyalFlush)).arg(table.RoyalAtMaxBet()));
    for (int row = 2; row < RowCount; ++row)
        SetCell(1, row, QString::number(table.PerCredit(HandRows[row - 1].code)));
    StringGrid1->viewport()->update();
}

QString TForm5::Cells(int column, int row) const
{
    if (row == 0)
        return StringGrid1->horizontalHeaderItem(column)->text();
    const QTableWidgetItem* item = StringGrid1->item(row - 1, column);
    return item ? item->text() : QString();
}

void TForm5::SetCell(int column, int row, const QString& text)
{
    StringGrid1->setItem(row - 1, column, new QTableWidgetItem(text));
}

void TForm5::resizeEvent(QResizeEvent* event)
{
    TPointerform::resizeEvent(event);
    FormResize();
}

void TForm5::showEvent(QShowEvent* event)
{
    TPointerform::showEvent(event);
    StringGrid1->setFocus();
}

void TForm5::FormResize()
{
    const int gridHeight = height() - StatusBar1->height() - 2;
    StringGrid1->setGeometry(0, 0, width(), gridHeight);
    StatusBar1->setGeometry(0, height() - StatusBar1->height(), width(), StatusBar1->height());
    // Every row, the header row included, gets one eleventh of the grid.
    const int rowHeight = gridHeight / (RowCount + 1);
    StringGrid1->horizontalHeader()->setFixedHeight(rowHeight);
    StringGrid1->verticalHeader()->setDefaultSectionSize(rowHeight);
}
