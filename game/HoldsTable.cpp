#include "game/HoldsTable.h"

#include "game/CardTextDelegate.h"
#include "game/TableWidgets.h"

#include <QHeaderView>

void MakeReadOnlyTable(QTableWidget& table, const char* name, const QString& accessibleName)
{
    table.setObjectName(QLatin1String(name));
    table.setAccessibleName(accessibleName);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.setTabKeyNavigation(false); // Tab leaves the table for the next control
    table.verticalHeader()->hide();
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 6);
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table.horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
}

QTableWidgetItem* ReadOnlyCell(const QString& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString CardNames(const vel::Hand& dealt, unsigned holdMask)
{
    return vel::CardTexts(dealt, holdMask, CardName).join(QStringLiteral(", "));
}

QString SpokenHold(const vel::Hand& dealt, unsigned holdMask)
{
    if (holdMask == 0)
        return vel::HoldText(dealt, 0);
    return THoldsTable::tr("Keep %1").arg(CardNames(dealt, holdMask));
}

THoldsTable::THoldsTable(const char* name, QWidget* parent)
    : QTableWidget(0, 3, parent)
{
    MakeReadOnlyTable(*this, name, tr("Holds, best first"));
    setItemDelegateForColumn(0, new TCardTextDelegate(this));
    setAccessibleDescription(tr("Every way to hold the hand, its expected return in credits "
                                "and its loss against the best hold"));
    setHorizontalHeaderLabels({tr("Hold"), tr("Expected return"), tr("Loss")});
}

void THoldsTable::ShowHolds(const vel::HandAdvice& advice)
{
    const Qt::Alignment number = Qt::AlignRight | Qt::AlignVCenter;
    setRowCount(vel::HoldCount);
    for (int row = 0; row < vel::HoldCount; ++row) {
        const vel::HoldResult& hold = advice.holds[row];
        const bool played = advice.playedMask == hold.holdMask;
        QTableWidgetItem* const cells[] = {
            ReadOnlyCell(vel::HoldText(advice.dealt, hold.holdMask) + (played ? tr(" (your hold)") : QString())),
            ReadOnlyCell(vel::Credits(hold.expectedCredits), number),
            ReadOnlyCell(vel::Credits(advice.Cost(hold.holdMask)), number),
        };
        cells[0]->setData(Qt::UserRole, hold.holdMask);
        cells[0]->setData(Qt::AccessibleTextRole, SpokenHold(advice.dealt, hold.holdMask));
        QFont bold = font();
        bold.setBold(row == 0);
        for (int column = 0; column < 3; ++column) {
            cells[column]->setFont(bold);
            setItem(row, column, cells[column]);
        }
    }
    setCurrentCell(0, 0);
    selectRow(0);
}
