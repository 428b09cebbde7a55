#pragma once

#include <QColor>
#include <QPalette>

#include <array>
#include <cstdint>
#include <string_view>

namespace vel {

// A colour as the settings file keeps it: 0x00BBGGRR for a plain colour, or
// 0x80000000 plus an index for one of the desktop's system colours.
using TColor = std::int32_t;

inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBtnFace = static_cast<TColor>(0x8000000F);
inline constexpr TColor clBtnText = static_cast<TColor>(0x80000012);
inline constexpr TColor clHighlight = static_cast<TColor>(0x8000000D);
inline constexpr TColor clHighlightText = static_cast<TColor>(0x8000000E);
inline constexpr TColor clHotLight = static_cast<TColor>(0x8000001A);

constexpr bool IsSystemColor(TColor color) { return (static_cast<std::uint32_t>(color) >> 24) == 0x80; }

struct NamedColor {
    std::string_view identifier;
    TColor value;
};

// The 50 colours a player can pick: 16 standard, 4 extended, 30 system.
extern const std::array<NamedColor, 50> NamedColors;

// The palette colour a system colour index stands for on this desktop.
QColor SystemColor(int index, const QPalette& palette);

// Resolves any stored colour; a system colour through `palette`.
QColor ToQColor(TColor color, const QPalette& palette);
QColor ToQColor(TColor color);

} // namespace vel
