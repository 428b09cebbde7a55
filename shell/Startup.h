#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

namespace vel {

// The title the player sees; while minimised it carries the credit.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// The window system to ask Qt for, or empty to leave Qt its own choice. A
// Wayland client cannot place its windows, and the table opens its advisor
// beside itself and its questions by its cards: so wherever an X display is
// there (XWayland, on a Wayland desktop) and the player has not picked a
// platform in QT_QPA_PLATFORM, X11 comes first and Wayland is the fallback.
QByteArray PlacingPlatform(const QProcessEnvironment& environment);

// What the table needs from the desktop before the first window: no
// fractional scaling, so that a 120 dpi screen reports 120 dpi, and the
// platform that lets it place its windows (a -platform option still wins:
// Qt reads it after the environment).
void PrepareDesktop();

} // namespace vel
