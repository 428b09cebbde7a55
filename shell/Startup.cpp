#include "shell/Startup.h"

#include <QGuiApplication>

namespace vel {

namespace {

QString& Title()
{
    static QString title = QStringLiteral("vel Zezuv");
    return title;
}

} // namespace

QString ApplicationTitle()
{
    return Title();
}

void SetApplicationTitle(const QString& title)
{
    Title() = title;
}

void PrepareDesktop()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
}

} // namespace vel
