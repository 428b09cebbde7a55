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

QByteArray PlacingPlatform(const QProcessEnvironment& environment)
{
    if (!environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty()
        || environment.value(QStringLiteral("DISPLAY")).isEmpty())
        return {};
    return QByteArrayLiteral("xcb;wayland");
}

void PrepareDesktop()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
    const QByteArray platform = PlacingPlatform(QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace vel
