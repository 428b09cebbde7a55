#pragma once

#include <QString>

namespace vel {

// The title the player sees; while minimised it carries the credit.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// Everything the table needs from the desktop before the first window:
// no fractional scaling (a 120 dpi screen reports 120 dpi) and a sans face
// for the designed font.
void PrepareDesktop();
void SubstituteDesignFont();

// Starts the game and runs it until the table closes.
int RunGame(int argc, char* argv[]);

} // namespace vel
