#include "game/UAdvisor.h"

#include "game/TableRound.h"
#include "game/TableWidgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr unsigned AllPlaces = 0x1F;
const QString Intro = QStringLiteral("Deal a hand and the advisor ranks all 32 ways to hold it by the credits "
                                     "each returns on average, best first.");

QStringList CardNames(const vel::Hand& dealt, unsigned holdMask)
{
    QStringList names;
    for (std::size_t place = 0; place < dealt.size(); ++place) {
        if (holdMask >> place & 1)
            names << CardName(dealt[place]);
    }
    return names;
}

QString SpokenHold(const vel::Hand& dealt, unsigned holdMask)
{
    if (holdMask == 0)
        return vel::HoldText(dealt, 0);
    return QStringLiteral("Keep ") + CardNames(dealt, holdMask).join(QStringLiteral(", "));
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

} // namespace

TAdvisorForm::TAdvisorForm(QWidget* mainWindow, vel::AdvisorSession& session)
    : TPointerform(mainWindow, QStringLiteral("vel Zezuv - Advisor"), Border::Sizeable)
    , session_(session)
{
    setObjectName(QStringLiteral("AdvisorForm"));
    CreateControls();
    resize(Scaled(460), Scaled(640));
    connect(&session_, &vel::AdvisorSession::adviceChanged, this, &TAdvisorForm::ShowAdvice);
    connect(&session_, &vel::AdvisorSession::ledgerChanged, this, &TAdvisorForm::ShowLedger);
    connect(&session_, &vel::AdvisorSession::perfectPlayChanged, this, &TAdvisorForm::ShowPerfectPlay);
    connect(&session_, &vel::AdvisorSession::warnCostlyDrawChanged, warnBox_, &QCheckBox::setChecked);
    ShowAdvice();
    ShowLedger();
    ShowPerfectPlay();
}

void TAdvisorForm::CreateControls()
{
    handLabel_ = new QLabel(this);
    handLabel_->setObjectName(QStringLiteral("HandLabel"));
    handLabel_->setWordWrap(true);
    adviceLabel_ = new QLabel(this);
    adviceLabel_->setObjectName(QStringLiteral("AdviceLabel"));
    adviceLabel_->setWordWrap(true);

    holdsTable_ = ReadOnlyTable(0, 3, "HoldsTable", QStringLiteral("Holds, best first"), this);
    holdsTable_->setAccessibleDescription(
        QStringLiteral("Every way to hold the hand, its expected return in credits "
                       "and its loss against the best hold"));
    holdsTable_->setHorizontalHeaderLabels(
        {QStringLiteral("Hold"), QStringLiteral("Expected return"), QStringLiteral("Loss")});

    holdButton_ = new QPushButton(QStringLiteral("Hold These"), this);
    holdButton_->setObjectName(QStringLiteral("HoldTheseButton"));
    holdButton_->setToolTip(QStringLiteral("Hold the best cards on the table"));
    connect(holdButton_, &QPushButton::clicked, &session_, &vel::AdvisorSession::HoldBest);
    warnBox_ = new QCheckBox(QStringLiteral("Warn before a costly draw"), this);
    warnBox_->setObjectName(QStringLiteral("WarnCostlyDrawBox"));
    warnBox_->setChecked(session_.WarnCostlyDraw());
    connect(warnBox_, &QCheckBox::clicked, &session_, &vel::AdvisorSession::SetWarnCostlyDraw);

    perfectPlayLabel_ = new QLabel(this);
    perfectPlayLabel_->setObjectName(QStringLiteral("PerfectPlayLabel"));
    perfectPlayLabel_->setWordWrap(true);
    LayOutControls(CreateLedger());
}

QGroupBox* TAdvisorForm::CreateLedger()
{
    auto* ledgerGroup = new QGroupBox(QStringLiteral("This game"), this);
    ledgerTable_ = ReadOnlyTable(6, 2, "LedgerTable", QStringLiteral("Session ledger"), ledgerGroup);
    ledgerTable_->horizontalHeader()->hide();
    ledgerTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ledgerTable_->setFixedHeight(ledgerTable_->verticalHeader()->length() + 2 * ledgerTable_->frameWidth());
    (new QVBoxLayout(ledgerGroup))->addWidget(ledgerTable_);
    return ledgerGroup;
}

