#include "game/AdvisorBankroll.h"

#include "game/BankrollGraph.h"
#include "game/ChosenTableFigures.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace {

constexpr int DefaultHands = 1000;
// The boxes take numbers past the engine's limits, for the engine to name
// what is wrong with them.
constexpr int LargestTyped = 9'999'999;

// For the tests, which read the figures as the player does.
constexpr const char* FigureObjectNames[] = {"BankrollRisk",  "BankrollRoyalWithin", "BankrollRoyalBefore",
                                             "BankrollAhead", "BankrollPercentiles", "BankrollMean",
                                             "BankrollCreditForRisk"};

QString Percent(double chance)
{
    return QLocale().toString(100 * chance, 'f', 2) + QLatin1Char('%');
}

QString Level(double level)
{
    return QLocale().toString(100 * level, 'f', 0) + QLatin1Char('%');
}

QString ErrorText(vel::BankrollError error, const vel::BankrollQuestion& question)
{
    const QLocale locale;
    switch (error) {
    case vel::BankrollError::BetOutOfRange:
        return TBankrollPage::tr("The bet must be 1 to %1 credits.").arg(locale.toString(vel::MaxBet));
    case vel::BankrollError::CreditBelowBet:
        return TBankrollPage::tr("A credit of %1 does not cover the bet of %2: the session could not start.")
            .arg(locale.toString(question.credit), locale.toString(question.bet));
    case vel::BankrollError::CreditTooLarge:
        return TBankrollPage::tr("The credit can be at most %1.").arg(locale.toString(vel::MaxBankrollCredit));
    case vel::BankrollError::NoHands:
        return TBankrollPage::tr("The session needs at least one hand.");
    case vel::BankrollError::TooManyHands:
        return TBankrollPage::tr("The session can be at most %1 hands.").arg(locale.toString(vel::MaxBankrollHands));
    case vel::BankrollError::NotAHandTable:
        return TBankrollPage::tr("These pays give no figures for a session.");
    case vel::BankrollError::TooWide:
        return TBankrollPage::tr("These pays spread the credit too far to follow over a session this long.");
    case vel::BankrollError::Stopped:
        break;
    }
    return TBankrollPage::tr("Stopped.");
}

QSpinBox* NumberBox(const QString& accessibleName, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setAccessibleName(accessibleName);
    box->setRange(0, LargestTyped);
    box->setGroupSeparatorShown(true);
    return box;
}

} // namespace

TBankrollPage::TBankrollPage(const vel::ChosenTableFigures& figures, QWidget* parent)
    : QWidget(parent)
    , figures_(figures)
{
    auto* inputs = CreateInputs(); // first, for the keyboard's order
    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("BankrollStatus"));
    statusLabel_->setWordWrap(true);
    auto* figuresPanel = CreateFigures();
    graph_ = new TBankrollGraph(this);
    graph_->setMinimumHeight(fontMetrics().height() * 12);
    auto* caption = new QLabel(TBankrollGraph::Caption(), this);
    caption->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputs);
    layout->addWidget(statusLabel_);
    layout->addWidget(figuresPanel);
    layout->addWidget(graph_, 1);
    layout->addWidget(caption);
    connect(&figures_, &vel::ChosenTableFigures::changed, this, &TBankrollPage::Refresh);
}

TBankrollPage::~TBankrollPage()
{
    stop_.request_stop();
}

QWidget* TBankrollPage::CreateInputs()
{
    auto* inputs = new QWidget(this);
    creditBox_ = NumberBox(tr("Credit to start with"), inputs);
    creditBox_->setObjectName(QStringLiteral("BankrollCredit"));
    handsBox_ = NumberBox(tr("Hands to play"), inputs);
    handsBox_->setObjectName(QStringLiteral("BankrollHands"));
    handsBox_->setValue(DefaultHands);
    auto* creditLabel = new QLabel(tr("C&redit:"), inputs);
    creditLabel->setBuddy(creditBox_);
    auto* handsLabel = new QLabel(tr("&Hands:"), inputs);
    handsLabel->setBuddy(handsBox_);
    perfectButton_ = new QRadioButton(tr("&Perfect play"), inputs);
    perfectButton_->setObjectName(QStringLiteral("BankrollPerfectPlay"));
    perfectButton_->setChecked(true);
    chartButton_ = new QRadioButton(tr("By the &strategy chart"), inputs);
    chartButton_->setObjectName(QStringLiteral("BankrollChartPlay"));
    chartButton_->setToolTip(tr("Every hand held as the first matching line of the chart says, as people play"));
    connect(creditBox_, &QSpinBox::valueChanged, this, [this] {
        ownCredit_ = true;
        Refresh();
    });
    connect(handsBox_, &QSpinBox::valueChanged, this, &TBankrollPage::Refresh);
    connect(chartButton_, &QRadioButton::toggled, this, [this] {
        emit playChosen();
        Refresh();
    });
    auto* grid = new QGridLayout(inputs);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(creditLabel, 0, 0);
    grid->addWidget(creditBox_, 0, 1);
    grid->addWidget(handsLabel, 0, 2);
    grid->addWidget(handsBox_, 0, 3);
    grid->addWidget(perfectButton_, 1, 0, 1, 2);
    grid->addWidget(chartButton_, 1, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return inputs;
}

QWidget* TBankrollPage::CreateFigures()
{
    figuresPanel_ = new QWidget(this);
    auto* form = new QFormLayout(figuresPanel_);
    form->setContentsMargins(0, 0, 0, 0);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    for (int figure = 0; figure < FigureCount; ++figure) {
        names_[figure] = new QLabel(figuresPanel_);
        values_[figure] = new QLabel(figuresPanel_);
        values_[figure]->setObjectName(QLatin1String(FigureObjectNames[figure]));
        values_[figure]->setWordWrap(true);
        values_[figure]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (figure == Percentiles || figure == CreditForRisk) { // long: under their names, across the page
            values_[figure]->setIndent(fontMetrics().averageCharWidth() * 2);
            form->addRow(names_[figure]);
            form->addRow(values_[figure]);
        } else {
            form->addRow(names_[figure], values_[figure]);
        }
    }
    figuresPanel_->hide();
    return figuresPanel_;
}

void TBankrollPage::SetTableCredit(int credit)
{
    if (ownCredit_)
        return;
    const QSignalBlocker quiet(creditBox_);
    creditBox_->setValue(credit);
    Refresh();
}

bool TBankrollPage::WantsChartPlay() const
{
    return isVisible() && chartButton_->isChecked();
}

void TBankrollPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Refresh();
}

