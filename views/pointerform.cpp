#include "views/pointerform.h"

#include "shell/ModernFont.h"

#include <QIcon>

namespace {

Qt::WindowFlags FlagsFor(TPointerform::Border border)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (border == TPointerform::Border::Sizeable)
        flags |= Qt::WindowMinMaxButtonsHint;
    return flags;
}

} // namespace

TPointerform::TPointerform(QWidget* mainWindow, const QString& caption, Border border)
    : QDialog(mainWindow, FlagsFor(border))
{
    setWindowTitle(caption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/spade32.png")));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    if (vel::IsVistaOrLater())
        vel::ApplyModernFont(this);
}

void TPointerform::ShowInFront()
{
    show();
    raise();
    activateWindow();
}

int TPointerform::Scaled(int designPixels) const
{
    // Rounded like the platform's MulDiv.
    const int dpi = logicalDpiX();
    return (designPixels * dpi + 48) / 96;
}

QRect TPointerform::Scaled(const QRect& designRect) const
{
    return {Scaled(designRect.left()), Scaled(designRect.top()), Scaled(designRect.width()),
            Scaled(designRect.height())};
}

QSize TPointerform::ClientSizeFor(QSize outer) const
{
    const QSize frame = frameGeometry().size() - geometry().size();
    return outer - frame;
}
