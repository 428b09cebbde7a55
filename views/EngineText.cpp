#include "views/EngineText.h"

#include "engine/Evaluator.h"
#include "engine/PaySchedule.h"

#include <QCoreApplication>

#include <string>

namespace vel {

QString EngineText(const char* context, std::string_view english)
{
    return QCoreApplication::translate(context, std::string(english).c_str());
}

QString ScheduleText(int schedule)
{
    return EngineText("Schedule", PaySchedules.at(static_cast<std::size_t>(schedule)).listText);
}

QString HandNameText(int evaluation)
{
    return EngineText("Hand", HandName(evaluation));
}

} // namespace vel
