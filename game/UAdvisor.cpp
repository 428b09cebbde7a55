#include "game/UAdvisor.h"

#include "game/AdvisorTables.h"
#include "game/TableWidgets.h"
#include "game/Unit1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace vel {

namespace {

constexpr char16_t SuitSymbols[] = u"\u2663\u2666\u2665\u2660";

QStringList CardsOf(const Hand& dealt, unsigned holdMask, QString (*name)(Card))
{
    QStringList names;
    for (std::size_t place = 0; place < dealt.size(); ++place) {
        if (holdMask >> place & 1)
            names << name(dealt[place]);
    }
    return names;
}

} // namespace

QString CardSymbol(Card card)
{
    return QLatin1Char(RankLetter(card)) + QChar(SuitSymbols[SuitOf(card)]);
}

QString HoldText(const Hand& dealt, unsigned holdMask)
{
    if (holdMask == 0)
        return QStringLiteral("Draw five new cards");
    return CardsOf(dealt, holdMask, CardSymbol).join(QLatin1Char(' '));
}

} // namespace vel

namespace {

constexpr unsigned AllPlaces = 0x1F;
const QString Intro = QStringLiteral("Deal a hand and the advisor ranks all 32 ways to hold it by the credits "
                                     "each returns on average, best first.");

// Two decimals in the player's locale; a value that rounds to zero shows
// without a minus sign.
QString Credits(double value)
{
    return QLocale().toString(qAbs(value) < 0.005 ? 0.0 : value, 'f', 2);
}

QString SpokenHold(const vel::Hand& dealt, unsigned holdMask)
{
    if (holdMask == 0)
        return vel::HoldText(dealt, 0);
    return QStringLiteral("Keep ") + vel::CardsOf(dealt, holdMask, ::CardName).join(QStringLiteral(", "));
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

const vel::HoldResult& TAdvisorForm::HandAdvice::Hold(unsigned mask) const
{
    // The 32 holds cover every mask of five places.
    return *std::find_if(holds.begin(), holds.end(),
                         [mask](const vel::HoldResult& hold) { return hold.holdMask == mask; });
}

TAdvisorForm::TAdvisorForm(TForm1* table)
    : TPointerform(table, QStringLiteral("vel Zezuv - Advisor"), Border::Sizeable)
    , table_(table)
    , tables_(vel::AdvisorTables::Shared())
{
    setObjectName(QStringLiteral("AdvisorForm"));
    CreateControls();
    resize(Scaled(460), Scaled(640));
    connect(table_, &TForm1::handDealt, this, &TAdvisorForm::HandDealt);
    connect(table_, &TForm1::drawStarted, this, &TAdvisorForm::DrawStarted);
    connect(table_, &TForm1::handSettled, this, &TAdvisorForm::HandSettled);
    connect(table_, &TForm1::gameReset, this, &TAdvisorForm::GameReset);
    // The schedule and the bet lists: queued, so that the table has applied
    // the choice before the return is looked up.
    for (const char* name : {"ComboBox1", "ComboBox2"}) {
        if (auto* list = table_->findChild<QComboBox*>(QLatin1String(name)))
            connect(list, &QComboBox::currentIndexChanged, this, &TAdvisorForm::ShowPerfectPlay, Qt::QueuedConnection);
    }
    connect(&returnsWatcher_, &QFutureWatcherBase::finished, this, &TAdvisorForm::ShowPerfectPlay);
    returnsWatcher_.setFuture(tables_->Returns());
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
    connect(holdButton_, &QPushButton::clicked, this, &TAdvisorForm::HoldBest);
    warnBox_ = new QCheckBox(QStringLiteral("Warn before a costly draw"), this);
    warnBox_->setObjectName(QStringLiteral("WarnCostlyDrawBox"));
    connect(warnBox_, &QCheckBox::clicked, table_, &TForm1::SetWarnCostlyDraw);

    perfectPlayLabel_ = new QLabel(this);
    perfectPlayLabel_->setObjectName(QStringLiteral("PerfectPlayLabel"));
    perfectPlayLabel_->setWordWrap(true);

    auto* ledgerGroup = new QGroupBox(QStringLiteral("This game"), this);
    ledgerTable_ = ReadOnlyTable(6, 2, "LedgerTable", QStringLiteral("Session ledger"), ledgerGroup);
    ledgerTable_->horizontalHeader()->hide();
    ledgerTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ledgerTable_->setFixedHeight(ledgerTable_->verticalHeader()->length() + 2 * ledgerTable_->frameWidth());
    (new QVBoxLayout(ledgerGroup))->addWidget(ledgerTable_);

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

bool TAdvisorForm::ConfirmDraw()
{
    if (!table_->CurrentSettings().WarnCostlyDraw || !table_->State().CanHold)
        return true;
    const HandAdvice& advice = AdviceForTable();
    const vel::HoldResult& best = advice.holds.front();
    const double cost = best.expectedCredits - advice.Hold(HeldMask()).expectedCredits;
    if (cost < CostlyLoss)
        return true;
    const QString bestHold = best.holdMask == 0 ? QStringLiteral("draws five new cards")
                                                : QStringLiteral("keeps ") + vel::HoldText(advice.dealt, best.holdMask);
    const QString text = QStringLiteral("This hold gives up %1 credits. The best hold %2.\nDraw anyway?")
                             .arg(Credits(cost), bestHold);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::Yes | QMessageBox::No,
                    table_);
    box.setObjectName(QStringLiteral("CostlyDrawBox"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void TAdvisorForm::HoldBest()
{
    if (!table_->State().CanHold)
        return;
    const unsigned differing = AdviceForTable().holds.front().holdMask ^ HeldMask();
    for (int place = 1; place <= 5; ++place) {
        if (differing >> (place - 1) & 1)
            table_->ToggleHold(place);
    }
}

void TAdvisorForm::WaitForTables() const
{
    tables_->WaitUntilReady();
}

void TAdvisorForm::showEvent(QShowEvent* event)
{
    TPointerform::showEvent(event);
    ShowWarnSetting();
    ShowPerfectPlay();
}

void TAdvisorForm::HandDealt()
{
    advice_.reset();
    AdviceForTable();
    ShowAdvice();
    ShowPerfectPlay(); // the bet may have been cut to the credit
}

// Read as the draw begins: the dealt hand and the holds are still on the table.
void TAdvisorForm::DrawStarted()
{
    HandAdvice& advice = AdviceForTable();
    advice.playedMask = HeldMask();
    ++ledger_.hands;
    ledger_.playedExpected += advice.Hold(*advice.playedMask).expectedCredits;
    ledger_.bestExpected += advice.holds.front().expectedCredits;
    ShowAdvice();
    ShowLedger();
}

void TAdvisorForm::HandSettled(int payout)
{
    ledger_.won += payout;
    ShowLedger();
}

void TAdvisorForm::GameReset()
{
    ledger_ = {};
    advice_.reset();
    ShowAdvice();
    ShowLedger();
    ShowWarnSetting();
    ShowPerfectPlay();
}

// The advice for the hand on the table, worked out if the hand is new.
TAdvisorForm::HandAdvice& TAdvisorForm::AdviceForTable()
{
    const RoundState& state = table_->State();
    if (!advice_ || advice_->dealt != state.Hand || advice_->bet != state.CurrentBet)
        advice_ = HandAdvice{state.Hand, state.CurrentBet,
                             tables_->Analyze(state.Hand, table_->PayTable(), state.CurrentBet), std::nullopt};
    return *advice_;
}

unsigned TAdvisorForm::HeldMask() const
{
    unsigned mask = 0;
    for (std::size_t place = 0; place < table_->State().Held.size(); ++place)
        mask |= table_->State().Held[place] ? 1u << place : 0u;
    return mask;
}

void TAdvisorForm::ShowAdvice()
{
    const bool waiting = advice_ && !advice_->playedMask;
    holdButton_->setEnabled(waiting);
    if (!advice_) {
        handLabel_->setText(Intro);
        handLabel_->setAccessibleName(Intro);
        adviceLabel_->clear();
        holdsTable_->setRowCount(0);
        return;
    }
    const vel::Hand& dealt = advice_->dealt;
    const QString heading = waiting ? QStringLiteral("Your hand: ") : QStringLiteral("Last hand as dealt: ");
    handLabel_->setText(heading + vel::HoldText(dealt, AllPlaces));
    const QStringList spokenCards = vel::CardsOf(dealt, AllPlaces, ::CardName);
    handLabel_->setAccessibleName(heading + spokenCards.join(QStringLiteral(", ")));
    const vel::HoldResult& best = advice_->holds.front();
    if (waiting) {
        adviceLabel_->setText(QStringLiteral("Best hold: %1, worth %2 credits on average.")
                                  .arg(vel::HoldText(dealt, best.holdMask), Credits(best.expectedCredits)));
    } else {
        const double cost = best.expectedCredits - advice_->Hold(*advice_->playedMask).expectedCredits;
        adviceLabel_->setText(cost < CostlyLoss ? QStringLiteral("You played the best hold.")
                                                : QStringLiteral("Your hold gave up %1 credits against %2.")
                                                      .arg(Credits(cost), vel::HoldText(dealt, best.holdMask)));
    }
    ShowHolds();
}

void TAdvisorForm::ShowHolds()
{
    const vel::Hand& dealt = advice_->dealt;
    const double bestReturn = advice_->holds.front().expectedCredits;
    const Qt::Alignment number = Qt::AlignRight | Qt::AlignVCenter;
    holdsTable_->setRowCount(vel::HoldCount);
    for (int row = 0; row < vel::HoldCount; ++row) {
        const vel::HoldResult& hold = advice_->holds[row];
        const bool played = advice_->playedMask == hold.holdMask;
        QTableWidgetItem* const cells[] = {
            Cell(vel::HoldText(dealt, hold.holdMask) + (played ? QStringLiteral(" (your hold)") : QString())),
            Cell(Credits(hold.expectedCredits), number),
            Cell(Credits(bestReturn - hold.expectedCredits), number),
        };
        cells[0]->setData(Qt::UserRole, hold.holdMask);
        cells[0]->setData(Qt::AccessibleTextRole, SpokenHold(dealt, hold.holdMask));
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
    const QLocale locale;
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral("Hands played"), locale.toString(ledger_.hands)},
        {QStringLiteral("Expected return of your holds"), Credits(ledger_.playedExpected)},
        {QStringLiteral("Expected return of the best holds"), Credits(ledger_.bestExpected)},
        {QStringLiteral("Lost to mistakes"), Credits(ledger_.MistakeCost())},
        {QStringLiteral("Won"), locale.toString(ledger_.won)},
        {QStringLiteral("Luck (won less expected)"), Credits(ledger_.Luck())},
    };
    for (int row = 0; row < ledgerTable_->rowCount(); ++row) {
        ledgerTable_->setItem(row, 0, Cell(rows[row].first));
        ledgerTable_->setItem(row, 1, Cell(rows[row].second, Qt::AlignRight | Qt::AlignVCenter));
    }
}

void TAdvisorForm::ShowPerfectPlay()
{
    const std::optional<int> schedule = vel::ScheduleOf(table_->PayTable());
    const QFuture<vel::ScheduleReturns> returns = tables_->Returns();
    if (!schedule) {
        perfectPlayLabel_->clear();
    } else if (!returns.isFinished()) {
        perfectPlayLabel_->setText(QStringLiteral("Working out the return of perfect play..."));
    } else {
        const int bet = table_->State().CurrentBet;
        const std::string_view name = vel::PaySchedules[static_cast<std::size_t>(*schedule)].listText;
        const double percent = 100 * vel::PerfectPlayAt(returns.result(), *schedule, bet);
        perfectPlayLabel_->setText(QStringLiteral("Perfect play returns %1% on %2 at a bet of %3")
                                       .arg(QLocale().toString(percent, 'f', 2),
                                            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                                            QLocale().toString(bet)));
    }
}

void TAdvisorForm::ShowWarnSetting()
{
    warnBox_->setChecked(table_->CurrentSettings().WarnCostlyDraw);
}
