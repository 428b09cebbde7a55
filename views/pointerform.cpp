#include "views/pointerform.h"

#include "views/DesignFont.h"

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
    setFont(vel::DesignFont(11));
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
    return vel::ScaledLength(designPixels, logicalDpiX());
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
