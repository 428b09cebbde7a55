#include "game/GradeText.h"

#include "game/AdvisorSession.h"
#include "game/TableWidgets.h"
#include "views/EngineText.h"

#include <QCoreApplication>
#include <QLocale>

namespace gradetext {

namespace {

// The context of the texts below.
class Grade {
    Q_DECLARE_TR_FUNCTIONS(Grade)
};

} // namespace

QString SpokenHold(const vel::Hand& dealt, unsigned holdMask)
{
    const QStringList names = vel::CardTexts(dealt, holdMask, CardName);
    if (names.isEmpty())
        return Grade::tr("draw five new cards");
    if (names.size() == 1)
        return names.front();
    return Grade::tr("%1 and %2").arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last());
}

QString SpokenGrade(const vel::GradedHand& hand)
{
    const vel::Hand& dealt = hand.advice.dealt;
    if (hand.Right())
        return Grade::tr("Right: %1").arg(SpokenHold(dealt, *hand.advice.playedMask));
    return Grade::tr("Mistake, costs %1 credits: best is %2")
        .arg(vel::Credits(hand.Cost()), SpokenHold(dealt, hand.advice.Best().holdMask));
}

QString ChartLineText(const std::optional<vel::ChartLine>& line)
{
    if (!line)
        return Grade::tr("The chart of this pay table is still being worked out.");
    return Grade::tr("Chart line %1: %2.")
        .arg(QLocale().toString(line->number),
             vel::EngineText("Chart", vel::HoldPatterns()[line->pattern].name));
}

QString Summary(const vel::MistakeLog& log)
{
    const QLocale locale;
    return Grade::tr("Hands: %1. Right: %2%. Lost per 100 hands: %3 credits.")
        .arg(locale.toString(log.Hands()), locale.toString(100 * log.ShareRight(), 'f', 0),
             vel::Credits(log.CostPer100Hands()));
}

QString GradeHtml(const vel::GradedHand& hand)
{
    const vel::Hand& dealt = hand.advice.dealt;
    const vel::HoldResult& played = hand.Played();
    const vel::HoldResult& best = hand.advice.Best();
    if (hand.Right()) {
        return Grade::tr("<b>Right.</b> %1 returns %2 credits on average: no hold returns more.")
            .arg(vel::HoldHtml(dealt, played.holdMask), vel::Credits(played.expectedCredits));
    }
    return Grade::tr("<b>Mistake, it costs %1 credits.</b> %2 returns %3 credits on average; the best hold, %4, "
              "returns %5.<br>%6")
        .arg(vel::Credits(hand.Cost()), vel::HoldHtml(dealt, played.holdMask), vel::Credits(played.expectedCredits),
             vel::HoldHtml(dealt, best.holdMask), vel::Credits(best.expectedCredits),
             ChartLineText(hand.chartLine));
}

} // namespace gradetext
