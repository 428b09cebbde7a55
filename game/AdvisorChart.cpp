#include "game/AdvisorChart.h"

#include "views/EngineText.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Percent(double perCredit)
{
    return QLocale().toString(100 * perCredit, 'f', 4) + QLatin1Char('%');
}

QString PatternName(vel::PatternId id)
{
    return vel::EngineText("Chart", vel::HoldPatterns()[id].name);
}

} // namespace

MatchedLine MatchLine(const vel::StrategyChart& chart, const vel::HandAdvice& advice)
{
    const vel::ChartMatch match = vel::MatchChart(chart.lines, advice.dealt);
    const int row = static_cast<int>(std::min(match.line, chart.lines.size() - 1));
    QString text = TChartPage::tr("Line %1 matches: %2.")
                       .arg(QLocale().toString(row + 1), vel::HoldHtml(advice.dealt, match.holdMask));
    const vel::HoldResult& best = advice.Best();
    const double cost = advice.Cost(match.holdMask);
    if (best.holdMask != match.holdMask && cost > 1e-9) {
        text += TChartPage::tr(" The best hold is %1, worth %2 credits more.")
                    .arg(vel::HoldHtml(advice.dealt, best.holdMask), vel::Credits(cost));
    }
    return {row, text};
}

TChartPage::TChartPage(QWidget* parent)
    : QWidget(parent)
    , summaryLabel_(new QLabel(this))
    , linesTable_(new QTableWidget(0, 1, this))
    , handLabel_(new QLabel(this))
{
    summaryLabel_->setObjectName(QStringLiteral("ChartSummary"));
    summaryLabel_->setWordWrap(true);
    linesTable_->setObjectName(QStringLiteral("ChartTable"));
    linesTable_->setAccessibleName(tr("Strategy chart: hold what the first matching line says"));
    linesTable_->setHorizontalHeaderLabels({tr("Hold the first of these the hand shows")});
    linesTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    linesTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    linesTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    linesTable_->setTabKeyNavigation(false);
    linesTable_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    linesTable_->verticalHeader()->setDefaultSectionSize(linesTable_->fontMetrics().height() + 6);
    handLabel_->setObjectName(QStringLiteral("ChartHandLabel"));
    handLabel_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLabel_);
    layout->addWidget(linesTable_, 1);
    layout->addWidget(handLabel_);
}

void TChartPage::ShowChart(const std::optional<vel::StrategyChart>& chart, const vel::HandAdvice* advice)
{
    if (!chart) {
        summaryLabel_->setText(tr("Working out the strategy chart..."));
        linesTable_->setRowCount(0);
        shownLines_.clear();
        handLabel_->clear();
        return;
    }
    summaryLabel_->setText(tr("Played line by line this chart returns %1, perfect play %2: it gives up "
                                              "%3 of every bet.")
                               .arg(Percent(chart->chartReturn), Percent(chart->perfectReturn),
                                    Percent(chart->perfectReturn - chart->chartReturn)));
    if (shownLines_ != chart->lines)
        ShowLines(*chart);
    ShowHand(*chart, advice);
}

void TChartPage::ShowLines(const vel::StrategyChart& chart)
{
    shownLines_ = chart.lines;
    linesTable_->setRowCount(static_cast<int>(chart.lines.size()));
    for (int row = 0; row < linesTable_->rowCount(); ++row) {
        auto* item = new QTableWidgetItem(PatternName(chart.lines[static_cast<std::size_t>(row)]));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        linesTable_->setItem(row, 0, item);
    }
}

// The matching line is selected.
void TChartPage::ShowHand(const vel::StrategyChart& chart, const vel::HandAdvice* advice)
{
    if (!advice) {
        linesTable_->clearSelection();
        handLabel_->setText(tr("Deal a hand: the line it matches is marked."));
        return;
    }
    const MatchedLine line = MatchLine(chart, *advice);
    linesTable_->setCurrentCell(line.row, 0);
    linesTable_->selectRow(line.row);
    handLabel_->setText(line.text);
}
