#pragma once

class QWidget;

namespace vel {

// True on every desktop this game runs on: secondary windows are owned by
// the main window and the modern face is used where it is installed.
constexpr bool IsVistaOrLater() { return true; }

// Switches a window to "Segoe UI", one point larger, when that face is
// installed and the window does not use it already.
void ApplyModernFont(QWidget* window);

} // namespace vel
