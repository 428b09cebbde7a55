#include "game/AdvisorMistakes.h"

#include "game/CardTextDelegate.h"
#include "game/GradeText.h"
#include "game/HoldsTable.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { HandColumn, DealtColumn, HeldColumn, CostColumn, ColumnCount };

constexpr Qt::Alignment Number = Qt::AlignRight | Qt::AlignVCenter;

} // namespace

TMistakesPage::TMistakesPage(const vel::MistakeLog& game, const vel::MistakeLog& practice, QWidget* parent)
    : QWidget(parent)
    , game_(game)
    , practice_(practice)
    , logChoice_(new QComboBox(this))
    , orderChoice_(new QComboBox(this))
    , gradeLabel_(new QLabel(this))
    , mistakesTable_(new QTableWidget(0, ColumnCount, this))
    , detailLabel_(new QLabel(this))
    , showButton_(new QPushButton(tr("&View all holds"), this))
{
    logChoice_->setObjectName(QStringLiteral("MistakesLogChoice"));
    logChoice_->addItems({tr("This game"), tr("Practice")});
    orderChoice_->setObjectName(QStringLiteral("MistakesOrderChoice"));
    orderChoice_->addItems({tr("Costliest first"), tr("In order of play")});
    gradeLabel_->setObjectName(QStringLiteral("MistakesGrade"));
    gradeLabel_->setWordWrap(true);
    MakeReadOnlyTable(*mistakesTable_, "MistakesTable", tr("Mistakes"));
    mistakesTable_->setHorizontalHeaderLabels({tr("Hand"), tr("Dealt"), tr("Held"), tr("Cost")});
    mistakesTable_->horizontalHeader()->setSectionResizeMode(HandColumn, QHeaderView::ResizeToContents);
    mistakesTable_->horizontalHeader()->setSectionResizeMode(DealtColumn, QHeaderView::Stretch);
    for (int column : {DealtColumn, HeldColumn})
        mistakesTable_->setItemDelegateForColumn(column, new TCardTextDelegate(mistakesTable_));
    detailLabel_->setObjectName(QStringLiteral("MistakeDetail"));
    detailLabel_->setWordWrap(true);
    detailLabel_->setTextFormat(Qt::RichText);
    showButton_->setObjectName(QStringLiteral("ShowAllHoldsButton"));
    LayOutControls();
    connect(logChoice_, &QComboBox::currentIndexChanged, this, &TMistakesPage::ShowLogs);
    connect(orderChoice_, &QComboBox::currentIndexChanged, this, &TMistakesPage::ShowLogs);
    connect(mistakesTable_, &QTableWidget::currentCellChanged, this, &TMistakesPage::ShowDetail);
    connect(mistakesTable_, &QTableWidget::cellActivated, this, &TMistakesPage::ChooseCurrent);
    connect(showButton_, &QPushButton::clicked, this, &TMistakesPage::ChooseCurrent);
}

void TMistakesPage::LayOutControls()
{
    auto* choices = new QFormLayout;
    choices->addRow(tr("&From:"), logChoice_);
    choices->addRow(tr("&Listed:"), orderChoice_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(gradeLabel_);
    layout->addWidget(mistakesTable_, 1);
    layout->addWidget(detailLabel_);
    layout->addWidget(showButton_, 0, Qt::AlignLeft);
}

void TMistakesPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ShowLogs();
}

const vel::MistakeLog& TMistakesPage::ChosenLog() const
{
    return logChoice_->currentIndex() == 0 ? game_ : practice_;
}

void TMistakesPage::ShowLogs()
{
    if (!isVisible())
        return;
    const vel::MistakeLog& log = ChosenLog();
    gradeLabel_->setText(gradetext::Summary(log));
    std::vector<const vel::GradedHand*> shown = log.Costliest();
    if (orderChoice_->currentIndex() == 1)
        std::sort(shown.begin(), shown.end()); // the log keeps them in order of play
    mistakesTable_->setRowCount(static_cast<int>(shown.size()));
    for (int row = 0; row < mistakesTable_->rowCount(); ++row) {
        const vel::GradedHand& hand = *shown[static_cast<std::size_t>(row)];
        QTableWidgetItem* const cells[] = {
            ReadOnlyCell(QLocale().toString(hand.order), Number),
            ReadOnlyCell(vel::HoldText(hand.advice.dealt, vel::AllPlaces)),
            ReadOnlyCell(vel::HoldText(hand.advice.dealt, *hand.advice.playedMask)),
            ReadOnlyCell(vel::Credits(hand.Cost()), Number),
        };
        cells[HandColumn]->setData(Qt::UserRole, static_cast<qlonglong>(&hand - log.Mistakes().data()));
        for (int column = 0; column < ColumnCount; ++column)
            mistakesTable_->setItem(row, column, cells[column]);
    }
    if (!shown.empty())
        mistakesTable_->setCurrentCell(0, 0);
    ShowDetail();
}

void TMistakesPage::ShowDetail()
{
    const QTableWidgetItem* current = mistakesTable_->item(mistakesTable_->currentRow(), HandColumn);
    showButton_->setEnabled(current != nullptr);
    if (!current) {
        detailLabel_->setText(ChosenLog().Hands() == 0 ? tr("No hands graded yet.") : tr("No mistakes: well played."));
        return;
    }
    const vel::GradedHand& hand = ChosenLog().Mistakes()[current->data(Qt::UserRole).toULongLong()];
    const vel::HoldResult& best = hand.advice.Best();
    detailLabel_->setText(tr("Best hold: %1, %2 credits on average; yours returns %3.<br>%4")
                              .arg(vel::HoldHtml(hand.advice.dealt, best.holdMask), vel::Credits(best.expectedCredits),
                                   vel::Credits(hand.Played().expectedCredits),
                                   gradetext::ChartLineText(hand.chartLine)));
}

void TMistakesPage::ChooseCurrent()
{
    if (const QTableWidgetItem* current = mistakesTable_->item(mistakesTable_->currentRow(), HandColumn))
        emit handChosen(ChosenLog().Mistakes()[current->data(Qt::UserRole).toULongLong()]);
}
