#pragma once

#include "game/MistakeLog.h"

#include <QString>

#include <optional>

// What the practice and the mistakes pages say about a graded hold.
namespace gradetext {

// "King of Hearts and Queen of Hearts", or "draw five new cards": for a
// screen reader.
QString SpokenHold(const vel::Hand& dealt, unsigned holdMask);
// "Right: King of Hearts" or "Mistake, costs 1.25 credits: best is ...".
QString SpokenGrade(const vel::GradedHand& hand);
// "Chart line 7: Three to a royal flush", or that the chart is being worked out.
QString ChartLineText(const std::optional<vel::ChartLine>& line);
// "Hands: 12. Right: 75%. Lost per 100 hands: 3.40 credits."
QString Summary(const vel::MistakeLog& log);
// The grade as rich text: right, or the mistake's cost, the best hold and
// the chart line.
QString GradeHtml(const vel::GradedHand& hand);

} // namespace gradetext
