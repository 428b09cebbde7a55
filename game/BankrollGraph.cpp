#include "game/BankrollGraph.h"

#include <QChart>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>

namespace {

const QColor RuinColor(0xc0, 0x00, 0x00);
const QColor CreditColor(0x20, 0x50, 0xa0);

QString LevelName(std::size_t level)
{
    if (level == vel::MedianLevel)
        return TBankrollGraph::tr("Credit: median");
    return TBankrollGraph::tr("Credit: %1%").arg(QLocale().toString(100 * vel::CreditPercentileLevels[level], 'f', 0));
}

// The median drawn boldest, the quartiles plain, the outer percentiles dashed.
QPen LevelPen(std::size_t level)
{
    QPen pen(CreditColor, level == vel::MedianLevel ? 2.5 : 1.2);
    if (level == 0 || level + 1 == vel::CreditPercentileLevels.size())
        pen.setStyle(Qt::DashLine);
    return pen;
}

void FitAxis(QValueAxis* axis, double top)
{
    axis->setRange(0, std::max(top, 1.0));
    axis->applyNiceNumbers();
}

} // namespace

TBankrollGraph::TBankrollGraph(QWidget* parent)
    : QChartView(parent)
    , handsAxis_(new QValueAxis(this))
    , ruinAxis_(new QValueAxis(this))
    , creditAxis_(new QValueAxis(this))
{
    setObjectName(QStringLiteral("BankrollGraph"));
    setAccessibleName(tr("Graph of the session"));
    setRenderHint(QPainter::Antialiasing);
    chart()->setLocalizeNumbers(true);
    chart()->setMargins(QMargins(2, 2, 2, 2));
    chart()->legend()->hide(); // too narrow for the names: the caption tells them
    handsAxis_->setTitleText(tr("Hands played"));
    handsAxis_->setLabelFormat(QStringLiteral("%.0f"));
    ruinAxis_->setTitleText(tr("Run out (%)"));
    ruinAxis_->setLabelFormat(QStringLiteral("%.0f"));
    creditAxis_->setTitleText(tr("Credit"));
    creditAxis_->setLabelFormat(QStringLiteral("%.0f"));
    for (QValueAxis* axis : {handsAxis_, ruinAxis_, creditAxis_}) {
        axis->setLabelsFont(font());
        axis->setTitleFont(font());
    }
    chart()->addAxis(handsAxis_, Qt::AlignBottom);
    chart()->addAxis(ruinAxis_, Qt::AlignLeft);
    chart()->addAxis(creditAxis_, Qt::AlignRight);
    ruinAxis_->setLabelsColor(RuinColor);
    ruinAxis_->setTitleBrush(RuinColor);
    ruinSeries_ = AddSeries(tr("Run out by this hand"), ruinAxis_, QPen(RuinColor, 2.5));
    for (std::size_t level = 0; level < creditSeries_.size(); ++level)
        creditSeries_[level] = AddSeries(LevelName(level), creditAxis_, LevelPen(level));
    Clear();
}

QLineSeries* TBankrollGraph::AddSeries(const QString& name, QValueAxis* valueAxis, const QPen& pen)
{
    auto* series = new QLineSeries(this);
    series->setName(name);
    series->setPen(pen);
    chart()->addSeries(series);
    series->attachAxis(handsAxis_);
    series->attachAxis(valueAxis);
    return series;
}

void TBankrollGraph::ShowFigures(const vel::BankrollFigures& figures)
{
    const int hands = static_cast<int>(figures.ruinedByHand.size()) - 1;
    const int every = (hands + MostRuinPoints - 1) / MostRuinPoints;
    QList<QPointF> ruin;
    for (int n = 0; n <= hands; n += every)
        ruin << QPointF(n, 100 * figures.ruinedByHand[n]);
    if (ruin.constLast().x() != hands)
        ruin << QPointF(hands, 100 * figures.riskOfRuin);
    ruinSeries_->replace(ruin);
    std::int64_t highest = 0;
    for (std::size_t level = 0; level < creditSeries_.size(); ++level) {
        QList<QPointF> credit;
        for (const vel::CreditSpread& spread : figures.spreadByHand) {
            credit << QPointF(spread.hands, static_cast<double>(spread.credit[level]));
            highest = std::max(highest, spread.credit[level]);
        }
        creditSeries_[level]->replace(credit);
    }
    handsAxis_->setRange(0, hands);
    FitAxis(ruinAxis_, 100 * figures.riskOfRuin);
    FitAxis(creditAxis_, static_cast<double>(highest));
    Describe(figures);
}

QString TBankrollGraph::Caption()
{
    return tr("Red: the chance of having run out by each hand. Blue: the credit along the way, its median bold, "
              "the middle half between the plain lines, nine in ten sessions between the dashed ones.");
}

void TBankrollGraph::Clear()
{
    ruinSeries_->clear();
    for (QLineSeries* series : creditSeries_)
        series->clear();
    setAccessibleDescription(QString());
}

// The chance of having run out at each quarter of the session, and the
// median credit at its end.
void TBankrollGraph::Describe(const vel::BankrollFigures& figures)
{
    const QLocale locale;
    const int hands = static_cast<int>(figures.ruinedByHand.size()) - 1;
    QStringList quarters;
    int previous = 0;
    for (int quarter = 1; quarter <= 4; ++quarter) {
        const int n = hands * quarter / 4;
        if (n == previous)
            continue; // a session of fewer than four hands
        previous = n;
        quarters << tr("%1% by hand %2").arg(locale.toString(100 * figures.ruinedByHand[n], 'f', 2), locale.toString(n));
    }
    setAccessibleDescription(tr("Chance of having run out: %1. Median credit after hand %2: %3.")
                                 .arg(quarters.join(QStringLiteral(", ")), locale.toString(hands),
                                      locale.toString(figures.creditPercentiles[vel::MedianLevel])));
}
