#include "game/AdvisorSession.h"

#include "game/AdvisorTables.h"
#include "game/TableRound.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <functional>

namespace vel {

namespace {

constexpr char16_t SuitSymbols[] = u"\u2663\u2666\u2665\u2660";
const QString RedSuitColor = QStringLiteral("#c00000");

bool IsRed(Card card)
{
    return SuitOf(card) == 1 || SuitOf(card) == 2; // diamonds, hearts
}

// The rank as the card's corner shows it; the court cards' letters are the
// player's language's.
QString CornerIndex(Card card)
{
    switch (RankLetter(card)) {
    case 'T': return QStringLiteral("10");
    case 'J': return QCoreApplication::translate("Card", "J", "corner index of a jack");
    case 'Q': return QCoreApplication::translate("Card", "Q", "corner index of a queen");
    case 'K': return QCoreApplication::translate("Card", "K", "corner index of a king");
    case 'A': return QCoreApplication::translate("Card", "A", "corner index of an ace");
    default: return QString(QLatin1Char(RankLetter(card)));
    }
}

} // namespace

QString CardSymbol(Card card)
{
    return CornerIndex(card) + QChar(SuitSymbols[SuitOf(card)]);
}

QStringList CardTexts(const Hand& hand, unsigned holdMask, const std::function<QString(Card)>& text)
{
    QStringList cards;
    for (std::size_t place = 0; place < hand.size(); ++place) {
        if (holdMask >> place & 1)
            cards << text(hand[place]);
    }
    return cards;
}

QString TypedCard(Card card)
{
    const QString rank = RankLetter(card) == 'T' ? QStringLiteral("10") : QString(QLatin1Char(RankLetter(card)));
    return rank + QChar(SuitSymbols[SuitOf(card)]);
}

QString HoldText(const Hand& dealt, unsigned holdMask)
{
    if (holdMask == 0)
        return AdvisorSession::tr("Draw five new cards");
    return CardTexts(dealt, holdMask, CardSymbol).join(QLatin1Char(' '));
}

QString HoldHtml(const Hand& dealt, unsigned holdMask)
{
    if (holdMask == 0)
        return HoldText(dealt, 0);
    return CardTexts(dealt, holdMask, [](Card card) {
               return IsRed(card) ? QStringLiteral("<span style=\"color:%1\">%2</span>").arg(RedSuitColor, CardSymbol(card))
                                  : CardSymbol(card);
           })
        .join(QLatin1Char(' '));
}

QString Credits(double value)
{
    return QLocale().toString(qAbs(value) < 0.005 ? 0.0 : value, 'f', 2);
}

const HoldResult& HandAdvice::Hold(unsigned mask) const
{
    // The 32 holds cover every mask of five places.
    return *std::find_if(holds.begin(), holds.end(), [mask](const HoldResult& hold) { return hold.holdMask == mask; });
}

AdvisorSession::AdvisorSession(TableRound& round, QObject* parent)
    : QObject(parent)
    , round_(round)
{
    connect(&round_, &TableRound::handDealt, this, &AdvisorSession::HandDealt);
    connect(&round_, &TableRound::drawStarted, this, &AdvisorSession::DrawStarted);
    connect(&round_, &TableRound::handSettled, this, &AdvisorSession::HandSettled);
    connect(&round_, &TableRound::gameReset, this, &AdvisorSession::GameReset);
    connect(&round_, &TableRound::scheduleChanged, this, &AdvisorSession::ScheduleOrBetChanged);
    connect(&round_, &TableRound::betChanged, this, &AdvisorSession::ScheduleOrBetChanged);
    connect(&returnsWatcher_, &QFutureWatcherBase::finished, this, &AdvisorSession::perfectPlayChanged);
}

void AdvisorSession::SetFollowing(bool following)
{
    following_ = following;
    if (!following_)
        return;
    if (!tables_) {
        tables_ = AdvisorTables::Shared();
        returnsWatcher_.setFuture(tables_->Returns());
    }
    if (round_.CanHold())
        AdviceForTable(); // the hand on the table, dealt while the advisor was closed
    emit adviceChanged();
    emit perfectPlayChanged();
    emit payTableChanged();
}

std::optional<double> AdvisorSession::PerfectPlayReturn() const
{
    if (!tables_ || !tables_->Returns().isResultReadyAt(0))
        return std::nullopt;
    return PerfectPlayAt(tables_->Returns().result(), round_.State().Schedule, round_.State().CurrentBet);
}

void AdvisorSession::WaitForTables() const
{
    if (tables_)
        tables_->WaitUntilReady();
}

void AdvisorSession::ScheduleOrBetChanged()
{
    if (!following_)
        return;
    emit perfectPlayChanged();
    emit payTableChanged();
}

std::optional<QString> AdvisorSession::CostlyDrawWarning()
{
    if (!round_.CanHold())
        return std::nullopt;
    const HandAdvice& advice = AdviceForTable();
    const HoldResult& best = advice.Best();
    const double cost = advice.Cost(round_.HeldMask());
    if (cost < CostlyLoss)
        return std::nullopt;
    const QString bestHold = best.holdMask == 0 ? tr("draws five new cards")
                                                : tr("keeps %1").arg(HoldText(advice.dealt, best.holdMask));
    return tr("This hold gives up %1 credits. The best hold %2.\nDraw anyway?").arg(Credits(cost), bestHold);
}

void AdvisorSession::HoldBest()
{
    if (round_.CanHold())
        round_.SetHolds(AdviceForTable().Best().holdMask);
}

// The advice for the hand on the table, worked out if the hand is new.
HandAdvice& AdvisorSession::AdviceForTable()
{
    const RoundState& state = round_.State();
    if (!advice_ || advice_->dealt != state.Hand || advice_->bet != state.CurrentBet)
        advice_ = HandAdvice{state.Hand, state.CurrentBet,
                             tables_ ? tables_->Analyze(state.Hand, round_.Pays(), state.CurrentBet)
                                     : AnalyzeDirect(state.Hand, round_.Pays(), state.CurrentBet),
                             std::nullopt};
    return *advice_;
}

void AdvisorSession::HandDealt()
{
    advice_.reset();
    if (!following_)
        return;
    AdviceForTable();
    emit adviceChanged();
    ScheduleOrBetChanged(); // the bet may have been cut to the credit
}

// Read as the draw begins: the dealt hand and the holds are still on the table.
void AdvisorSession::DrawStarted()
{
    if (!following_)
        return;
    HandAdvice& advice = AdviceForTable();
    advice.playedMask = round_.HeldMask();
    ++ledger_.hands;
    ledger_.playedExpected += advice.Hold(*advice.playedMask).expectedCredits;
    ledger_.bestExpected += advice.Best().expectedCredits;
    emit adviceChanged();
    emit ledgerChanged();
}

void AdvisorSession::HandSettled(int payout)
{
    if (!following_)
        return;
    ledger_.won += payout;
    emit ledgerChanged();
}

void AdvisorSession::GameReset()
{
    ledger_ = {};
    advice_.reset();
    emit adviceChanged();
    emit ledgerChanged();
    emit perfectPlayChanged();
}

} // namespace vel
