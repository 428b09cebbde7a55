#pragma once

#include <QString>

#include <string_view>

namespace vel {

// An English text of the engine (a hand name in context "Hand", a chart
// line in "Chart") in the player's language.
QString EngineText(const char* context, std::string_view english);

// The list text of pay schedule `schedule` (0..5) in the player's language.
QString ScheduleText(int schedule);

// The name of an evaluated hand, "Pair of Kings", in the player's language.
QString HandNameText(int evaluation);

} // namespace vel
