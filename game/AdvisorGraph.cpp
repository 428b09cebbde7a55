#include "game/AdvisorGraph.h"

#include "game/AdvisorSession.h"
#include "game/TableRound.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int FewestHandsShown = 10;
// More points than a plot has pixels across show nothing more and take longer to draw.
constexpr int MostPointsShown = 1000;
constexpr double CreditMargin = 5; // above and below the lines

} // namespace

TGraphPage::TGraphPage(const vel::GameReview& review, QWidget* parent)
    : QWidget(parent)
    , review_(review)
    , chart_(new QChart)
    , view_(new QChartView(chart_, this))
    , credit_(new QLineSeries(chart_))
    , expected_(new QLineSeries(chart_))
    , handsAxis_(new QValueAxis(chart_))
    , creditsAxis_(new QValueAxis(chart_))
    , summaryLabel_(new QLabel(this))
{
    view_->setObjectName(QStringLiteral("GameGraph"));
    view_->setAccessibleName(tr("Graph of this game"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumHeight(fontMetrics().height() * 12);
    chart_->setLocalizeNumbers(true);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->legend()->setFont(font());
    chart_->setMargins(QMargins());
    credit_->setName(tr("Credit"));
    expected_->setName(tr("Expected with the best holds"));
    QPen dashed = expected_->pen();
    dashed.setStyle(Qt::DashLine);
    dashed.setWidth(2);
    expected_->setPen(dashed);
    chart_->addSeries(credit_);
    chart_->addSeries(expected_);
    CreateAxes();
    summaryLabel_->setObjectName(QStringLiteral("GraphSummary"));
    summaryLabel_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(summaryLabel_);
    AddNewPoints();
    connect(&review_, &vel::GameReview::handReviewed, this, &TGraphPage::AddNewPoints);
    connect(&review_, &vel::GameReview::cleared, this, &TGraphPage::Clear);
}

void TGraphPage::CreateAxes()
{
    handsAxis_->setTitleText(tr("Hands played"));
    creditsAxis_->setTitleText(tr("Credits"));
    for (QValueAxis* axis : {handsAxis_, creditsAxis_}) {
        axis->setLabelFormat(QStringLiteral("%.0f")); // in the player's locale; "%i" shows no labels in Qt 6.4
        axis->setLabelsFont(font());
        axis->setTitleFont(font());
    }
    chart_->addAxis(handsAxis_, Qt::AlignBottom);
    chart_->addAxis(creditsAxis_, Qt::AlignLeft);
    for (QLineSeries* series : {credit_, expected_}) {
        series->attachAxis(handsAxis_);
        series->attachAxis(creditsAxis_);
    }
    handsAxis_->setRange(0, FewestHandsShown);
    creditsAxis_->setRange(vel::StartingCredit - 2 * CreditMargin, vel::StartingCredit + 2 * CreditMargin);
}

// Every `stride_`-th point of the game stays on the lines; the newest stands
// at their end until the next one comes.
void TGraphPage::AddPoint(std::size_t index)
{
    const vel::GraphPoint& point = review_.Graph()[index];
    if (index == 0)
        lowest_ = highest_ = point.credit;
    lowest_ = std::min({lowest_, static_cast<double>(point.credit), point.expected});
    highest_ = std::max({highest_, static_cast<double>(point.credit), point.expected});
    if (lastStandsIn_) {
        credit_->replace(credit_->count() - 1, point.hand, point.credit);
        expected_->replace(expected_->count() - 1, point.hand, point.expected);
    } else {
        credit_->append(point.hand, point.credit);
        expected_->append(point.hand, point.expected);
    }
    lastStandsIn_ = index % stride_ != 0;
    if (credit_->count() > MostPointsShown)
        Thin(index);
    const double first = credit_->at(0).x();
    handsAxis_->setRange(first, std::max<double>(point.hand, first + FewestHandsShown));
    creditsAxis_->setRange(std::floor(lowest_ - CreditMargin), std::ceil(highest_ + CreditMargin));
    handsAxis_->applyNiceNumbers();
    creditsAxis_->applyNiceNumbers();
}

// Half the points go, so drawing a long game costs no more than a short one;
// it happens ever more rarely as the game grows.
void TGraphPage::Thin(std::size_t last)
{
    stride_ *= 2;
    QList<QPointF> credit, expected;
    const std::vector<vel::GraphPoint>& graph = review_.Graph();
    for (std::size_t i = 0; i <= last; i += stride_) {
        credit << QPointF(graph[i].hand, graph[i].credit);
        expected << QPointF(graph[i].hand, graph[i].expected);
    }
    lastStandsIn_ = last % stride_ != 0;
    if (lastStandsIn_) {
        credit << QPointF(graph[last].hand, graph[last].credit);
        expected << QPointF(graph[last].hand, graph[last].expected);
    }
    credit_->replace(credit);
    expected_->replace(expected);
}

// The review adds the first hand followed together with the credit before it.
void TGraphPage::AddNewPoints()
{
    for (; added_ < review_.Graph().size(); ++added_)
        AddPoint(added_);
    ShowSummary();
}

void TGraphPage::Clear()
{
    credit_->clear();
    expected_->clear();
    added_ = 0;
    stride_ = 1;
    lastStandsIn_ = false;
    handsAxis_->setRange(0, FewestHandsShown);
    ShowSummary();
}

void TGraphPage::ShowSummary()
{
    const std::vector<vel::GraphPoint>& graph = review_.Graph();
    const QString summary = graph.empty()
                                ? tr("The graph starts with the first hand drawn while the advisor is open.")
                                : tr("After hand %1: credit %2; expected with the best holds %3.")
                                      .arg(QLocale().toString(graph.back().hand),
                                           QLocale().toString(graph.back().credit),
                                           vel::Credits(graph.back().expected));
    summaryLabel_->setText(summary);
    view_->setAccessibleDescription(summary);
}
