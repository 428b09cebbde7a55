#include "shell/Startup.h"

#include "views/VersionInfo.h"

#include <QGuiApplication>

namespace vel {

namespace {

QString& Title()
{
    static QString title = QString::fromUtf8(version::ProductName);
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
