#include "views/EngineText.h"

#include "engine/Evaluator.h"

#include <QCoreApplication>

#include <string>

namespace vel {

QString EngineText(const char* context, std::string_view english)
{
    return QCoreApplication::translate(context, std::string(english).c_str());
}

QString HandNameText(int evaluation)
{
    return EngineText("Hand", HandName(evaluation));
}

} // namespace vel
