#include "game/UAdvisor.h"

#include "game/AdvisorAnyHand.h"
#include "game/AdvisorBankroll.h"
#include "game/AdvisorChart.h"
#include "game/ChosenTableFigures.h"
#include "game/AdvisorOdds.h"
#include "game/CardGrid.h"
#include "game/HoldsTable.h"
#include "game/PayTableChoice.h"
#include "game/TableRound.h"
#include "views/EngineText.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <utility>

namespace {

QString Intro()
{
    return TAdvisorForm::tr("Deal a hand and the advisor ranks all 32 ways to hold it by the credits each returns on "
                            "average, best first.");
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

QRect TableFrameForAdvisor(const QRect& tableFrame, const QSize& wanted, const QRect& screen)
{
    const bool roomBeside = qMax(screen.right() - tableFrame.right(), tableFrame.left() - screen.left()) >= wanted.width();
    const bool roomBelow = screen.bottom() - tableFrame.bottom() >= wanted.height();
    const int together = tableFrame.width() + wanted.width();
    if (roomBeside || roomBelow || together > screen.width())
        return tableFrame;
    QRect moved = tableFrame;
    moved.moveLeft(screen.left() + (screen.width() - together) / 2);
    return moved;
}

TAdvisorForm::TAdvisorForm(QWidget* mainWindow, vel::AdvisorSession& session)
    : TPointerform(mainWindow, tr("vel Zezuv - Advisor"), Border::Sizeable)
    , session_(session)
    , figures_(new vel::ChosenTableFigures(this))
{
    setObjectName(QStringLiteral("AdvisorForm"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    Frame().CentreOn({}); // it goes beside the table, not over it
    QFont text = font(); // the text grows with the screen's resolution, as the table's does
    text.setPixelSize(Scaled(text.pixelSize()));
    setFont(text);
    CreateControls();
    resize(Scaled(460), Scaled(700));
    setMinimumSize(Scaled(300), Scaled(360));
    connect(&session_, &vel::AdvisorSession::adviceChanged, this, &TAdvisorForm::ShowAdvice);
    connect(&session_, &vel::AdvisorSession::ledgerChanged, this, &TAdvisorForm::ShowLedger);
    connect(&session_.Round(), &vel::TableRound::creditChanged, this, &TAdvisorForm::ShowTableCredit);
    connect(&session_, &vel::AdvisorSession::perfectPlayChanged, this, &TAdvisorForm::ShowPerfectPlay);
    connect(&session_, &vel::AdvisorSession::payTableChanged, this, &TAdvisorForm::TableInForceChanged);
    connect(&session_, &vel::AdvisorSession::adviceChanged, this, &TAdvisorForm::ShowFigures);
    connect(choice_, &TPayTableChoice::chosen, this, &TAdvisorForm::FollowChoice);
    connect(choice_, &TPayTableChoice::keptTablesChanged, this, &TAdvisorForm::keptPayTablesChanged);
    connect(figures_, &vel::ChosenTableFigures::changed, this, &TAdvisorForm::ShowFigures);
}

void TAdvisorForm::ShowWarnCostlyDraw(bool warn)
{
    warnBox_->setChecked(warn);
}

void TAdvisorForm::ShowBesideTable()
{
    if (!placed_) {
        placed_ = true;
        QWidget* table = parentWidget();
        // Until it is first shown this window's frame is unknown: the table's
        // frame, from the same window manager, stands in for it.
        const QSize margins = table->frameGeometry().size() - table->size();
        const QRect screen = table->screen()->availableGeometry();
        const QRect tableFrame = TableFrameForAdvisor(table->frameGeometry(), size() + margins, screen);
        table->move(tableFrame.topLeft());
        const QRect frame = AdvisorFrame(tableFrame, size() + margins, minimumSize() + margins, screen);
        move(frame.topLeft());
        resize(frame.size() - margins);
    }
    show();
    raise();
    parentWidget()->activateWindow(); // where a window manager activates it regardless
}

void TAdvisorForm::SetKeptPayTables(std::vector<vel::KeptPayTable> tables)
{
    choice_->SetKeptTables(std::move(tables));
}

bool TAdvisorForm::KeepsKeys(const QWidget* focus) const
{
    return qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QAbstractSpinBox*>(focus)
           || anyHandPage_->Grid()->isAncestorOf(focus) || PracticeShown();
}

// The pay table choice sits between the tabs and the pages of the chosen
// table; This Hand, Mistakes and Graph show the game by the table in force.
void TAdvisorForm::CreateControls()
{
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("AdvisorTabs"));
    auto* pane = new QFrame(this);
    pane->setFrameShape(QFrame::StyledPanel);
    choice_ = new TPayTableChoice(pane);
    pages_ = new QStackedWidget(pane);
    AddPage(CreateHandPage(), tr("This Hand"));
    oddsPage_ = new TOddsPage(pages_);
    AddPage(oddsPage_, tr("Odds"));
    chartPage_ = new TChartPage(pages_);
    AddPage(chartPage_, tr("Chart"));
    anyHandPage_ = new TAnyHandPage(*figures_, pages_);
    AddPage(anyHandPage_, tr("Any Hand"));
    bankrollPage_ = new TBankrollPage(*figures_, pages_);
    AddPage(bankrollPage_, tr("Bankroll"));
    CreateReviewPages();
    connect(tabs_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int page) {
        ShowChoice();
        // The cards and their holds, and the graph, need the room.
        choice_->SetEditorShown(page != AnyHandPage && page != BankrollPage && page != TrainingPage);
        FollowChoice(); // the chart's play is worked out only for the bankroll page
    });
    connect(bankrollPage_, &TBankrollPage::playChosen, this, &TAdvisorForm::FollowChoice);
    choice_->hide();
    auto* paneLayout = new QVBoxLayout(pane);
    paneLayout->addWidget(choice_);
    paneLayout->addWidget(pages_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(pane, 1);
}

void TAdvisorForm::AddPage(QWidget* page, const QString& title)
{
    pages_->addWidget(page);
    tabs_->addTab(title);
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

    holdsTable_ = new THoldsTable("HoldsTable", page);

    holdButton_ = new QPushButton(tr("H&old These"), page);
    holdButton_->setObjectName(QStringLiteral("HoldTheseButton"));
    holdButton_->setToolTip(tr("Hold the best cards on the table"));
    holdButton_->setAutoDefault(false); // Enter in the advisor is the table's, or a text box's
    connect(holdButton_, &QPushButton::clicked, &session_, &vel::AdvisorSession::HoldBest);
    analyseButton_ = new QPushButton(tr("Analyse on &Any Hand"), page);
    analyseButton_->setObjectName(QStringLiteral("AnalyseButton"));
    analyseButton_->setAutoDefault(false);
    analyseButton_->setToolTip(tr("Take this hand to the Any Hand page, to try it with other pay tables"));
    connect(analyseButton_, &QPushButton::clicked, this, &TAdvisorForm::AnalyseOnAnyHand);
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
    ledgerTable_ = new QTableWidget(6, 2, ledgerGroup);
    MakeReadOnlyTable(*ledgerTable_, "LedgerTable", tr("Session ledger"));
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
    buttons->addWidget(analyseButton_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(handLabel_);
    layout->addWidget(adviceLabel_);
    layout->addWidget(holdsTable_, 1);
    layout->addLayout(buttons);
    layout->addWidget(warnBox_, 0, Qt::AlignLeft);
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
    ShowTableCredit();
    FollowChoice();
    ShowFigures();
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
    analyseButton_->setEnabled(advice.has_value());
    if (!advice) {
        handLabel_->setText(Intro());
        handLabel_->setAccessibleName(Intro());
        adviceLabel_->clear();
        holdsTable_->setRowCount(0);
        shownHand_.reset();
        return;
    }
    const vel::Hand& dealt = advice->dealt;
    shownHand_ = dealt;
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
    holdsTable_->ShowHolds(*advice);
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
        ledgerTable_->setItem(row, 0, ReadOnlyCell(rows[row].first));
        ledgerTable_->setItem(row, 1, ReadOnlyCell(rows[row].second, Qt::AlignRight | Qt::AlignVCenter));
    }
}

void TAdvisorForm::ShowTableCredit()
{
    if (!isVisible())
        return;
    bankrollPage_->SetTableCredit(session_.Round().State().Credit);
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
                                   .arg(QLocale().toString(100 * *perfect, 'f', 2), vel::ScheduleText(state.Schedule),
                                        QLocale().toString(state.CurrentBet)));
}

void TAdvisorForm::AnalyseOnAnyHand()
{
    if (!shownHand_)
        return;
    anyHandPage_->ShowHand(*shownHand_);
    tabs_->setCurrentIndex(AnyHandPage);
}

void TAdvisorForm::TableInForceChanged()
{
    const vel::RoundState& state = session_.Round().State();
    choice_->SetInForce(state.Schedule, session_.Round().Pays(), state.CurrentBet);
}

void TAdvisorForm::FollowChoice()
{
    if (isVisible())
        figures_->Follow(choice_->Pays(), choice_->Bet(), choice_->OwnTable(), bankrollPage_->WantsChartPlay());
}

// The chart marks the line of the hand waiting for the draw, its holds
// valued at the chosen table.
void TAdvisorForm::ShowFigures()
{
    if (!isVisible())
        return;
    oddsPage_->ShowOdds(figures_->Odds(), choice_->Name(), figures_->Bet());
    std::optional<vel::HandAdvice> waiting;
    if (session_.HandWaiting()) {
        const vel::Hand& dealt = session_.Advice()->dealt;
        waiting = vel::HandAdvice{dealt, figures_->Bet(), figures_->Analyze(dealt), std::nullopt};
    }
    chartPage_->ShowChart(figures_->Chart(), waiting ? &*waiting : nullptr);
    choice_->ShowBreakEven(figures_->BreakEven());
}
