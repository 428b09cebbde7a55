#include "game/UAdvisor.h"

#include "game/AdvisorChart.h"
#include "game/AdvisorOdds.h"
#include "game/CardTextDelegate.h"
#include "game/TableRound.h"
#include "game/TableWidgets.h"
#include "views/EngineText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

QString Intro()
{
    return TAdvisorForm::tr("Deal a hand and the advisor ranks all 32 ways to hold it by the credits each returns on "
                            "average, best first.");
}

QString CardNames(const vel::Hand& dealt, unsigned holdMask)
{
    return vel::CardTexts(dealt, holdMask, CardName).join(QStringLiteral(", "));
}

QString SpokenHold(const vel::Hand& dealt, unsigned holdMask)
{
    if (holdMask == 0)
        return vel::HoldText(dealt, 0);
    return TAdvisorForm::tr("Keep %1").arg(CardNames(dealt, holdMask));
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidget* ReadOnlyTable(int rows, int columns, const char* name, const QString& accessibleName,
                            QWidget* parent)
{
    auto* table = new QTableWidget(rows, columns, parent);
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(accessibleName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false); // Tab leaves the table for the next control
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    return table;
}

QString ScheduleName(int schedule)
{
    return vel::EngineText("Schedule", vel::PaySchedules[static_cast<std::size_t>(schedule)].listText);
}

} // namespace

QRect AdvisorFrame(const QRect& tableFrame, const QSize& wanted, const QSize& smallest, const QRect& screen)
{
    const int right = screen.right() - tableFrame.right();
    const int left = tableFrame.left() - screen.left();
    const int below = screen.bottom() - tableFrame.bottom();
    const int height = qMin(wanted.height(), screen.height());
    const auto onScreen = [&](QRect frame) {
        frame.moveLeft(qBound(screen.left(), frame.left(), screen.right() + 1 - frame.width()));
        frame.moveTop(qBound(screen.top(), frame.top(), screen.bottom() + 1 - frame.height()));
        return frame;
    };
    const auto toRight = [&](int width) { return onScreen({tableFrame.right() + 1, tableFrame.top(), width, height}); };
    const auto toLeft = [&](int width) { return onScreen({left - width + screen.left(), tableFrame.top(), width, height}); };
    const auto toBottom = [&](int tall) { return onScreen({tableFrame.left(), tableFrame.bottom() + 1, wanted.width(), tall}); };
    if (right >= wanted.width())
        return toRight(wanted.width());
    if (left >= wanted.width())
        return toLeft(wanted.width());
    if (below >= wanted.height())
        return toBottom(wanted.height());
    if (qMax(right, left) >= smallest.width())
        return right >= left ? toRight(right) : toLeft(left);
    if (below >= smallest.height())
        return toBottom(below);
    return toRight(wanted.width()); // no room anywhere: over the table, on the screen
}

