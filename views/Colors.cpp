#include "views/Colors.h"

#include <QApplication>

namespace vel {

namespace {

constexpr TColor System(int index) { return static_cast<TColor>(0x80000000u + static_cast<std::uint32_t>(index)); }

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Each desktop system colour index mapped to the palette role that plays
// the same part in a Qt desktop theme.
SystemRole RoleOf(int index)
{
    using P = QPalette;
    switch (index) {
    case 0: return {P::Active, P::Button};            // scroll bar
    case 1: return {P::Active, P::Dark};              // desktop background
    case 2: return {P::Active, P::Highlight};         // active caption
    case 3: return {P::Active, P::Mid};               // inactive caption
    case 4: return {P::Active, P::Window};            // menu
    case 5: return {P::Active, P::Base};              // window
    case 6: return {P::Active, P::Shadow};            // window frame
    case 7: return {P::Active, P::WindowText};        // menu text
    case 8: return {P::Active, P::WindowText};        // window text
    case 9: return {P::Active, P::HighlightedText};   // caption text
    case 10: return {P::Active, P::Button};           // active border
    case 11: return {P::Active, P::Button};           // inactive border
    case 12: return {P::Active, P::Mid};              // application work space
    case 13: return {P::Active, P::Highlight};        // highlight
    case 14: return {P::Active, P::HighlightedText};  // highlight text
    case 15: return {P::Active, P::Button};           // button face
    case 16: return {P::Active, P::Dark};             // button shadow
    case 17: return {P::Disabled, P::WindowText};     // grey text
    case 18: return {P::Active, P::ButtonText};       // button text
    case 19: return {P::Disabled, P::ButtonText};     // inactive caption text
    case 20: return {P::Active, P::Light};            // button highlight
    case 21: return {P::Active, P::Shadow};           // 3D dark shadow
    case 22: return {P::Active, P::Midlight};         // 3D light
    case 23: return {P::Active, P::ToolTipText};      // info text
    case 24: return {P::Active, P::ToolTipBase};      // info background
    case 26: return {P::Active, P::Link};             // hot light
    case 27: return {P::Active, P::Highlight};        // gradient active caption
    case 28: return {P::Active, P::AlternateBase};    // gradient inactive caption
    case 29: return {P::Active, P::Highlight};        // menu highlight
    case 30: return {P::Active, P::Window};           // menu bar
    default: return {P::Active, P::Button};
    }
}

} // namespace

const std::array<NamedColor, 50> NamedColors{{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", System(10)}, {"clActiveCaption", System(2)}, {"clAppWorkSpace", System(12)},
    {"clBackground", System(1)}, {"clBtnFace", System(15)}, {"clBtnHighlight", System(20)},
    {"clBtnShadow", System(16)}, {"clBtnText", System(18)}, {"clCaptionText", System(9)},
    {"clGradientActiveCaption", System(27)}, {"clGradientInactiveCaption", System(28)},
    {"clGrayText", System(17)}, {"clHighlight", System(13)}, {"clHighlightText", System(14)},
    {"clHotLight", System(26)}, {"clInactiveBorder", System(11)}, {"clInactiveCaption", System(3)},
    {"clInactiveCaptionText", System(19)}, {"clInfoBk", System(24)}, {"clInfoText", System(23)},
    {"clMenu", System(4)}, {"clMenuBar", System(30)}, {"clMenuHighlight", System(29)},
    {"clMenuText", System(7)}, {"clScrollBar", System(0)}, {"cl3DDkShadow", System(21)},
    {"cl3DLight", System(22)}, {"clWindow", System(5)}, {"clWindowFrame", System(6)},
    {"clWindowText", System(8)},
}};

QColor SystemColor(int index, const QPalette& palette)
{
    const SystemRole role = RoleOf(index);
    return palette.color(role.group, role.role);
}

QColor ToQColor(TColor color, const QPalette& palette)
{
    const auto value = static_cast<std::uint32_t>(color);
    if (IsSystemColor(color))
        return SystemColor(static_cast<int>(value & 0xFFFFFF), palette);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

QColor ToQColor(TColor color)
{
    return ToQColor(color, QApplication::palette());
}

} // namespace vel