void TAdvisorForm::LayOutControls(QGroupBox* ledgerGroup)
{
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(holdButton_);
    buttons->addWidget(warnBox_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(handLabel_);
    layout->addWidget(adviceLabel_);
    layout->addWidget(holdsTable_, 1);
    layout->addLayout(buttons);
    layout->addWidget(perfectPlayLabel_);
    layout->addWidget(ledgerGroup);
}

void TAdvisorForm::showEvent(QShowEvent* event)
{
    TPointerform::showEvent(event);
    warnBox_->setChecked(session_.WarnCostlyDraw());
    ShowPerfectPlay();
}

void TAdvisorForm::ShowAdvice()
{
    const std::optional<vel::HandAdvice>& advice = session_.Advice();
    const bool waiting = session_.HandWaiting();
    holdButton_->setEnabled(waiting);
    if (!advice) {
        handLabel_->setText(Intro);
        handLabel_->setAccessibleName(Intro);
        adviceLabel_->clear();
        holdsTable_->setRowCount(0);
        return;
    }
    const vel::Hand& dealt = advice->dealt;
    const QString heading = waiting ? QStringLiteral("Your hand: ") : QStringLiteral("Last hand as dealt: ");
    handLabel_->setText(heading + vel::HoldText(dealt, AllPlaces));
    handLabel_->setAccessibleName(heading + CardNames(dealt, AllPlaces).join(QStringLiteral(", ")));
    const vel::HoldResult& best = advice->Best();
    if (waiting) {
        adviceLabel_->setText(QStringLiteral("Best hold: %1, worth %2 credits on average.")
                                  .arg(vel::HoldText(dealt, best.holdMask), vel::Credits(best.expectedCredits)));
    } else {
        const double cost = best.expectedCredits - advice->Hold(*advice->playedMask).expectedCredits;
        adviceLabel_->setText(cost < vel::AdvisorSession::CostlyLoss
                                  ? QStringLiteral("You played the best hold.")
                                  : QStringLiteral("Your hold gave up %1 credits against %2.")
                                        .arg(vel::Credits(cost), vel::HoldText(dealt, best.holdMask)));
    }
    ShowHolds(*advice);
}

void TAdvisorForm::ShowHolds(const vel::HandAdvice& advice)
{
    const double bestReturn = advice.Best().expectedCredits;
    const Qt::Alignment number = Qt::AlignRight | Qt::AlignVCenter;
    holdsTable_->setRowCount(vel::HoldCount);
    for (int row = 0; row < vel::HoldCount; ++row) {
        const vel::HoldResult& hold = advice.holds[row];
        const bool played = advice.playedMask == hold.holdMask;
        QTableWidgetItem* const cells[] = {
            Cell(vel::HoldText(advice.dealt, hold.holdMask) + (played ? QStringLiteral(" (your hold)") : QString())),
            Cell(vel::Credits(hold.expectedCredits), number),
            Cell(vel::Credits(bestReturn - hold.expectedCredits), number),
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
    const vel::AdvisorLedger& ledger = session_.Ledger();
    const QLocale locale;
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral("Hands played"), locale.toString(ledger.hands)},
        {QStringLiteral("Expected return of your holds"), vel::Credits(ledger.playedExpected)},
        {QStringLiteral("Expected return of the best holds"), vel::Credits(ledger.bestExpected)},
        {QStringLiteral("Lost to mistakes"), vel::Credits(ledger.MistakeCost())},
        {QStringLiteral("Won"), locale.toString(ledger.won)},
        {QStringLiteral("Luck (won less expected)"), vel::Credits(ledger.Luck())},
    };
    for (int row = 0; row < ledgerTable_->rowCount(); ++row) {
        ledgerTable_->setItem(row, 0, Cell(rows[row].first));
        ledgerTable_->setItem(row, 1, Cell(rows[row].second, Qt::AlignRight | Qt::AlignVCenter));
    }
}

void TAdvisorForm::ShowPerfectPlay()
{
    const std::optional<double> perfect = session_.PerfectPlayReturn();
    if (!perfect) {
        perfectPlayLabel_->setText(QStringLiteral("Working out the return of perfect play..."));
        return;
    }
    const vel::RoundState& state = session_.Round().State();
    const std::string_view name = vel::PaySchedules[static_cast<std::size_t>(state.Schedule)].listText;
    perfectPlayLabel_->setText(QStringLiteral("Perfect play returns %1% on %2 at a bet of %3")
                                   .arg(QLocale().toString(100 * *perfect, 'f', 2),
                                        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                                        QLocale().toString(state.CurrentBet)));
}
