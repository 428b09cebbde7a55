#pragma once

#include <QString>

namespace vel {

// The title the player sees; while minimised it carries the credit.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// What the table needs from the desktop before the first window: no
// fractional scaling, so that a 120 dpi screen reports 120 dpi.
void PrepareDesktop();

} // namespace vel