TBankrollPage::Inputs TBankrollPage::InputsShown() const
{
    return {figures_.Pays(), chartButton_->isChecked(), {creditBox_->value(), handsBox_->value(), figures_.Bet()}};
}

// The figures and the graph go as the inputs change; the figures of the
// new inputs come once the one-hand odds are known and the work is done.
void TBankrollPage::Refresh()
{
    if (!isVisible())
        return;
    const Inputs inputs = InputsShown();
    if (asked_ == inputs)
        return;
    stop_.request_stop();
    ++work_;
    figuresPanel_->hide();
    graph_->Clear();
    if (const auto fault = vel::CheckBankrollQuestion(inputs.question)) {
        asked_ = inputs;
        ShowStatus(ErrorText(*fault, inputs.question));
        return;
    }
    ShowStatus(tr("Working out the figures..."));
    const std::optional<vel::ReturnTable> oneHand = inputs.chartPlay ? figures_.ChartPlay() : figures_.Odds();
    if (!oneHand) { // the table's figures are being worked out; they bring a refresh when known
        asked_.reset();
        return;
    }
    asked_ = inputs;
    StartWork(inputs, *oneHand);
}

void TBankrollPage::StartWork(const Inputs& inputs, const vel::ReturnTable& oneHand)
{
    stop_ = std::stop_source();
    QtConcurrent::run([oneHand, question = inputs.question, stop = stop_.get_token()] {
        return vel::AnswerBankroll(oneHand, question, stop);
    }).then(this, [this, work = work_, question = inputs.question](const vel::BankrollAnswer& answer) {
        if (work != work_)
            return;
        if (const auto* figures = std::get_if<vel::BankrollFigures>(&answer))
            ShowFigures(*figures);
        else
            ShowStatus(ErrorText(std::get<vel::BankrollError>(answer), question));
    });
}

void TBankrollPage::ShowFigures(const vel::BankrollFigures& figures)
{
    const QLocale locale;
    QStringList percentiles;
    for (std::size_t level = 0; level < vel::CreditPercentileLevels.size(); ++level) {
        const QString name = level == vel::MedianLevel ? tr("median") : Level(vel::CreditPercentileLevels[level]);
        percentiles << tr("%1: %2").arg(name, locale.toString(figures.creditPercentiles[level]));
    }
    QStringList targets, credits;
    for (std::size_t target = 0; target < vel::RuinRiskTargets.size(); ++target) {
        targets << Level(vel::RuinRiskTargets[target]);
        credits << tr("%1: %2").arg(Level(vel::RuinRiskTargets[target]), locale.toString(figures.creditForRisk[target]));
    }
    const std::array<std::pair<QString, QString>, FigureCount> rows{{
        {tr("Risk of ruin in the session:"), Percent(figures.riskOfRuin)},
        {tr("Royal flush in the session:"), Percent(figures.royalWithinHands)},
        {tr("Royal flush before ruin:"), Percent(figures.royalBeforeRuin)},
        {tr("Finish the session ahead:"), Percent(figures.finishAhead)},
        {tr("Credit at the session's end:"), percentiles.join(QStringLiteral("; "))},
        {tr("Mean credit at the session's end:"), locale.toString(figures.meanCredit, 'f', 2)},
        {tr("Credit for a risk of ruin of %1:").arg(targets.join(QStringLiteral(", "))), credits.join(QStringLiteral("; "))},
    }};
    for (int figure = 0; figure < FigureCount; ++figure) {
        names_[figure]->setText(rows[figure].first);
        values_[figure]->setText(rows[figure].second);
        values_[figure]->setAccessibleName(rows[figure].first + QLatin1Char(' ') + rows[figure].second);
    }
    ShowStatus(QString());
    figuresPanel_->show();
    graph_->ShowFigures(figures);
}

void TBankrollPage::ShowStatus(const QString& status)
{
    statusLabel_->setText(status);
    statusLabel_->setVisible(!status.isEmpty());
}