TAdvisorForm::TAdvisorForm(QWidget* mainWindow, vel::AdvisorSession& session)
    : TPointerform(mainWindow, tr("vel Zezuv - Advisor"), Border::Sizeable)
    , session_(session)
{
    setObjectName(QStringLiteral("AdvisorForm"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    Frame().CentreOn({}); // it goes beside the table, not over it
    QFont text = font(); // the text grows with the screen's resolution, as the table's does
    text.setPixelSize(Scaled(text.pixelSize()));
    setFont(text);
    CreateControls();
    resize(Scaled(460), Scaled(640));
    setMinimumSize(Scaled(300), Scaled(360));
    connect(&session_, &vel::AdvisorSession::adviceChanged, this, &TAdvisorForm::ShowAdvice);
    connect(&session_, &vel::AdvisorSession::ledgerChanged, this, &TAdvisorForm::ShowLedger);
    connect(&session_, &vel::AdvisorSession::perfectPlayChanged, this, &TAdvisorForm::ShowPerfectPlay);
    connect(&session_, &vel::AdvisorSession::oddsChanged, this, &TAdvisorForm::ShowOdds);
    connect(&session_, &vel::AdvisorSession::chartChanged, this, &TAdvisorForm::ShowChart);
    connect(&session_, &vel::AdvisorSession::adviceChanged, this, &TAdvisorForm::ShowChart);
}

void TAdvisorForm::ShowWarnCostlyDraw(bool warn)
{
    warnBox_->setChecked(warn);
}

void TAdvisorForm::ShowBesideTable()
{
    if (!placed_) {
        placed_ = true;
        const QWidget* table = parentWidget();
        // Until it is first shown this window's frame is unknown: the table's
        // frame, from the same window manager, stands in for it.
        const QSize margins = table->frameGeometry().size() - table->size();
        const QRect frame = AdvisorFrame(table->frameGeometry(), size() + margins, minimumSize() + margins,
                                         table->screen()->availableGeometry());
        move(frame.topLeft());
        resize(frame.size() - margins);
    }
    show();
    raise();
    parentWidget()->activateWindow(); // where a window manager activates it regardless
}

void TAdvisorForm::CreateControls()
{
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("AdvisorTabs"));
    tabs->addTab(CreateHandPage(), tr("This Hand"));
    oddsPage_ = new TOddsPage(tabs);
    tabs->addTab(oddsPage_, tr("Odds"));
    chartPage_ = new TChartPage(tabs);
    tabs->addTab(chartPage_, tr("Chart"));
    (new QVBoxLayout(this))->addWidget(tabs);
}

QWidget* TAdvisorForm::CreateHandPage()
{
    auto* page = new QWidget(this);
    handLabel_ = new QLabel(page);
    handLabel_->setObjectName(QStringLiteral("HandLabel"));
    handLabel_->setWordWrap(true);
    adviceLabel_ = new QLabel(page);
    adviceLabel_->setObjectName(QStringLiteral("AdviceLabel"));
    adviceLabel_->setWordWrap(true);

    holdsTable_ = ReadOnlyTable(0, 3, "HoldsTable", tr("Holds, best first"), page);
    holdsTable_->setItemDelegateForColumn(0, new TCardTextDelegate(holdsTable_));
    holdsTable_->setAccessibleDescription(
        tr("Every way to hold the hand, its expected return in credits "
           "and its loss against the best hold"));
    holdsTable_->setHorizontalHeaderLabels(
        {tr("Hold"), tr("Expected return"), tr("Loss")});

    holdButton_ = new QPushButton(tr("H&old These"), page);
    holdButton_->setObjectName(QStringLiteral("HoldTheseButton"));
    holdButton_->setToolTip(tr("Hold the best cards on the table"));
    connect(holdButton_, &QPushButton::clicked, &session_, &vel::AdvisorSession::HoldBest);
    warnBox_ = new QCheckBox(tr("&Warn before a costly draw"), page);
    warnBox_->setObjectName(QStringLiteral("WarnCostlyDrawBox"));
    // Toggled, not clicked: a screen reader's toggle action must count too.
    connect(warnBox_, &QCheckBox::toggled, this, &TAdvisorForm::warnCostlyDrawToggled);

    perfectPlayLabel_ = new QLabel(page);
    perfectPlayLabel_->setObjectName(QStringLiteral("PerfectPlayLabel"));
    perfectPlayLabel_->setWordWrap(true);
    LayOutControls(page, CreateLedger(page));
    return page;
}

QGroupBox* TAdvisorForm::CreateLedger(QWidget* page)
{
    auto* ledgerGroup = new QGroupBox(tr("This game"), page);
    ledgerTable_ = ReadOnlyTable(6, 2, "LedgerTable", tr("Session ledger"), ledgerGroup);
    ledgerTable_->horizontalHeader()->hide();
    ledgerTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ledgerTable_->setFixedHeight(ledgerTable_->verticalHeader()->length() + 2 * ledgerTable_->frameWidth());
    (new QVBoxLayout(ledgerGroup))->addWidget(ledgerTable_);
    return ledgerGroup;
}

void TAdvisorForm::LayOutControls(QWidget* page, QGroupBox* ledgerGroup)
{
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(holdButton_);
    buttons->addWidget(warnBox_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(handLabel_);
    layout->addWidget(adviceLabel_);
    layout->addWidget(holdsTable_, 1);
    layout->addLayout(buttons);
    layout->addWidget(perfectPlayLabel_);
    layout->addWidget(ledgerGroup);
}

// Open, the window follows the round and shows all of it; hidden, it
// neither works nor tells a screen reader anything.
void TAdvisorForm::showEvent(QShowEvent* event)
{
    TPointerform::showEvent(event);
    session_.SetFollowing(true);
    ShowLedger();
}

void TAdvisorForm::hideEvent(QHideEvent* event)
{
    TPointerform::hideEvent(event);
    session_.SetFollowing(false);
}

void TAdvisorForm::ShowAdvice()
{
    if (!isVisible())
        return;
    const std::optional<vel::HandAdvice>& advice = session_.Advice();
    const bool waiting = session_.HandWaiting();
    holdButton_->setEnabled(waiting);
    if (!advice) {
        handLabel_->setText(Intro());
        handLabel_->setAccessibleName(Intro());
        adviceLabel_->clear();
        holdsTable_->setRowCount(0);
        return;
    }
    const vel::Hand& dealt = advice->dealt;
    const QString heading = waiting ? tr("Your hand: %1") : tr("Last hand as dealt: %1");
    handLabel_->setText(heading.arg(vel::HoldHtml(dealt, vel::AllPlaces)));
    handLabel_->setAccessibleName(heading.arg(CardNames(dealt, vel::AllPlaces)));
    const vel::HoldResult& best = advice->Best();
    if (waiting) {
        const QString advice = tr("Best hold: %1, worth %2 credits on average.");
        adviceLabel_->setText(advice.arg(vel::HoldHtml(dealt, best.holdMask), vel::Credits(best.expectedCredits)));
        adviceLabel_->setAccessibleName(
            advice.arg(SpokenHold(dealt, best.holdMask), vel::Credits(best.expectedCredits)));
    } else {
        const double cost = advice->Cost(*advice->playedMask);
        adviceLabel_->setText(cost < vel::AdvisorSession::CostlyLoss
                                  ? tr("You played the best hold.")
                                  : tr("Your hold gave up %1 credits against %2.")
                                        .arg(vel::Credits(cost), vel::HoldHtml(dealt, best.holdMask)));
        adviceLabel_->setAccessibleName(QString());
    }
    ShowHolds(*advice);
}

void TAdvisorForm::ShowHolds(const vel::HandAdvice& advice)
{
    const Qt::Alignment number = Qt::AlignRight | Qt::AlignVCenter;
    holdsTable_->setRowCount(vel::HoldCount);
    for (int row = 0; row < vel::HoldCount; ++row) {
        const vel::HoldResult& hold = advice.holds[row];
        const bool played = advice.playedMask == hold.holdMask;
        QTableWidgetItem* const cells[] = {
            Cell(vel::HoldText(advice.dealt, hold.holdMask) + (played ? tr(" (your hold)") : QString())),
            Cell(vel::Credits(hold.expectedCredits), number),
            Cell(vel::Credits(advice.Cost(hold.holdMask)), number),
        };
        cells[0]->setData(Qt::UserRole, hold.holdMask);
        cells[0]->setData(Qt::AccessibleTextRole, SpokenHold(advice.dealt, hold.holdMask));
        QFont font = holdsTable_->font();
        font.setBold(row == 0);
        for (int column = 0; column < 3; ++column) {
            cells[column]->setFont(font);
            holdsTable_->setItem(row, column, cells[column]);
        }
    }
    holdsTable_->setCurrentCell(0, 0);
    holdsTable_->selectRow(0);
}

void TAdvisorForm::ShowLedger()
{
    if (!isVisible())
        return;
    const vel::AdvisorLedger& ledger = session_.Ledger();
    const QLocale locale;
    const std::pair<QString, QString> rows[] = {
        {tr("Hands played"), locale.toString(ledger.hands)},
        {tr("Expected return of your holds"), vel::Credits(ledger.playedExpected)},
        {tr("Expected return of the best holds"), vel::Credits(ledger.bestExpected)},
        {tr("Lost to mistakes"), vel::Credits(ledger.MistakeCost())},
        {tr("Won"), locale.toString(ledger.won)},
        {tr("Luck (won less expected)"), vel::Credits(ledger.Luck())},
    };
    for (int row = 0; row < ledgerTable_->rowCount(); ++row) {
        ledgerTable_->setItem(row, 0, Cell(rows[row].first));
        ledgerTable_->setItem(row, 1, Cell(rows[row].second, Qt::AlignRight | Qt::AlignVCenter));
    }
}

void TAdvisorForm::ShowPerfectPlay()
{
    if (!isVisible())
        return;
    const std::optional<double> perfect = session_.PerfectPlayReturn();
    if (!perfect) {
        perfectPlayLabel_->setText(tr("Working out the return of perfect play..."));
        return;
    }
    const vel::RoundState& state = session_.Round().State();
    perfectPlayLabel_->setText(tr("Perfect play returns %1% on %2 at a bet of %3")
                                   .arg(QLocale().toString(100 * *perfect, 'f', 2), ScheduleName(state.Schedule),
                                        QLocale().toString(state.CurrentBet)));
}

void TAdvisorForm::ShowChart()
{
    if (!isVisible())
        return;
    const std::optional<vel::HandAdvice>& advice = session_.Advice();
    chartPage_->ShowChart(session_.Chart(), session_.ChartForHand(), advice ? &*advice : nullptr);
}

void TAdvisorForm::ShowOdds()
{
    if (!isVisible())
        return;
    const vel::RoundState& state = session_.Round().State();
    oddsPage_->ShowOdds(session_.Odds(), ScheduleName(state.Schedule), state.CurrentBet);
}
