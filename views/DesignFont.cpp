#include "views/DesignFont.h"

#include <QFontDatabase>
#include <QPaintDevice>
#include <QWidget>

namespace vel {

namespace {

const QString DesignFace = QStringLiteral("MS Sans Serif");

} // namespace

bool IsLargeFonts(const QPaintDevice& device)
{
    return device.logicalDpiX() > DesignDpi;
}

QFont DesignFont(int pixelHeight, bool bold)
{
    QFont font(DesignFace);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void SubstituteDesignFont()
{
    QFont::insertSubstitutions(DesignFace, {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                            QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
}

void ApplyModernFont(QWidget* window)
{
    static const QString modernFace = QStringLiteral("Segoe UI");
    QFont font = window->font();
    if (font.family().compare(modernFace, Qt::CaseInsensitive) == 0)
        return;
    if (!QFontDatabase::families().contains(modernFace, Qt::CaseInsensitive))
        return;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() + 1);
    else
        font.setPixelSize(font.pixelSize() + 1);
    font.setFamily(modernFace);
    window->setFont(font);
}

} // namespace vel
