#include "game/AdvisorOdds.h"

#include "views/EngineText.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <string>

namespace {

QTableWidgetItem* Cell(const QString& text, bool number)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString FinalHandName(int category)
{
    if (category == vel::JacksOrBetter)
        return TOddsPage::tr("Jacks or Better");
    return vel::HandNameText(category);
}

} // namespace

TOddsPage::TOddsPage(QWidget* parent)
    : QWidget(parent)
    , headingLabel_(new QLabel(this))
    , oddsTable_(new QTableWidget(vel::CategoryCount, 5, this))
    , summaryLabel_(new QLabel(this))
{
    headingLabel_->setObjectName(QStringLiteral("OddsHeading"));
    headingLabel_->setWordWrap(true);
    oddsTable_->setObjectName(QStringLiteral("OddsTable"));
    oddsTable_->setAccessibleName(tr("Final hands with perfect play"));
    oddsTable_->setHorizontalHeaderLabels({tr("Final hand"), tr("Probability"), tr("1 in"), tr("Pays"), tr("Return")});
    oddsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    oddsTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    oddsTable_->setTabKeyNavigation(false);
    oddsTable_->verticalHeader()->hide();
    oddsTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    oddsTable_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    summaryLabel_->setObjectName(QStringLiteral("OddsSummary"));
    summaryLabel_->setWordWrap(true);
    summaryLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel_);
    layout->addWidget(oddsTable_, 1);
    layout->addWidget(summaryLabel_);
}

void TOddsPage::ShowOdds(const std::optional<vel::ReturnTable>& odds, const QString& schedule, int bet)
{
    const QLocale locale;
    headingLabel_->setText(tr("Perfect play on %1 at a bet of %2").arg(schedule, locale.toString(bet)));
    if (!odds) {
        oddsTable_->clearContents();
        summaryLabel_->setText(tr("Working out the odds of perfect play..."));
        return;
    }
    for (int row = 0; row < vel::CategoryCount; ++row) {
        const int category = vel::RoyalFlush - row;
        const double probability = odds->probability[category];
        const QString oneIn = probability > 0 ? locale.toString(1 / probability, 'f', 0) : QStringLiteral("-");
        QTableWidgetItem* const cells[] = {
            Cell(FinalHandName(category), false),
            Cell(locale.toString(probability, 'f', 6), true),
            Cell(oneIn, true),
            Cell(locale.toString(odds->pays[category] * bet, 'f', 0), true),
            Cell(locale.toString(100 * odds->Contribution(category), 'f', 4) + QLatin1Char('%'), true),
        };
        for (int column = 0; column < 5; ++column)
            oddsTable_->setItem(row, column, cells[column]);
    }
    summaryLabel_->setText(tr("Return %1%. Variance %2 and standard deviation %3 per hand, in credits per "
                                              "credit bet. A royal flush every %4 hands on average.")
                               .arg(locale.toString(100 * odds->Return(), 'f', 4),
                                    locale.toString(odds->Variance(), 'f', 2),
                                    locale.toString(odds->StandardDeviation(), 'f', 2),
                                    locale.toString(odds->RoyalCycle(), 'f', 0)));
}
