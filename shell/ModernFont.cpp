#include "shell/ModernFont.h"

#include <QFontDatabase>
#include <QWidget>

namespace vel {

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
