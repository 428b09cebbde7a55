#pragma once

#include <QFont>

class QPaintDevice;
class QWidget;

namespace vel {

// Windows are designed at this many pixels per inch and scaled to the screen.
inline constexpr int DesignDpi = 96;

// A length designed at 96 pixels per inch, at `dpi`, rounded to the nearest
// pixel as the platform's MulDiv does.
constexpr int ScaledLength(int designPixels, int dpi)
{
    return (designPixels * dpi + DesignDpi / 2) / DesignDpi;
}

// "Large Fonts": the device runs at more than the design resolution.
bool IsLargeFonts(const QPaintDevice& device);

// The face the windows are designed in, at a height in pixels. The desktop
// substitutes a metric-compatible sans face for it.
QFont DesignFont(int pixelHeight, bool bold = false);
void SubstituteDesignFont();

// True on every desktop this game runs on: secondary windows are owned by
// the main window and the modern face is used where it is installed.
constexpr bool IsVistaOrLater() { return true; }

// Switches a window to "Segoe UI", one point larger, when that face is
// installed and the window does not use it already.
void ApplyModernFont(QWidget* window);

} // namespace vel
