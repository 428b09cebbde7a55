#include "game/AdvisorAnyHand.h"

#include "game/AdvisorChart.h"
#include "game/ChosenTableFigures.h"
#include "game/CardGrid.h"
#include "game/HoldsTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString TypedHand(const std::vector<vel::Card>& cards)
{
    QStringList typed;
    for (vel::Card card : cards)
        typed << vel::TypedCard(card);
    return typed.join(QLatin1Char(' '));
}

} // namespace

TAnyHandPage::TAnyHandPage(const vel::ChosenTableFigures& figures, QWidget* parent)
    : QWidget(parent)
    , figures_(figures)
    , handBox_(new QLineEdit(this))
    , faultLabel_(new QLabel(this))
    , grid_(new TCardGrid(this))
    , holdsTable_(new THoldsTable("AnyHandHolds", this))
    , chartLabel_(new QLabel(this))
{
    handBox_->setObjectName(QStringLiteral("AnyHandBox"));
    handBox_->setPlaceholderText(QStringLiteral("Kh Kd 9c 8d 3d"));
    handBox_->setAccessibleName(tr("Five cards"));
    handBox_->setToolTip(tr("Five cards as rank and suit: ranks 2 to 10, T, J, Q, K, A; suits c, d, h, s or "
                            "their symbols; apart by spaces or commas"));
    auto* handLabel = new QLabel(tr("&Cards:"), this);
    handLabel->setBuddy(handBox_);
    faultLabel_->setObjectName(QStringLiteral("AnyHandFault"));
    faultLabel_->setWordWrap(true);
    grid_->setAccessibleName(tr("Pick five cards"));
    chartLabel_->setObjectName(QStringLiteral("AnyHandChartLine"));
    chartLabel_->setWordWrap(true);
    connect(handBox_, &QLineEdit::textChanged, this, &TAnyHandPage::ReadHand);
    connect(grid_, &TCardGrid::toggled, this, &TAnyHandPage::CardToggled);
    connect(&figures_, &vel::ChosenTableFigures::changed, this, &TAnyHandPage::ShowFigures);

    auto* handRow = new QHBoxLayout;
    handRow->addWidget(handLabel);
    handRow->addWidget(handBox_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(handRow);
    layout->addWidget(faultLabel_);
    layout->addWidget(grid_);
    layout->addWidget(holdsTable_, 1);
    layout->addWidget(chartLabel_);
    ReadHand();
}

void TAnyHandPage::ShowHand(const vel::Hand& hand)
{
    handBox_->setText(TypedHand({hand.begin(), hand.end()}));
}

void TAnyHandPage::ReadHand()
{
    const vel::ParsedHand parsed = vel::ParseHand(handBox_->text().toStdString());
    ShowFault(parsed);
    if (parsed.fault != vel::ParsedHand::Fault::None)
        return;
    hand_ = parsed.cards;
    picked_.assign(parsed.cards.begin(), parsed.cards.end());
    grid_->ShowPicked(picked_);
    ShowFigures();
}

// The grid writes what it shows into the box, in the order picked.
void TAnyHandPage::CardToggled(vel::Card card, bool picked)
{
    std::erase(picked_, card);
    if (picked)
        picked_.push_back(card);
    handBox_->setText(TypedHand(picked_));
}

void TAnyHandPage::ShowFault(const vel::ParsedHand& parsed)
{
    QPalette palette = faultLabel_->palette();
    const bool typed = !handBox_->text().trimmed().isEmpty();
    palette.setColor(QPalette::WindowText, typed ? QColor(192, 0, 0) : QPalette().color(QPalette::WindowText));
    faultLabel_->setPalette(palette);
    QString fault;
    switch (parsed.fault) {
    case vel::ParsedHand::Fault::None: break;
    case vel::ParsedHand::Fault::NotACard: fault = tr("'%1' is not a card").arg(QString::fromStdString(parsed.word)); break;
    case vel::ParsedHand::Fault::Twice: fault = tr("%1 twice").arg(vel::CardSymbol(parsed.repeated)); break;
    case vel::ParsedHand::Fault::TooMany: fault = tr("%1 cards: a hand has five").arg(parsed.count); break;
    case vel::ParsedHand::Fault::TooFew:
        fault = !typed ? tr("Type five cards, such as Kh Kd 9c 8d 3d, or pick them below.")
                : parsed.count == 1 ? tr("Only 1 card")
                                    : tr("Only %1 cards").arg(parsed.count);
        break;
    }
    faultLabel_->setText(fault);
    faultLabel_->setVisible(!fault.isEmpty());
    handBox_->setAccessibleDescription(typed ? fault : QString());
}

void TAnyHandPage::ShowFigures()
{
    if (!hand_) {
        holdsTable_->setRowCount(0);
        chartLabel_->clear();
        return;
    }
    const vel::HandAdvice advice{*hand_, figures_.Bet(), figures_.Analyze(*hand_), std::nullopt};
    holdsTable_->ShowHolds(advice);
    const std::optional<vel::StrategyChart> chart = figures_.Chart();
    chartLabel_->setText(chart ? MatchLine(*chart, advice).text : tr("Working out the strategy chart..."));
}
